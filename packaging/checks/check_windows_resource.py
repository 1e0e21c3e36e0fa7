#!/usr/bin/env python3
"""Compiles the program's Windows resource script with a resource compiler for Windows (MinGW's
windres) and reads the compiled .res back: the version resource must hold exactly the expected
fixed versions, strings and translation, and the icon resource must be the given .ico's image.

Usage: check_windows_resource.py --windres PROGRAM --rc FILE --ico FILE --out FILE.res
           --version A.B.C.D --string Key=Value [--string Key=Value ...]
"""

import argparse
import pathlib
import shutil
import struct
import subprocess
import sys

from images import ico_images

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
LANG_EN_US = 0x0409
CODEPAGE_UNICODE = 1200
VS_FFI_SIGNATURE = 0xFEEF04BD
VOS__WINDOWS32 = 0x4
VFT_APP = 0x1
STRING_TABLE = "040904B0"


class ResourceError(Exception):
    pass


def align4(n):
    return (n + 3) & ~3


def read_id(data, at):
    """A resource type or name: an ordinal (0xFFFF, number) or a NUL-terminated UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, at)
    if first == 0xFFFF:
        (ordinal,) = struct.unpack_from("<H", data, at + 2)
        return ordinal, at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def res_entries(data):
    """Every resource of a 32-bit .res file as (type, name, language, data)."""
    entries = []
    at = 0
    while at < len(data):
        size, header_size = struct.unpack_from("<II", data, at)
        kind, after = read_id(data, at + 8)
        name, after = read_id(data, after)
        after = align4(after)
        _, _, language, _, _ = struct.unpack_from("<IHHII", data, after)
        body = data[at + header_size : at + header_size + size]
        if len(body) != size:
            raise ResourceError("the .res file is cut short")
        # The file opens with an empty entry that only marks it as a 32-bit resource file.
        if size or kind != 0:
            entries.append((kind, name, language, body))
        at = align4(at + header_size + size)
    return entries


def version_node(data, at):
    """One node of a VS_VERSIONINFO tree: (key, value type, value bytes, children, end)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, at)
    if length == 0:
        raise ResourceError(f"empty version node at offset {at}")
    end = at + length
    key_end = at + 6
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[at + 6 : key_end].decode("utf-16-le")
    value_at = align4(key_end + 2)
    # Text values count their length in 16-bit characters, binary ones in bytes.
    value_size = value_length * 2 if value_type == 1 else value_length
    value = data[value_at : value_at + value_size]
    children = []
    child_at = align4(value_at + value_size)
    while child_at < end:
        child = version_node(data, child_at)
        children.append(child)
        child_at = align4(child[4])
    return key, value_type, value, children, end


def text_value(value):
    text = value.decode("utf-16-le")
    if not text.endswith("\0"):
        raise ResourceError(f"string value {text!r} is not NUL-terminated")
    return text[:-1]


def check_version(body, version, strings, expect):
    key, _, fixed, children, _ = version_node(body, 0)
    expect(key == "VS_VERSION_INFO", f"version resource's root key is {key!r}")
    expect(len(fixed) == 52, f"VS_FIXEDFILEINFO is {len(fixed)} bytes, not 52")
    if len(fixed) == 52:
        (signature, _, file_ms, file_ls, product_ms, product_ls, flags_mask, flags, os, kind) = (
            struct.unpack_from("<10I", fixed)
        )
        major, minor, patch, tweak = version
        expected_ms, expected_ls = major << 16 | minor, patch << 16 | tweak
        expect(signature == VS_FFI_SIGNATURE, f"fixed-info signature is {signature:#x}")
        expect(
            (file_ms, file_ls) == (expected_ms, expected_ls),
            f"FILEVERSION is {file_ms >> 16},{file_ms & 0xFFFF},{file_ls >> 16},"
            f"{file_ls & 0xFFFF}, not {major},{minor},{patch},{tweak}",
        )
        expect(
            (product_ms, product_ls) == (expected_ms, expected_ls),
            f"PRODUCTVERSION is {product_ms >> 16},{product_ms & 0xFFFF},{product_ls >> 16},"
            f"{product_ls & 0xFFFF}, not {major},{minor},{patch},{tweak}",
        )
        expect(flags & flags_mask == 0, f"FILEFLAGS {flags:#x} mark a special build")
        expect(os == VOS__WINDOWS32, f"FILEOS is {os:#x}, not VOS__WINDOWS32")
        expect(kind == VFT_APP, f"FILETYPE is {kind:#x}, not VFT_APP")

    blocks = {child[0]: child for child in children}
    expect(
        sorted(blocks) == ["StringFileInfo", "VarFileInfo"],
        f"version resource holds the blocks {sorted(blocks)}",
    )
    if "StringFileInfo" in blocks:
        tables = blocks["StringFileInfo"][3]
        names = [table[0] for table in tables]
        expect(names == [STRING_TABLE], f"string tables are {names}, not ['{STRING_TABLE}']")
        for table in tables:
            found = {node[0]: text_value(node[2]) for node in table[3]}
            for name, value in strings.items():
                expect(
                    found.get(name) == value,
                    f"{name} is {found.get(name)!r}, not {value!r}",
                )
            extra = sorted(set(found) - set(strings))
            expect(not extra, f"unexpected version strings {extra}")
    if "VarFileInfo" in blocks:
        variables = {node[0]: node[2] for node in blocks["VarFileInfo"][3]}
        translation = variables.get("Translation", b"")
        pairs = [struct.unpack_from("<HH", translation, i) for i in range(0, len(translation), 4)]
        expect(
            pairs == [(LANG_EN_US, CODEPAGE_UNICODE)],
            f"Translation is {[(hex(a), b) for a, b in pairs]}, not [(0x409, 1200)]",
        )


