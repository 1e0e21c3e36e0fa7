#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures how long each Windows program takes under Wine from its start until its window is
on the screen, in interleaved rounds (the order turns each round, after one round that is not
counted), and prints each program's median and its ratio to the first program's: the first is
the bare window of the same Qt (bare_window.exe), the yardstick.

Each program runs in the same Wine prefix through wine-run and is stopped once its window is
seen; the next starts when that window is gone. Run it on an X display (xvfb-run -a).

Usage: start_up_under_wine.py [--rounds N] [--windows-version win10|win11] WINE_RUN STATE_DIR
           TITLE=PROGRAM.exe [TITLE=PROGRAM.exe...]
"""

import argparse
import os
import signal
import statistics
import subprocess
import sys
import time


def visible(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                          stdout=subprocess.DEVNULL).returncode == 0


def window_shown(title, timeout):
    # Asked every 10 ms rather than with xdotool's --sync, which looks every half second.
    deadline = time.monotonic() + timeout
    while not visible(title):
        if time.monotonic() > deadline:
            raise TimeoutError(f"no window {title!r}")
        time.sleep(0.01)


def window_gone(title, timeout):
    deadline = time.monotonic() + timeout
    while visible(title):
        if time.monotonic() > deadline:
            raise TimeoutError(f"the window {title!r} stays")
        time.sleep(0.05)


def start_up(wine_run, title, program):
    """Seconds from starting the program until its window is visible."""
    started = time.monotonic()
    process = subprocess.Popen(wine_run + [program], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, process_group=0)
    try:
        window_shown(title, 120)
        return time.monotonic() - started
    finally:
        # wine-run and the program under it.
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(timeout=30)
        window_gone(title, 30)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=20)
    parser.add_argument("--windows-version")
    parser.add_argument("wine_run")
    parser.add_argument("state")
    parser.add_argument("programs", nargs="+", metavar="TITLE=PROGRAM")
    args = parser.parse_args()
    if args.windows_version:
        os.environ["VARNELTOSK_WINDOWS_VERSION"] = args.windows_version
    programs = [entry.split("=", 1) for entry in args.programs]
    wine_run = [os.path.abspath(args.wine_run), os.path.abspath(args.state)]

    times = {program: [] for _, program in programs}
    for round_number in range(args.rounds + 1):
        order = programs if round_number % 2 == 0 else programs[::-1]
        for title, program in order:
            seconds = start_up(wine_run, title, program)
            if round_number > 0:
                times[program].append(seconds)
    first = statistics.median(times[programs[0][1]])
    for title, program in programs:
        median = statistics.median(times[program])
        print(f"{os.path.basename(program)} ({title}): median {median * 1000:.0f} ms, "
              f"{median / first:.2f}x; rounds: "
              + " ".join(f"{seconds * 1000:.0f}" for seconds in times[program]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
