#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real window by keyboard with the Orca screen reader running; checks what Orca says.

What it checks holds for Orca 43 (Debian 12) and Orca 48 (Debian 13) alike, which word and split
some utterances differently: "calc push button." or "calc button.", a list's name and its entry
in one utterance or two.

Runs on the private D-Bus bus that dbus-run-session gives it, with a virtual display, an
accessibility bus of its own and Orca with throw-away settings. Orca speaks to no synthesizer; its
debug log records every utterance. At the end an AT-SPI client of its own (pyatspi) asks every
object with text for the character, word, sentence and line at, before and after both ends of
that text: each answer must come at once.

Usage: dbus-run-session -- orca_speech.py PROGRAM
"""
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

UTTERANCE = re.compile(r"^[\d:.]+ - SPEECH OUTPUT: '(.*?)' ?\{", re.MULTILINE | re.DOTALL)
# Orca indents the further lines of a message by the width of its time stamp.
FURTHER_LINE = "\n" + " " * 18
# Utterances since the step before are matched as one text, each without its closing full stop
# (Orca 48 says an announcement without one), joined by " | ". Where one Orca makes two of what
# the other says in one, the pattern allows either.
BREAK = r"(?: \| | )"
FULL_STOP = re.compile(r"(?<!\.)\.$")
CORRECTION = re.escape("Please correct the value in the fields marked in yellow and try again.\n"
                       "Fields can include only digits")
ABOUT = ("Varnel Tosk 1\\.0\nBy Velmora Software\nCopyright © \\d{4} Velmora Software\n\n"
         "Browse to Velmora home page\\?")


def field(caption, *said):
    """A line edit by its caption, then what Orca says of its text."""
    return BREAK.join([re.escape(caption) + " text", *said])


def combo(caption, entry):
    return re.escape(caption) + " combo box" + BREAK + entry


def button(caption):
    return re.escape(caption) + " (?:push )?button"


def alert(message):
    return "alert VarnelTosk", message, button("OK")


class OrcaRun:
    def __init__(self, work):
        self.work = work
        self.log = work / "orca.log"
        self.program_log = work / "program.log"
        self.heard = 0
        self.faults = []
        self.children = []
        (work / "run").mkdir(mode=0o700)
        self.env = dict(os.environ, LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8", LANGUAGE="en",
                        GSETTINGS_BACKEND="memory", XDG_CONFIG_HOME=str(work / "config"),
                        XDG_DATA_HOME=str(work / "data"), XDG_CACHE_HOME=str(work / "cache"),
                        XDG_RUNTIME_DIR=str(work / "run"))

    def start(self, program):
        display, xvfb_end = os.pipe()
        self.launch(["Xvfb", "-displayfd", str(xvfb_end), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp"], pass_fds=[xvfb_end])
        os.close(xvfb_end)
        with os.fdopen(display) as pipe:
            self.env["DISPLAY"] = ":" + pipe.readline().strip()
        self.launch(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

        prefs = self.work / "orca"
        prefs.mkdir()
        general = {"speechServerFactory": "", "enableBraille": False, "enableSound": False}
        (prefs / "user-settings.conf").write_text(json.dumps({
            "general": general, "profiles": {"default": {"profile": ["Default", "default"]}},
            "pronunciations": {}, "keybindings": {}}))
        # Orca runs this as it starts: its log is then written line by line, not at exit.
        (prefs / "orca-customizations.py").write_text(
            "from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n")
        # Orca will not start while another Orca of this user runs anywhere on the machine (a
        # test in another build tree, say), which it asks pgrep. This one is given a pgrep of
        # its own, which finds none.
        shim = self.work / "bin"
        shim.mkdir()
        (shim / "pgrep").write_text("#!/bin/sh\nexit 1\n")
        (shim / "pgrep").chmod(0o755)
        with (self.work / "orca.out").open("w") as output:
            self.launch(["orca", "--user-prefs", str(prefs), "--debug-file", str(self.log)],
                        output=output, path=f"{shim}:{self.env['PATH']}")
        self.expect("Screen reader on", within=20)
        if self.faults:
            sys.exit("orca_speech: Orca did not start: "
                     + (self.work / "orca.out").read_text().strip())

        with self.program_log.open("w") as output:
            pid = self.launch([program], output=output).pid
        self.window = self.run("xdotool", "search", "--sync", "--onlyvisible", "--pid",
                               str(pid)).split()[0]

    def launch(self, command, pass_fds=(), output=subprocess.DEVNULL, path=None):
        # Each in a process group of its own, which stop() ends with all its children (the
        # accessibility bus launcher starts a D-Bus daemon).
        env = dict(self.env, PATH=path) if path else self.env
        child = subprocess.Popen(command, env=env, pass_fds=pass_fds, stdout=output,
                                 stderr=output, start_new_session=True)
        self.children.append(child)
        return child

    def stop(self):
        for child in reversed(self.children):
            try:
                os.killpg(child.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            child.wait()

    def run(self, *command):
        return subprocess.run(command, env=self.env, check=True, capture_output=True, text=True,
                              timeout=20).stdout

    def said(self):
        text = self.log.read_text(encoding="utf-8") if self.log.exists() else ""
        return [line.replace(FURTHER_LINE, "\n").strip() for line in UTTERANCE.findall(text)]

    def spoken(self):
        return [FULL_STOP.sub("", utterance) for utterance in self.said()]

    def expect(self, *patterns, within=5):
        """Waits until Orca has said what each pattern matches, in this order, since the step
        before: one utterance or a run of them joined by " | ". Notes what it did not say, and
        goes on. Returns what Orca said since the step before."""
        deadline = time.monotonic() + within
        since = self.heard
        while True:
            spoken = self.spoken()
            missing = [re.compile(pattern, re.DOTALL) for pattern in patterns]
            heard = since
            while missing:
                match = next(((start, end) for start in range(heard, len(spoken))
                              for end in range(start + 1, len(spoken) + 1)
                              if missing[0].fullmatch(" | ".join(spoken[start:end]))), None)
                if not match:
                    break
                missing.pop(0)
                heard = match[1]
            if not missing:
                self.heard = heard
                return spoken[since:heard]
            if time.monotonic() > deadline:
                self.faults.append(f"Orca did not say {missing[0].pattern!r}; since the step "
                                   f"before it said {spoken[since:]}")
                self.heard = len(spoken)
                return spoken[since:]
            time.sleep(0.05)

    def told_once(self, text, since):
        spoken = self.spoken()[since:]
        if spoken.count(text) != 1:
            self.faults.append(f"{text!r} said {spoken.count(text)} times: {spoken}")

    def keys(self, *keys):
        for key in keys:
            self.run("xdotool", "key", key)
            time.sleep(0.15)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "150", text)

    def tap_alt(self):
        # As a hand does it: held for a moment, not released in the same instant.
        self.run("xdotool", "keydown", "alt")
        time.sleep(0.2)
        self.run("xdotool", "keyup", "alt")

    def focus_window(self):
        # Without a window manager nothing gives the window the focus, nor gives it back once a
        # message box has gone.
        self.run("xdotool", "windowfocus", "--sync", self.window)


def use_the_window(orca):
    orca.focus_window()
    orca.expect(field("Loan amount ($/€/£)", "250000"))

    # Every control in the tab order, with its caption and its whole value.
    orca.keys("Tab")
    orca.expect(field("Interest rate (%)", "5 selected"))
    orca.keys("Tab")
    orca.expect(field("Term in years", "25 selected"))
    orca.keys("Tab")
    orca.expect(combo("Payment frequency", "Monthly"))
    orca.keys("Tab")
    orca.expect(field("Periodical payment ($/€/£)"))
    orca.keys("Tab")
    orca.expect(button("calc"))
    orca.keys("space", "shift+Tab")
    orca.expect(field("Periodical payment ($/€/£)", "1,461.00 selected"))

    # The frequency changed twice, each told once.
    orca.keys("shift+Tab")
    orca.expect(combo("Payment frequency", "Monthly"))
    for frequency in ("Bi-Weekly", "Weekly"):
        step = orca.heard
        orca.keys("Down")
        orca.expect(frequency)
        orca.told_once(frequency, step)

    # A bad amount and a zero rate typed: told once as they turn yellow, and again on return.
    orca.keys("Tab", "Tab", "Tab")
    orca.expect(field("Loan amount ($/€/£)", "250000 selected"))
    step = orca.heard
    orca.type("abc")
    orca.keys("Tab")
    orca.expect("Needs a number", field("Interest rate (%)", "5 selected"))
    orca.told_once("Needs a number", step)
    step = orca.heard
    orca.type("0")
    orca.expect("Needs a number other than zero")
    # Orca 48 keeps what it found of an object for up to two seconds: a user coming back sooner
    # hears the description the field had before.
    time.sleep(2.5)
    orca.told_once("Needs a number other than zero", step)
    orca.keys("shift+Tab")
    orca.expect(field("Loan amount ($/€/£)", "abc selected", "Needs a number"))

    # Calc with a bad field.
    orca.keys("Tab", "Tab", "Tab", "Tab", "Tab")
    orca.expect(button("calc"))
    orca.keys("space")
    orca.expect(*alert(CORRECTION))
    orca.keys("Return")
    orca.focus_window()
    orca.expect(button("calc"))

    # The menu bar and the About box.
    orca.tap_alt()
    orca.expect(re.escape("Online calc..."))
    orca.keys("Right")
    orca.expect(re.escape("Terms of Use..."))
    orca.keys("Right")
    orca.expect(re.escape("About..."))
    orca.keys("Return")
    orca.expect(*alert(ABOUT))
    orca.keys("Tab")
    orca.expect(button("Cancel"))
    orca.keys("Escape")


def ask_at_both_ends(orca):
    """Asks every object with text for the items at, before and after both ends of its text."""
    import pyatspi

    pyatspi.setTimeout(3000, 15000)
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "VarnelTosk")
    readers = pyatspi.findAllDescendants(app, lambda o: "Text" in pyatspi.listInterfaces(o))
    boundaries = [pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START,
                  pyatspi.TEXT_BOUNDARY_WORD_END, pyatspi.TEXT_BOUNDARY_SENTENCE_START,
                  pyatspi.TEXT_BOUNDARY_SENTENCE_END, pyatspi.TEXT_BOUNDARY_LINE_START,
                  pyatspi.TEXT_BOUNDARY_LINE_END]
    slowest = 0.0
    for reader in readers:
        name = reader.name
        text = reader.queryText()
        content = text.getText(0, -1)
        for boundary in boundaries:
            for offset in (0, len(content)):
                for query in (text.getTextAtOffset, text.getTextBeforeOffset,
                              text.getTextAfterOffset):
                    started = time.monotonic()
                    try:
                        query(offset, boundary)
                    except Exception as error:
                        orca.faults.append(f"{name} {content!r}: {query.__name__}"
                                              f"({offset}, {boundary}): {error}")
                        return
                    slowest = max(slowest, time.monotonic() - started)
    if slowest > 1.0:
        orca.faults.append(f"the slowest boundary query took {slowest:.2f} s")
    print(f"orca_speech: {len(readers)} objects answered every boundary query at both ends, "
          f"the slowest in {slowest * 1000:.0f} ms")


def main():
    with tempfile.TemporaryDirectory(prefix="orca-speech-") as work:
        orca = OrcaRun(Path(work))
        try:
            orca.start(sys.argv[1])
            use_the_window(orca)
            ask_at_both_ends(orca)
        finally:
            orca.stop()
            for line in orca.said():
                print("orca said:", line.replace("\n", " / "))
            if orca.program_log.exists():
                for line in orca.program_log.read_text().splitlines():
                    print("program:", line)
    sys.stdout.flush()
    for fault in orca.faults:
        print(f"orca_speech: {fault}", file=sys.stderr)
    return 1 if orca.faults else 0


if __name__ == "__main__":
    sys.exit(main())
