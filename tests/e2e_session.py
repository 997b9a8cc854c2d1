# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the end-to-end tests share: a private X server, D-Bus session and
accessibility bus, and the program started in them from a scratch folder."""

import os
import random
import select
import shutil
import signal
import subprocess
import sys
import tempfile

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAIT = 15  # seconds any one expected thing may take


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


def start_program(session, env, program_dir, language, skin_file):
    """Starts the program from a copy of program_dir with the language file
    text `language`; returns the log its stand-in browser writes to."""
    folder = os.path.join(session.scratch, "program")
    shutil.copytree(program_dir, folder)
    with open(os.path.join(folder, "zv.cfg"), "w", encoding="utf-8") as f:
        f.write(language)
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


