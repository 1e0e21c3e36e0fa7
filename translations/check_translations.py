# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every translation is complete and current.

Runs lupdate over the program's sources into copies of the .ts files, so a text added to or
removed from the code since the .ts files were last updated shows up here even when nobody ran
the update target. Then fails on any message that is unfinished, vanished or obsolete, on any
translation that is empty or whose placeholders (%1, %L1, %n) or line breaks differ from its
source text's (each plural form of a %n message on its own), and on a file whose language is not the one its name
says (lrelease takes the plural rules from it). Also fails when the desktop entry or the
AppStream metadata lacks a language's comment, generic name, keywords or summary, and when
they, or a .ts file beside the ones named, speak a language the build's list does not name.

Usage: check_translations.py LUPDATE SOURCES_LIST DESKTOP_IN METAINFO_IN TS_FILE...
SOURCES_LIST is a file naming one source file a line, as the build's update target scans them.
A .ts file is named after its language: varneltosk_pt_BR.ts.
"""
import collections
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?\d{1,2}|n)")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def text_of(element):
    """The element's text with the characters lupdate writes as <byte value="xd"/> put back."""
    if element is None:
        return ""
    return (element.text or "") + "".join(
        chr(int(byte.get("value").lstrip("x"), 16)) + (byte.tail or "") for byte in element)


def placeholders(text):
    marks = collections.Counter(PLACEHOLDER.findall(text))
    marks["line breaks"] = text.count("\n")
    return marks


def plural_marks(source, form):
    """The form's placeholders; a plural form may leave out %n ("one file") only where the source
    has it."""
    marks = placeholders(form)
    if "%n" in source:
        marks["%n"] = 0
    return marks


def translated_forms(translation):
    """The texts of a translation: one, or one per plural form of a %n message."""
    forms = translation.findall("numerusform")
    return [text_of(form) for form in forms] if forms else [text_of(translation)]


def problems(ts_path, language):
    found = []
    root = ET.parse(ts_path).getroot()
    if root.get("language") != language:
        found.append(f"language is \"{root.get('language')}\", not \"{language}\"")
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            where = f"{name}: \"{source}\""
            if kind in ("unfinished", "missing"):
                found.append(f"untranslated {where}")
            elif kind in ("vanished", "obsolete"):
                found.append(f"no longer in the code {where}")
            else:
                for form in translated_forms(translation):
                    if not form:
                        found.append(f"empty translation {where}")
                    elif plural_marks(source, form) != plural_marks(source, source):
                        found.append(f"placeholders differ {where} -> \"{form}\"")
    return found


def desktop_problems(language, desktop_in, metainfo_in):
    desktop = pathlib.Path(desktop_in).read_text(encoding="utf-8").splitlines()
    for key in ("GenericName", "Comment", "Keywords"):
        if not any(line.startswith(f"{key}[{language}]=") for line in desktop):
            yield f"{pathlib.Path(desktop_in).name} has no {key}[{language}]"
    summaries = ET.parse(metainfo_in).getroot().findall("summary")
    if not any(s.get(XML_LANG) == language for s in summaries):
        yield f"{pathlib.Path(metainfo_in).name} has no summary in {language}"


def unlisted_languages(languages, desktop_in, metainfo_in, folder):
    """The languages translated somewhere but missing from the build's list."""
    desktop = pathlib.Path(desktop_in).read_text(encoding="utf-8")
    found = {f"{desktop_in}: {lang}" for lang in re.findall(r"^\w+\[([^]]+)\]=", desktop, re.M)}
    found |= {f"{metainfo_in}: {element.get(XML_LANG)}"
              for element in ET.parse(metainfo_in).getroot().iter() if element.get(XML_LANG)}
    found |= {f"{ts}: {ts.stem.split('_', 1)[1]}" for ts in folder.glob("varneltosk_*.ts")}
    return sorted(where for where in found if where.rsplit(": ", 1)[1] not in languages)


def main(lupdate, sources_list, desktop_in, metainfo_in, ts_files):
    sources = [line for line in pathlib.Path(sources_list).read_text().splitlines() if line]
    failed = False
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for ts in ts_files:
            copy = pathlib.Path(work) / pathlib.Path(ts).name
            shutil.copyfile(ts, copy)
            copies.append(copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", *sources, "-ts", *map(str, copies)],
                       check=True)
        for ts, copy in zip(ts_files, copies):
            language = pathlib.Path(ts).stem.split("_", 1)[1]
            for problem in problems(copy, language):
                print(f"{pathlib.Path(ts).name}: {problem}")
                failed = True
            for problem in desktop_problems(language, desktop_in, metainfo_in):
                print(problem)
                failed = True
    languages = {pathlib.Path(ts).stem.split("_", 1)[1] for ts in ts_files}
    for where in unlisted_languages(languages, desktop_in, metainfo_in,
                                    pathlib.Path(ts_files[0]).parent):
        print(f"{where}: a language that VARNELTOSK_LANGUAGES does not name")
        failed = True
    if not failed:
        print(f"{len(ts_files)} translations complete and current")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 6:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:5], sys.argv[5:]))
