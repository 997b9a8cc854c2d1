#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the built program under the Orca screen reader and checks what Orca says.

    e2e_orca.py PROGRAM_DIR SKIN_FILE LANGUAGE_FILE... [--transcript DIR]

For each language file, two whole runs with the keyboard alone: one pressing
only Space, one only Enter, from the start through every question to the
launch of the best match, then into the list. After each key the test waits
for Orca's "SPEECH OUTPUT" debug lines and checks that they hold the
question's position, its text and the chosen answer; at the finish and on
entering the list, the best match. Orca, speech-dispatcher (its generic module
writes what it is asked to speak to a log, through espeak-ng), openbox, Xvfb
and private D-Bus and accessibility buses all run for this test alone.
With --transcript the spoken lines of every run are written to DIR.

Exits 77 (skipped) when a developer sets ZV_SKIP_ORCA, unless CI is set too; a
missing tool is a failure.
"""

import os
import math
import pty
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
import tty

from e2e_session import LAUNCHER, WAIT, Session, fail, skip, start_environment, start_program

SPEECHD_MODULE = """\
GenericExecuteSynth "printf '%s\\\\n' \\'$DATA\\' >> {log}; \
printf '%s' \\'$DATA\\' | espeak-ng -v $VOICE -q --stdin -w /dev/null"
GenericCmdDependency "espeak-ng"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "de" "de" "utf-8"
AddVoice "en" "MALE1" "en"
AddVoice "de" "MALE1" "de"
DefaultVoice "en"
"""
# No sound card: the generic module still opens an audio device.
SPEECHD_CONF = """\
LogLevel 2
LogDir "{logdir}"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "logged" "sd_generic" "logged.conf"
DefaultModule logged
"""
# Orca's line: SPEECH OUTPUT: 'text' then, perhaps, the voice and its settings.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?(?:\{|$)", re.S | re.M)
ENTRY = re.compile(rb"\n(?=\d\d:\d\d:\d\d\.\d+ - )")
CONTINUED = re.compile(r"\n {18}(?! )")


def start_speech(session, env):
    """speech-dispatcher at its usual socket in the session's runtime folder;
    returns the log its module writes what it speaks to."""
    folder = os.path.join(session.scratch, "speechd")
    os.makedirs(os.path.join(folder, "modules"))
    log = os.path.join(folder, "spoken.log")
    with open(os.path.join(folder, "speechd.conf"), "w") as f:
        f.write(SPEECHD_CONF.format(logdir=folder))
    with open(os.path.join(folder, "modules", "logged.conf"), "w") as f:
        f.write(SPEECHD_MODULE.format(log=log))
    session.start(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", folder],
                  env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    wait_for("speech-dispatcher", lambda: os.path.exists(socket))
    return log


def start_orca(session, env):
    """Orca with its debug log, on the session's buses; returns the log's path.

    Orca writes the log through a buffer it flushes only when full, but a
    line at a time to a terminal: it writes to a pseudo-terminal, copied to
    the log file as it comes."""
    prefs = os.path.join(session.scratch, "orca")
    os.mkdir(prefs)
    log = os.path.join(session.scratch, "orca-debug.log")
    terminal, orca_end = pty.openpty()
    tty.setraw(orca_end)  # lines end in \n alone
    threading.Thread(target=copy_output, args=(terminal, log), daemon=True).start()
    session.start(["orca", "--replace", "--user-prefs", prefs, "--debug-file",
                   os.ttyname(orca_end)], env, stdout=subprocess.DEVNULL,
                  stderr=subprocess.DEVNULL)
    # Kept open here: a terminal whose every end is closed stops being read.
    return log


def copy_output(terminal, path):
    with open(path, "wb", buffering=0) as log:
        while True:
            try:
                data = os.read(terminal, 65536)
            except OSError:  # Orca has ended
                break
            if not data:
                break
            log.write(data)
    os.close(terminal)


def wait_for(what, probe, timeout=WAIT):
    end = time.monotonic() + timeout
    while not probe():
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.1)


class Speech:
    """What Orca says, read from its debug log."""

    def __init__(self, log):
        self.log = log
        self.offset = 0

    def new_lines(self):
        try:
            with open(self.log, "rb") as f:
                f.seek(self.offset)
                data = f.read()
        except FileNotFoundError:
            return []
        # The last entry may go on in lines still to come.
        starts = [m.start() + 1 for m in ENTRY.finditer(data)]
        data = data[:starts[-1]] if starts else b""
        self.offset += len(data)
        # An utterance of several lines goes on in lines indented under it.
        text = CONTINUED.sub("\n", data.decode("utf-8", errors="replace"))
        return [m.group(1) for m in SPOKEN.finditer(text)]

    def until(self, what, done, timeout=WAIT):
        """Collects spoken lines until done(lines) holds, then until Orca is quiet."""
        lines = []
        end = time.monotonic() + timeout
        while not done(lines):
            if time.monotonic() > end:
                fail("Orca did not say %s; it said: %r" % (what, lines))
            time.sleep(0.1)
            lines += self.new_lines()
        quiet_since = time.monotonic()
        while time.monotonic() - quiet_since < 1.0:
            time.sleep(0.1)
            more = self.new_lines()
            if more:
                lines += more
                quiet_since = time.monotonic()
        return lines


class LanguageFile:
    """What the test needs to know of a language file to check what is said."""

    def __init__(self, path):
        self.path = path
        self.text = open(path, encoding="utf-8").read()
        section = None
        self.values = {}
        for line in self.text.splitlines():
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1].upper()
            elif "=" in line and not line.startswith(";"):
                key, value = line.split("=", 1)
                self.values[(section, key.strip().upper())] = value.strip()
        self.questions = int(self.get("QUESTIONS", "COUNT"))
        self.engines = int(self.get("SEARCHENGINES", "COUNT"))

    def get(self, section, key, default=""):
        return self.values.get((section, key), default)

    def position(self, q):
        form = self.get("ACCESSIBLE", "POSITION")
        number, count = str(q + 1), str(self.questions)
        return form.replace("%1", number).replace("%2", count) if form else number + "/" + count

    def leaders(self):
        """The score as listed and the names of the engines that lead after
        a Yes to every question."""
        scores = {}
        for e in range(self.engines):
            row = [v.strip() for v in self.get("MATRIX", "S%d" % e).split(",") if v.strip()]
            agreement = sum(math.floor(float(v)) / 2 for v in row[:self.questions])
            scores[self.get("ENGINES", "ENGINE%d" % e)] = 50 * (1 + agreement / self.questions)
        top = max(scores.values())
        return math.floor(top), {name for name, score in scores.items() if score == top}

    def link(self, name):
        for e in range(self.engines):
            if self.get("ENGINES", "ENGINE%d" % e) == name:
                return self.get("LINKS", "LINK%d" % e)
        fail("no engine " + name)


class Run:
    """One whole run with one key, recorded as a transcript."""

    def __init__(self, env, speech, language, key):
        self.env, self.speech, self.language, self.key = env, speech, language, key
        self.transcript = []

    def press(self, key, what, done):
        subprocess.run(["xdotool", "key", key], env=self.env, check=True, timeout=WAIT)
        lines = self.speech.until(what, lambda lines: done("\n".join(lines)))
        self.transcript.append("[%s]" % key)
        self.transcript += ["  " + line.replace("\n", "\n  ") for line in lines]
        return "\n".join(lines)

    def run(self, browser_log):
        lang = self.language
        start = lang.get("TOOLTIP", "TIPSTART", "Start")
        lines = self.speech.until("the start button", lambda lines: start in "\n".join(lines),
                                  timeout=30)
        self.transcript += ["[the program starts]"] + ["  " + line for line in lines]
        for q in range(lang.questions):
            parts = [lang.position(q), lang.get("QUESTIONS", "Q%d" % q),
                     lang.get("QUESTIONS", "Y%d" % q)]
            self.press(self.key, "question %d with its position and answer" % (q + 1),
                       lambda said: all(p in said for p in parts))
        score, names = lang.leaders()
        form = lang.get("ACCESSIBLE", "BESTMATCH")
        finished = lang.get("STARTEND", "FINISHED")

        def names_best_match(said):
            if finished not in said:
                return False
            if not form:
                return any("%d%% %s" % (score, n) in said for n in names)
            pattern = re.escape(form).replace("%1", "(.+)").replace("%2", "(-?\\d+)")
            found = re.search(pattern, said)
            return found and int(found.group(2)) == score and set(
                found.group(1).split(" / ")) == names
        self.press(self.key, "the finished text and the best match", names_best_match)
        self.press(self.key, "the launch of the best match",
                   lambda said: os.path.exists(browser_log))
        launched = open(browser_log).read().split()
        # The best match: the first row, spoken when the list gets the focus.
        said = self.press("Tab", "the list's first row",
                          lambda said: re.search(r"^%d%% (.+?)\.?$" % score, said, re.M))
        leader = re.search(r"^%d%% (.+?)\.?$" % score, said, re.M).group(1)
        if leader not in names:
            fail("the list's first row is %r, not one of %r" % (leader, names))
        if launched != [lang.link(leader)]:
            fail("launched %r, wanted the leader %r" % (launched, lang.link(leader)))


def wait_for_file(path):
    wait_for(path, lambda: os.path.exists(path))


def main():
    args = sys.argv[1:]
    transcripts = None
    if "--transcript" in args:
        at = args.index("--transcript")
        transcripts = args[at + 1]
        del args[at:at + 2]
    if len(args) < 3:
        fail("usage: e2e_orca.py PROGRAM_DIR SKIN_FILE LANGUAGE_FILE... [--transcript DIR]")
    if os.environ.get("ZV_SKIP_ORCA") and not os.environ.get("CI"):
        skip("ZV_SKIP_ORCA is set")
    for tool in ("Xvfb", "xdotool", "dbus-daemon", "xdg-open", "orca", "speech-dispatcher",
                 "espeak-ng", "openbox"):
        if not shutil.which(tool):
            missing(tool + " is not installed")
    if not os.access(LAUNCHER, os.X_OK):
        missing("at-spi2-core is not installed")
    if not os.path.exists("/usr/lib/speech-dispatcher-modules/sd_generic"):
        missing("speech-dispatcher's generic module is not installed")

    program_dir, skin = args[0], args[1]
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: ended from outside"))
    for path in args[2:]:
        language = LanguageFile(path)
        for key in ("space", "Return"):
            session = Session()
            try:
                env = start_environment(session)
                session.start(["openbox", "--sm-disable"], env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
                start_speech(session, env)
                speech = Speech(start_orca(session, env))
                speech.until("that it runs", lambda lines: lines, timeout=60)
                log = start_program(session, env, program_dir, language.text, skin)
                run = Run(env, speech, language, key)
                run.run(log)
            finally:
                # ZV_ORCA_DEBUG_LOG keeps Orca's whole log of the last run.
                kept = os.path.join(session.scratch, "orca-debug.log")
                if os.environ.get("ZV_ORCA_DEBUG_LOG") and os.path.exists(kept):
                    shutil.copy(kept, os.environ["ZV_ORCA_DEBUG_LOG"])
                session.close()
            name = "%s-%s.txt" % (language.get("GENERAL", "LANGUAGE"), key.lower())
            if transcripts:
                os.makedirs(transcripts, exist_ok=True)
                with open(os.path.join(transcripts, name), "w", encoding="utf-8") as f:
                    f.write("\n".join(run.transcript) + "\n")
            print("PASS:", name)


def missing(message):
    fail(message + " (scripts/install-deps.sh test installs it; ZV_SKIP_ORCA=1 skips this test)")


if __name__ == "__main__":
    main()
