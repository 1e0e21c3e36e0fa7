#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the linked Windows executable back with Debian's PE reader (pefile): a 64-bit GUI
program that imports only DLLs Windows itself provides, carrying the program's icon, the
version information that Explorer's Properties > Details tab shows and the application manifest
Windows reads on starting it, dated at the release, placed anywhere in memory, its data never
run as code, and its functions guarded against overwriting their stack.

The expected values are written out here, as a Windows user would read them, rather than taken
from the build's own variables: this is the one check that holds the release's version and date
written out, so that a wrong version in CMake fails it. Change them with each release.

Usage: check_windows_executable.py EXE ICO
"""

import pathlib
import struct
import sys
import xml.etree.ElementTree as ElementTree

import pefile

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from check_packaging import expect, finish  # noqa: E402

FILE_VERSION = (1, 0, 0, 0)
PRODUCT_VERSION = (1, 0, 0, 0)
STRING_TABLE = "040904B0"
STRINGS = {
    "CompanyName": "Velmora Software",
    "ProductName": "VarnelTosk",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "InternalName": "VarnelTosk",
    "OriginalFilename": "VarnelTosk.exe",
}
TRANSLATION = "0x0409 0x04b0"  # US English, Unicode (1200)
# Noon UTC on the release's date in CHANGELOG.md, 2026-12-08: the PE header's time stamp.
TIME_STAMP = 1796731200
# Relocatable to any address, also above 4 GiB, with no code run from its data.
DLL_CHARACTERISTICS = ("IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE",
                       "IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA",
                       "IMAGE_DLLCHARACTERISTICS_NX_COMPAT")
# Printed by libssp's __stack_chk_fail, which is linked in only when code built with the stack
# protector calls it: a stripped, statically linked executable shows it no other way.
STACK_PROTECTOR = b"*** stack smashing detected ***"

RT_MANIFEST = 24
NAMESPACES = {
    "v1": "urn:schemas-microsoft-com:asm.v1",
    "v3": "urn:schemas-microsoft-com:asm.v3",
    "compatibility": "urn:schemas-microsoft-com:compatibility.v1",
    "settings2005": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
    "settings2016": "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
}
EXECUTION_LEVEL = {"level": "asInvoker", "uiAccess": "false"}
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # Windows 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # Windows 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # Windows 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # Windows 10 and 11
}
DPI_AWARENESS = "PerMonitorV2"
DPI_AWARE = "true/pm"  # read by the Windows versions before 10 1607
COMMON_CONTROLS = {
    "type": "win32",
    "name": "Microsoft.Windows.Common-Controls",
    "version": "6.0.0.0",
    "processorArchitecture": "*",
    "publicKeyToken": "6595b64144ccf1df",
    "language": "*",
}
# Windows' own DLLs, as Wine provides them under the same names.
SYSTEM_DLLS = pathlib.Path("/usr/lib/x86_64-linux-gnu/wine/x86_64-windows")


def ico_images(data):
    """The image bytes of each entry of an .ico file, in the file's order."""
    _, _, count = struct.unpack_from("<HHH", data)
    images = []
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        images.append(data[offset : offset + size])
    return images


def versions(ms, ls):
    return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)


def text(value):
    return value.decode("utf-8") if isinstance(value, bytes) else value


def resources(pe, kind):
    """{name id: data} of every resource of one type, in any language."""
    found = {}
    directory = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for type_entry in directory.entries if directory else []:
        if type_entry.id != kind:
            continue
        for name_entry in type_entry.directory.entries:
            for language in name_entry.directory.entries:
                at, size = language.data.struct.OffsetToData, language.data.struct.Size
                found[name_entry.id] = pe.get_data(at, size)
    return found


def check_manifest(manifests):
    expect(list(manifests) == [1], f"manifest resources {list(manifests)}, not one named 1")
    if 1 not in manifests:
        return
    try:
        root = ElementTree.fromstring(manifests[1])
    except ElementTree.ParseError as error:
        expect(False, f"the manifest is no XML: {error}")
        return
    privileges = "v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel"
    level = root.find(privileges, NAMESPACES)
    expect(level is not None and level.attrib == EXECUTION_LEVEL,
           f"the execution level is {None if level is None else level.attrib}")
    systems = {e.get("Id") for e in root.iterfind(
        "compatibility:compatibility/compatibility:application/compatibility:supportedOS",
        NAMESPACES)}
    expect(systems == SUPPORTED_OS, f"the supported Windows versions are {sorted(systems)}")
    settings = "v3:application/v3:windowsSettings/"
    awareness = root.findtext(settings + "settings2016:dpiAwareness", None, NAMESPACES)
    aware = root.findtext(settings + "settings2005:dpiAware", None, NAMESPACES)
    expect((awareness, aware) == (DPI_AWARENESS, DPI_AWARE),
           f"dpiAwareness is {awareness!r} and dpiAware {aware!r}")
    dependencies = [e.attrib for e in root.iterfind(
        "v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", NAMESPACES)]
    expect(dependencies == [COMMON_CONTROLS], f"the manifest depends on {dependencies}")


