#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real window by keyboard with the Orca screen reader running; checks what Orca says.

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
CORRECTION = ("Please correct the value in the fields marked in yellow and try again.\n"
              "Fields can include only digits.")
ABOUT = re.compile("Varnel Tosk 1.0\nBy Velmora Software\nCopyright © \\d{4} Velmora Software\n\n"
                   "Browse to Velmora home page\\?")


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
        # test in another build tree, say), which it asks pgrep. This one has a session of its
        # own: its pgrep finds none.
        shim = self.work / "bin"
        shim.mkdir()
        (shim / "pgrep").write_text("#!/bin/sh\nexit 1\n")
        (shim / "pgrep").chmod(0o755)
        with (self.work / "orca.out").open("w") as output:
            self.launch(["orca", "--user-prefs", str(prefs), "--debug-file", str(self.log)],
                        output=output, path=f"{shim}:{self.env['PATH']}")
        self.expect("Screen reader on.", within=20)
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

    def spoken(self):
        text = self.log.read_text(encoding="utf-8") if self.log.exists() else ""
        return [line.replace(FURTHER_LINE, "\n") for line in UTTERANCE.findall(text)]

    def expect(self, *utterances, within=5):
        """Waits until Orca has said each utterance (a text, or a pattern), in this order, since
        the utterances expected last; notes what it did not say, and goes on."""
        deadline = time.monotonic() + within
        while True:
            spoken = self.spoken()
            missing = list(utterances)
            heard = self.heard
            for index in range(self.heard, len(spoken)):
                if missing and (spoken[index] == missing[0] or (
                        isinstance(missing[0], re.Pattern) and missing[0].fullmatch(spoken[index]))):
                    missing.pop(0)
                    heard = index + 1
            if not missing:
                self.heard = heard
                return spoken
            if time.monotonic() > deadline:
                self.faults.append(f"Orca did not say {missing[0]!r}; since the step before it "
                                   f"said {spoken[self.heard:]}")
                self.heard = len(spoken)
                return spoken
            time.sleep(0.05)

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
    orca.expect("Loan amount ($/€/£) text.", "250000.")

    # Every control in the tab order, with its caption and its whole value.
    orca.keys("Tab")
    orca.expect("Interest rate (%) text.", "5 selected.")
    orca.keys("Tab")
    orca.expect("Term in years text.", "25 selected.")
    orca.keys("Tab")
    orca.expect("Payment frequency combo box.", "Monthly.")
    orca.keys("Tab")
    orca.expect("Periodical payment ($/€/£) text.")
    orca.keys("Tab")
    orca.expect("calc push button.")
    orca.keys("space", "shift+Tab")
    orca.expect("Periodical payment ($/€/£) text.", "1,461.00 selected.")

    # The frequency changed twice.
    orca.keys("shift+Tab")
    orca.expect("Payment frequency combo box.", "Monthly.")
    orca.keys("Down")
    orca.expect("Bi-Weekly.")
    orca.keys("Down")
    orca.expect("Weekly.")

    # A bad amount and a zero rate typed: told once as they turn yellow, and again on return.
    orca.keys("Tab", "Tab", "Tab")
    orca.expect("Loan amount ($/€/£) text.", "250000 selected.")
    orca.type("abc")
    orca.keys("Tab")
    spoken = orca.expect("Needs a number.", "Interest rate (%) text.", "5 selected.")
    if spoken.count("Needs a number.") != 1:
        orca.faults.append(f"'Needs a number.' said {spoken.count('Needs a number.')} times")
    orca.type("0")
    orca.expect("Needs a number other than zero.")
    orca.keys("shift+Tab")
    orca.expect("Loan amount ($/€/£) text.", "abc selected.", "Needs a number.")

    # Calc with a bad field.
    orca.keys("Tab", "Tab", "Tab", "Tab", "Tab")
    orca.expect("calc push button.")
    orca.keys("space")
    orca.expect("alert VarnelTosk.", CORRECTION, "OK push button.")
    orca.keys("Return")
    orca.focus_window()
    orca.expect("calc push button.")

    # The menu bar and the About box.
    orca.tap_alt()
    orca.expect("Online calc...")
    orca.keys("Right")
    orca.expect("Terms of Use...")
    orca.keys("Right")
    orca.expect("About...")
    orca.keys("Return")
    orca.expect("alert VarnelTosk.", ABOUT, "OK push button.")
    orca.keys("Tab")
    orca.expect("Cancel push button.")
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
            for line in orca.spoken():
                print("orca said:", line.replace("\n", " / "))
            if orca.program_log.exists():
                for line in orca.program_log.read_text().splitlines():
                    print("program:", line)
    for fault in orca.faults:
        print(f"orca_speech: {fault}", file=sys.stderr)
    return 1 if orca.faults else 0


if __name__ == "__main__":
    sys.exit(main())
