#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the built program as a screen reader user does, from outside the process.

    e2e_accessibility.py PROGRAM_DIR SKIN_FILE

The program runs from a copy of PROGRAM_DIR with a language file of this test
and SKIN_FILE, under a private Xvfb, a private D-Bus session and the
accessibility bus. The test drives it with X key events alone: starts the
wizard, answers every question (one answer ticked as mattering a lot, one
skipped, and one taken back with Alt+Left), opens the leader (a stand-in
browser logs the address) and opens the explanation and About windows. At each
step it checks what AT-SPI reports: names and descriptions, the focus, checked
and description-change events that carry the question, and that no control a
user can reach is unnamed. It prints the accessible tree at the first question.
Exits 77 (skipped) when a tool it needs is missing.
"""

import os
import random
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAIT = 15  # seconds any one expected thing may take

LANGUAGE = """\
[GENERAL]
LANGUAGE=Testisch
[SEARCHENGINES]
COUNT=3
[ENGINES]
ENGINE0=Alpha
ENGINE1=Beta
ENGINE2=Gamma
[LINKS]
LINK0=alpha.example
LINK1=beta.example
LINK2=gamma.example
[QUESTIONS]
COUNT=3
Q0=Soll die Suche privat bleiben?
Y0=Ja, privat
N0=Nein, egal
Q1=Brauchen Sie einen eigenen Index?
Y1=Ja, eigener Index
N1=Nein, kein eigener Index
Q2=Mögen Sie grüne Suchmaschinen?
Y2=Ja, grün
N2=Nein, nicht grün
SKIP=Ist mir gleich
IMPORTANT=Besonders wichtig
BACK=Zurück
[MATRIX]
S0=2,2,-2
S1=0,0,0
S2=-2,-2,2
[STARTEND]
FINISHED=Fertig: öffnen Sie den Sieger
[TOOLTIP]
SELIST=Doppelklick öffnet die Suchmaschine
TIPSTART=Los
TIPNEXT=Nächste Frage
TIPLAUNCH=Sieger öffnen
[MENU]
TRUTH=&Wahrheit
TRUTH1=Wie Suchmaschinen verdienen
MONEY1=&Mehr über Suchmaschinen lesen
HELP=&Hilfe
[ACCESSIBLE]
ENGINELIST=Suchmaschinen, beste zuerst
QUESTIONAREA=Frage
HELPPICTURE=So geht es
QUESTIONPICTURE=Bild zu Frage
[ENGINEINFO]
WEIGHTED=" (sehr wichtig)"
"""
QUESTIONS = ["Soll die Suche privat bleiben?", "Brauchen Sie einen eigenen Index?",
             "Mögen Sie grüne Suchmaschinen?"]
SKIP_TEXT = "Ist mir gleich"
IMPORTANT = "Besonders wichtig"
BACK = "Zurück"
START_TEXT = "Launch the best search engine"
FINISHED = "Fertig: öffnen Sie den Sieger"
# Containers whose entries carry the names a screen reader speaks.
CONTAINER_ROLES = {"filler", "menu bar", "popup menu", "application"}


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def skip(message):
    print(message + ": skipped")
    sys.exit(SKIP)


class Session:
    """The private X server, buses and program; every child ends with it."""

    def __init__(self):
        self.children = []
        self.scratch = tempfile.mkdtemp(prefix="zv-e2e-")

    def start(self, args, env, **kwargs):
        child = subprocess.Popen(args, env=env, start_new_session=True, **kwargs)
        self.children.append(child)
        return child

    def close(self):
        for child in reversed(self.children):  # the program before its X server
            try:
                os.killpg(child.pid, signal.SIGTERM)
                child.wait(timeout=5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                try:
                    os.killpg(child.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
        shutil.rmtree(self.scratch, ignore_errors=True)


def read_line(pipe, what):
    # A child that died or hangs must not stall the test.
    ready, _, _ = select.select([pipe], [], [], WAIT)
    if not ready:
        fail("no answer from " + what)
    line = pipe.readline().strip()
    if not line:
        fail(what + " did not start")
    return line


def base_environment(scratch):
    env = {k: v for k, v in os.environ.items()
           if k not in ("AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS", "DISPLAY",
                        "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP",
                        "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                        "QT_QPA_PLATFORM", "QT_ACCESSIBILITY")}
    runtime = os.path.join(scratch, "runtime")
    os.mkdir(runtime, 0o700)
    env["XDG_RUNTIME_DIR"] = runtime
    return env


def start_environment(session):
    env = base_environment(session.scratch)
    # Servers that pick the first free display come and go on a shared
    # machine; one far above them is tried, and another if it cannot be reached.
    # Without -noreset the server resets whenever its last client leaves, and
    # refuses the next one while it does.
    for _ in range(5):
        number = random.randrange(200, 900)
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        xvfb = session.start(["Xvfb", ":%d" % number, "-displayfd", "1", "-screen", "0",
                              "1024x768x24", "-nolisten", "tcp", "-noreset"], env,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        env["DISPLAY"] = ":" + read_line(xvfb.stdout, "Xvfb")
        reached = subprocess.run(["xdotool", "getdisplaygeometry"], env=env, timeout=WAIT,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if reached.returncode == 0 and xvfb.poll() is None:
            break
    else:
        fail("no X display could be reached")
    bus = session.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus.stdout, "dbus-daemon")
    session.start([LAUNCHER, "--launch-immediately"], env, stderr=subprocess.DEVNULL)
    return env


def start_program(session, env, program_dir, skin_file):
    folder = os.path.join(session.scratch, "program")
    shutil.copytree(program_dir, folder)
    with open(os.path.join(folder, "zv.cfg"), "w", encoding="utf-8") as f:
        f.write(LANGUAGE)
    shutil.copyfile(skin_file, os.path.join(folder, "skin.cfg"))

    # The stand-in browser: xdg-open finds no desktop and no handler, so it
    # runs $BROWSER with the address.
    log = os.path.join(session.scratch, "browser.log")
    browser = os.path.join(session.scratch, "browser")
    with open(browser, "w") as f:
        f.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % log)
    os.chmod(browser, 0o755)
    home = os.path.join(session.scratch, "home")
    os.mkdir(home)
    program_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       BROWSER=browser, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"), XDG_DATA_DIRS=home,
                       XDG_CONFIG_DIRS=home)
    session.start([os.path.join(folder, "zorvane")], program_env)
    return log


def main():
    if len(sys.argv) != 3:
        fail("usage: e2e_accessibility.py PROGRAM_DIR SKIN_FILE")
    for tool in ("Xvfb", "xdotool", "dbus-daemon", "xdg-open"):
        if not shutil.which(tool):
            skip(tool + " is not installed")
    if not os.access(LAUNCHER, os.X_OK):
        skip("at-spi2-core is not installed")
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        import pyatspi  # noqa: F401  (checked here; used once the buses run)
    except (ImportError, ValueError):
        skip("python3-pyatspi is not installed")

    session = Session()
    # Ended from outside (a test timeout), the children still end with it.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: ended from outside"))
    try:
        env = start_environment(session)
        # This process speaks to the same private buses as the program.
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[key] = env[key]
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        log = start_program(session, env, sys.argv[1], sys.argv[2])
        Driver(env, log).run()
    finally:
        session.close()
    print("PASS")



class Driver:
    def __init__(self, env, log):
        import pyatspi
        from gi.repository import Atspi, GLib
        self.pyatspi, self.Atspi, self.GLib = pyatspi, Atspi, GLib
        self.env = env
        self.log = log
        self.events = []
        pyatspi.Registry.registerEventListener(
            self.record, "object:state-changed:focused", "object:state-changed:checked",
            "object:property-change:accessible-description")
        self.app = self.wait("the program on the accessibility bus", self.find_app)
        self.app.set_cache_mask(Atspi.Cache.NONE)  # read every name anew

    # --- waiting and reading -------------------------------------------------

    def pump(self):
        context = self.GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def wait(self, what, probe, timeout=WAIT):
        end = time.monotonic() + timeout
        while True:
            self.pump()
            try:
                found = probe()
            except Exception:  # an object that went away while being read
                found = None
            if found:
                return found
            if time.monotonic() > end:
                fail("timed out waiting for " + what)
            time.sleep(0.03)

    def record(self, event):
        try:
            if event.type.startswith("object:state-changed:focused") and event.detail1:
                self.events.append(("focus", event.source.name, event.source.description))
            elif event.type.startswith("object:state-changed:checked"):
                self.events.append(("checked" if event.detail1 else "unchecked",
                                    event.source.name, event.source.description))
            elif event.type.startswith("object:property-change:accessible-description"):
                self.events.append(("description", event.source.name, event.source.description))
        except Exception:
            pass

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Zorvane":
                return app
        return None

    def walk(self, node):
        yield node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from self.walk(child)

    def state(self, node, which):
        return node.getState().contains(which)

    def showing(self, node):
        return self.state(node, self.pyatspi.STATE_SHOWING)

    def window(self, name_start):
        for i in range(self.app.childCount):
            w = self.app.getChildAtIndex(i)
            if w is not None and w.name.startswith(name_start) and self.showing(w):
                return w
        return None

    def find(self, root, role, name=None):
        for node in self.walk(root):
            if node.getRoleName() == role and (name is None or node.name == name):
                return node
        return None

    def focused(self):
        """The innermost focused object: a list's focused row rather than the list."""
        found = None
        for node in self.walk(self.app):
            if self.state(node, self.pyatspi.STATE_FOCUSED):
                found = node
        return found

    def focus_main_window(self):
        # No window manager runs to hand the keyboard to the window.
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Zorvane 1", "windowfocus",
                        "--sync"], env=self.env, check=True, timeout=WAIT,
                       stdout=subprocess.DEVNULL)

    def key(self, *keys):
        self.events.clear()  # what follows answers these keys
        subprocess.run(["xdotool", "key", "--delay", "40"] + list(keys), env=self.env,
                       check=True, timeout=WAIT)

    # --- checks --------------------------------------------------------------

    def expect(self, what, actual, wanted):
        if actual != wanted:
            fail("%s: %r, wanted %r" % (what, actual, wanted))

    def all_named(self, window):
        unnamed = [n.getRoleName() for n in self.walk(window)
                   if self.showing(n) and n.getRoleName() not in CONTAINER_ROLES
                   and not n.name.strip()]
        if unnamed:
            fail("unnamed controls in %r: %s" % (window.name, ", ".join(unnamed)))

    def wait_focus(self, role, name, description, event=True):
        """Waits for the focus to reach the control and for its focus event."""
        def arrived():
            node = self.focused()
            return node if node and node.getRoleName() == role and node.name == name else None
        node = self.wait("focus on %s %r" % (role, name), arrived)
        if description is not None:
            self.expect("description of " + name, node.description, description)
        if event:
            self.wait("the focus event of %r" % name,
                      lambda: any(e[:2] == ("focus", name) and description in (None, e[2])
                                  for e in self.events))
        return node

    def choose(self, arrow, answer, q):
        """An arrow key moves the focus to the answer and chooses it."""
        self.key(arrow)
        node = self.wait_focus("radio button", answer, QUESTIONS[q])
        if not self.state(node, self.pyatspi.STATE_CHECKED):
            fail(answer + " focused but not chosen")

    def next_question(self, q):
        """Space on Next, then the next question or the end text announced."""
        self.key("space")
        self.wait_announced(QUESTIONS[q + 1] if q + 1 < len(QUESTIONS) else FINISHED)

    def wait_announced(self, text):
        self.wait("a description change to %r" % text,
                  lambda: any(e[0] == "description" and e[2] == text for e in self.events))

    def dump(self, node, depth=0):
        states = [s for s, flag in (("focused", self.pyatspi.STATE_FOCUSED),
                                    ("checked", self.pyatspi.STATE_CHECKED))
                  if self.state(node, flag)]
        if depth == 0 or self.showing(node):
            print("%s[%s] %r%s%s" % ("  " * depth, node.getRoleName(), node.name,
                                     " — %r" % node.description if node.description else "",
                                     " (%s)" % ", ".join(states) if states else ""))
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is not None:
                    self.dump(child, depth + 1)

    # --- the run -------------------------------------------------------------

    def run(self):
        main = self.wait("the main window", lambda: self.window("Zorvane 1.0.7 Testisch"))
        self.focus_main_window()
        self.wait_focus("push button", "Los", START_TEXT, event=False)
        lst = self.find(main, "list")
        self.expect("list name", lst.name, "Suchmaschinen, beste zuerst")
        self.expect("list description", lst.description, "Doppelklick öffnet die Suchmaschine")
        self.expect("list rows", [lst.getChildAtIndex(i).name for i in range(lst.childCount)],
                    ["100% Alpha", "100% Beta", "100% Gamma"])
        self.all_named(main)

        # Start: focus stays on the round button, which now carries the question.
        self.key("space")
        self.wait_announced(QUESTIONS[0])
        self.wait("the button renamed", lambda: self.find(main, "push button", "Nächste Frage"))
        self.all_named(main)
        for answer in ("Ja, privat", "Nein, egal"):
            self.expect("description of " + answer,
                        self.find(main, "radio button", answer).description, QUESTIONS[0])
        print("Accessible tree at the first question:")
        self.dump(main)

        # Question 1: back to the chosen answer through the box, change it to
        # No, and tick that it matters: every stop speaks the question.
        self.key("shift+Tab")
        self.wait_focus("check box", IMPORTANT, QUESTIONS[0])
        self.key("shift+Tab")
        self.wait_focus("radio button", "Ja, privat", QUESTIONS[0])
        self.choose("Down", "Nein, egal", 0)
        self.key("Tab")
        self.wait_focus("check box", IMPORTANT, QUESTIONS[0])
        self.key("space")
        self.wait("the box's checked event", lambda: ("checked", IMPORTANT, QUESTIONS[0])
                  in self.events)
        self.key("Tab")
        self.wait_focus("push button", "Nächste Frage", QUESTIONS[0])
        self.next_question(0)

        # Question 2: the box starts unticked; Back, then skip the question,
        # which takes the box out of use and out of the tab order.
        box = self.find(main, "check box", IMPORTANT)
        if self.state(box, self.pyatspi.STATE_CHECKED):
            fail("the box is still ticked at the next question")
        self.key("shift+Tab")
        self.wait_focus("push button", BACK, QUESTIONS[1])
        self.key("shift+Tab")
        self.wait_focus("check box", IMPORTANT, QUESTIONS[1])
        self.key("shift+Tab")
        self.wait_focus("radio button", "Nein, kein eigener Index", QUESTIONS[1])
        self.choose("Down", SKIP_TEXT, 1)
        self.wait("the box out of use", lambda: not self.state(box, self.pyatspi.STATE_ENABLED))
        self.key("Tab")
        self.wait_focus("push button", BACK, QUESTIONS[1])
        self.key("Tab")
        self.wait_focus("push button", "Nächste Frage", QUESTIONS[1])
        self.next_question(1)

        # Alt+Left returns to question 2, announced where the focus stays,
        # with the skip it was given; Next applies it again.
        self.key("alt+Left")
        self.wait_announced(QUESTIONS[1])
        if not self.state(self.find(main, "radio button", SKIP_TEXT), self.pyatspi.STATE_CHECKED):
            fail("Back did not show the skip given to question 2")
        self.key("space")
        self.wait_announced(QUESTIONS[2])

        # Question 3: from the skip, back to Yes.
        self.key("shift+Tab")
        self.wait_focus("push button", BACK, QUESTIONS[2])
        self.key("shift+Tab")
        self.wait_focus("radio button", SKIP_TEXT, QUESTIONS[2])
        self.choose("Up", "Nein, nicht grün", 2)
        self.choose("Up", "Ja, grün", 2)
        for stop, role in ((IMPORTANT, "check box"), (BACK, "push button"),
                           ("Nächste Frage", "push button")):
            self.key("Tab")
            self.wait_focus(role, stop, QUESTIONS[2])
        self.next_question(2)

        self.wait("the button renamed", lambda: self.find(main, "push button", "Sieger öffnen"))
        self.all_named(main)
        self.key("space")
        self.wait("the leader in the browser", lambda: os.path.exists(self.log)
                  and open(self.log).read().splitlines())
        self.expect("addresses opened", open(self.log).read().splitlines(),
                    ["http://gamma.example"])
        lst = self.find(main, "list")
        self.expect("leading row", lst.getChildAtIndex(0).name[-5:], "Gamma")
        self.expect("leading row's reasons", lst.getChildAtIndex(0).description,
                    "Gamma\n\nFits your answers:\nNein, egal (sehr wichtig)\nJa, grün")

        # On to the list: the arrow keys choose a row, Enter opens it.
        self.key("Tab")
        self.wait("the focus in the list", lambda: self.state(lst, self.pyatspi.STATE_FOCUSED))
        self.key("Down")
        second = lst.getChildAtIndex(1).name
        self.wait_focus("list item", second, None)  # described by the engine's facts
        self.key("Return")
        self.wait("the chosen row in the browser",
                  lambda: len(open(self.log).read().splitlines()) == 2)
        self.expect("address opened last", open(self.log).read().splitlines()[1],
                    "http://%s.example" % second.split()[-1].lower())

        # The explanation window, through its menu.
        self.key("alt+w", "Return")
        expl = self.wait("the explanation window",
                         lambda: self.window("Earn money while surfing"))
        self.wait_focus("push button", "Click Here", "Mehr über Suchmaschinen lesen")
        self.expect("explanation box", self.find(expl, "text").name, "Wie Suchmaschinen verdienen")
        self.all_named(expl)
        self.key("Escape")
        self.wait("the explanation window to close",
                  lambda: self.window("Earn money while surfing") is None)
        self.focus_main_window()

        # The About window, through its access key in the Help menu.
        self.key("alt+h", "a")
        about = self.wait("the About window", lambda: self.window("About Zorvane"))
        self.expect("About picture", self.find(about, "image").name, "Zorvane")
        self.all_named(about)
        self.key("Escape")


if __name__ == "__main__":
    main()