def main():
    exe, ico = sys.argv[1], sys.argv[2]
    pe = pefile.PE(exe)
    expect(pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"],
           f"machine is {pe.FILE_HEADER.Machine:#x}, not x86-64")
    expect(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
           f"subsystem is {pe.OPTIONAL_HEADER.Subsystem}, not the Windows GUI")

    expect(pe.FILE_HEADER.TimeDateStamp == TIME_STAMP,
           f"the time stamp is {pe.FILE_HEADER.TimeDateStamp}, not {TIME_STAMP}")
    for name in DLL_CHARACTERISTICS:
        expect(pe.OPTIONAL_HEADER.DllCharacteristics & pefile.DLL_CHARACTERISTICS[name],
               f"{name} is not set")
    relocations = [section for section in pe.sections
                   if section.Name.rstrip(b"\0") == b".reloc" and section.SizeOfRawData]
    expect(relocations, "no .reloc section: Windows cannot move the program in memory")
    expect(STACK_PROTECTOR in pathlib.Path(exe).read_bytes(), "no stack protector is linked in")

    imports = sorted(entry.dll.decode() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []))
    system = {path.name.lower() for path in SYSTEM_DLLS.glob("*.dll")}
    expect(system, f"no Windows DLLs found in {SYSTEM_DLLS} to compare with (is wine64 installed?)")
    # API sets (api-ms-win-..., ext-ms-win-...) are contracts that Windows itself resolves.
    foreign = [dll for dll in imports if dll.lower() not in system
               and not dll.lower().startswith(("api-ms-win-", "ext-ms-win-"))]
    expect(not foreign, f"needs DLLs that Windows does not provide: {foreign}")

    fixed = pe.VS_FIXEDFILEINFO[0] if hasattr(pe, "VS_FIXEDFILEINFO") else None
    expect(fixed is not None, "no version resource")
    if fixed is not None:
        expect(versions(fixed.FileVersionMS, fixed.FileVersionLS) == FILE_VERSION,
               f"file version is {versions(fixed.FileVersionMS, fixed.FileVersionLS)}")
        expect(versions(fixed.ProductVersionMS, fixed.ProductVersionLS) == PRODUCT_VERSION,
               f"product version is {versions(fixed.ProductVersionMS, fixed.ProductVersionLS)}")
        tables, translations = {}, []
        for info in pe.FileInfo[0]:
            if text(info.Key) == "StringFileInfo":
                for table in info.StringTable:
                    tables[text(table.LangID).upper()] = {
                        text(k): text(v) for k, v in table.entries.items()}
            elif text(info.Key) == "VarFileInfo":
                translations += [text(v) for var in info.Var for v in var.entry.values()]
        expect(list(tables) == [STRING_TABLE], f"string tables are {list(tables)}")
        expect(tables.get(STRING_TABLE) == STRINGS, f"version strings are {tables}")
        expect(translations == [TRANSLATION], f"translations are {translations}")

    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    icons = resources(pe, pefile.RESOURCE_TYPE["RT_ICON"])
    expected = ico_images(pathlib.Path(ico).read_bytes())
    expect(len(groups) == 1, f"{len(groups)} icon groups, not one")
    for group in groups.values():
        _, _, count = struct.unpack_from("<HHH", group)
        idents = [struct.unpack_from("<H", group, 6 + 14 * i + 12)[0] for i in range(count)]
        images = [icons.get(ident) for ident in idents]
        expect(images == expected,
               f"the icon's images are not those of {ico}")

    check_manifest(resources(pe, RT_MANIFEST))
    return finish(f"{exe}: GUI x86-64, imports {', '.join(imports)}; version, icon, manifest, "
                  "time stamp and hardening as expected")


if __name__ == "__main__":
    sys.exit(main())