def check_icon(entries, ico_path, expect):
    groups = [entry for entry in entries if entry[0] == RT_GROUP_ICON]
    expect(len(groups) == 1, f"{len(groups)} icon groups, not one")
    if not groups:
        return
    group = groups[0][3]
    _, kind, count = struct.unpack_from("<HHH", group)
    expect(kind == 1 and count == 1, f"icon group has type {kind} and {count} images")
    icons = {entry[1]: entry[3] for entry in entries if entry[0] == RT_ICON}
    expected = ico_images(pathlib.Path(ico_path).read_bytes())
    for i in range(min(count, len(expected))):
        width, height, colours, _, _, bits, size, ident = struct.unpack_from(
            "<BBBBHHIH", group, 6 + 14 * i
        )
        expect(
            (width, height, colours, bits) == (32, 32, 0, 8),
            f"icon {ident} is {width} x {height} with {bits} bits and colour count {colours}, "
            "not 32 x 32 with 256 colours",
        )
        expect(
            icons.get(ident) == expected[i]["image"],
            f"icon {ident} is not the image of {ico_path}",
        )


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--windres", required=True)
    parser.add_argument("--rc", required=True)
    parser.add_argument("--ico", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--string", action="append", default=[])
    args = parser.parse_args()

    windres = shutil.which(args.windres)
    preprocessor = shutil.which("cpp")
    if not windres or not preprocessor:
        print(
            f"FAIL: {args.windres} and cpp are needed to compile the resource script; "
            "scripts/install-deps installs them"
        )
        return 1
    # windres would otherwise look for a MinGW C compiler to preprocess the script.
    command = [
        windres,
        f"--preprocessor={preprocessor}",
        "--preprocessor-arg=-DRC_INVOKED",
        "--input-format=rc",
        "--output-format=res",
        "--input",
        args.rc,
        "--output",
        args.out,
    ]
    compiled = subprocess.run(command, capture_output=True, text=True)
    if compiled.returncode != 0:
        print(f"FAIL: {' '.join(command)}\n{compiled.stdout}{compiled.stderr}")
        return 1

    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    version = tuple(int(part) for part in args.version.split("."))
    strings = dict(item.split("=", 1) for item in args.string)
    entries = res_entries(pathlib.Path(args.out).read_bytes())
    versions = [entry for entry in entries if entry[0] == RT_VERSION]
    expect(len(versions) == 1, f"{len(versions)} version resources, not one")
    for _, name, language, body in versions:
        expect(name == 1, f"version resource is named {name!r}, not 1 (VS_VERSION_INFO)")
        expect(language == LANG_EN_US, f"version resource's language is {language:#x}")
        check_version(body, version, strings, expect)
    check_icon(entries, args.ico, expect)

    for failure in failures:
        print(f"FAIL: {failure}")
    if failures:
        return 1
    listed = ", ".join(f"{name} {value!r}" for name, value in strings.items())
    print(f"windows resource: version {args.version}, {listed}, translation 0x409/1200, icon 32 x 32")
    return 0


if __name__ == "__main__":
    sys.exit(main())
