#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Packs a zip again so that the same files always give the same bytes: entries in the order of
their names, each dated at one moment (written as UTC: zip times carry no time zone), no extra
fields (CPack's zip writer puts the packing user's ids and the files' times in them), and
permissions 644, or 755 for folders and for files their owner may run, whatever the umask.

Usage: repack_zip.py ZIP SOURCE_DATE_EPOCH
"""

import os
import sys
import time
import zipfile

# The earliest time a zip entry can hold: 1980-01-01 00:00 UTC.
EARLIEST = 315532800
UNIX = 3  # the "made by" system whose permission bits the external attributes carry
DIRECTORY = 0x10  # MS-DOS attribute


def clean_entry(entry, date_time):
    clean = zipfile.ZipInfo(entry.filename, date_time)
    clean.create_system = UNIX
    runnable = entry.is_dir() or (entry.external_attr >> 16) & 0o100
    mode = (0o040000 if entry.is_dir() else 0o100000) | (0o755 if runnable else 0o644)
    clean.external_attr = mode << 16 | (DIRECTORY if entry.is_dir() else 0)
    clean.compress_type = zipfile.ZIP_STORED if entry.is_dir() else zipfile.ZIP_DEFLATED
    return clean


def repack(path, epoch):
    date_time = time.gmtime(max(epoch, EARLIEST))[:6]
    with zipfile.ZipFile(path) as source:
        entries = [(entry, source.read(entry)) for entry in source.infolist()]
    repacked = f"{path}.repacking"
    with zipfile.ZipFile(repacked, "w") as target:
        for entry, data in sorted(entries, key=lambda pair: pair[0].filename):
            target.writestr(clean_entry(entry, date_time), data, compresslevel=9)
    os.replace(repacked, path)


if __name__ == "__main__":
    repack(sys.argv[1], int(sys.argv[2]))
