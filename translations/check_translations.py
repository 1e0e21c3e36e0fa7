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

Also fails when two commands of one menu share an accelerator (the letter after "&", whatever
its case) in any language: the menu bar's commands, as the link table's menu-bar rows name
them, in English and in each .ts file, and a field's context menu in each of Qt's catalogues
the build takes in, as lconvert merges them from Qt's own and the program's.

Usage: check_translations.py LUPDATE LCONVERT SOURCES_LIST QT_CATALOGUES DESKTOP_IN METAINFO_IN
       TS_FILE...
SOURCES_LIST is a file naming one source file a line, as the build's update target scans them.
QT_CATALOGUES names one language a line and, after a tab each, the files the build merges into
its Qt catalogue. A .ts file is named after its language: varneltosk_pt_BR.ts.
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
# A row of the link table that puts its command on the menu bar, and its caption.
MENU_BAR_ROW = re.compile(
    r'LinkPlace::MenuBar\b[^;]*?QT_TRANSLATE_NOOP\(\s*"([^"]+)"\s*,\s*"([^"]+)"\s*\)')
# What Qt puts into a field's context menu: every text of QLineEdit's (None: the whole context)
# and, on Windows with a right-to-left keyboard, the submenu of control characters.
FIELD_MENU = {("QLineEdit", None),
              ("QUnicodeControlCharacterMenu", "Insert Unicode control character")}


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


def accelerator(text):
    """The character after the first "&" that does not escape another, as Qt takes it, casefolded;
    or None."""
    position = 0
    while (position := text.find("&", position) + 1) and position < len(text):
        if text[position] != "&":
            return text[position].casefold()
        position += 1
    return None


def menu_bar(sources):
    """The (context, source) of every command of the menu bar."""
    return {row for source in sources
            for row in MENU_BAR_ROW.findall(pathlib.Path(source).read_text(encoding="utf-8"))}


def accelerator_clashes(ts_path, menus, english=False):
    """Each menu's commands that share an accelerator, as the user sees them in the .ts file's
    language (or in English). A menu none of whose commands is found is reported too, so a
    menu this check cannot see fails it rather than passing unchecked."""
    shown = {menu: [] for menu in menus}
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                continue
            for menu, members in menus.items():
                if members & {(name, source), (name, None)}:
                    untranslated = english or kind == "unfinished" or not text_of(translation)
                    shown[menu].append(source if untranslated else text_of(translation))
    for menu, texts in shown.items():
        if not texts:
            yield f"{menu}: none of its commands is there"
        letters = collections.defaultdict(list)
        for text in texts:
            if letter := accelerator(text):
                letters[letter].append(text)
        for letter, sharing in sorted(letters.items()):
            if len(sharing) > 1:
                quoted = ", ".join(f'"{text}"' for text in sharing)
                yield f"{menu}: {quoted} share the accelerator {letter.upper()}"


def qt_catalogue_clashes(lconvert, catalogues_list, work):
    """Clashes in a field's context menu in every Qt catalogue the build takes in."""
    for line in pathlib.Path(catalogues_list).read_text(encoding="utf-8").splitlines():
        language, *inputs = line.split("\t")
        merged = pathlib.Path(work) / f"qt_{language}.ts"
        subprocess.run([lconvert, *(arg for path in inputs for arg in ("-i", path)),
                        "-o", str(merged)], check=True)
        names = " + ".join(pathlib.Path(path).name for path in inputs)
        for clash in accelerator_clashes(merged, {"a field's context menu": FIELD_MENU}):
            yield f"{names} ({language}): {clash}"


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


def main(lupdate, lconvert, sources_list, qt_catalogues, desktop_in, metainfo_in, ts_files):
    sources = [line for line in pathlib.Path(sources_list).read_text().splitlines() if line]
    menus = {"the menu bar": menu_bar(sources)}
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
            for clash in accelerator_clashes(copy, menus):
                print(f"{pathlib.Path(ts).name}: {clash}")
                failed = True
        for clash in accelerator_clashes(copies[0], menus, english=True):
            print(f"English: {clash}")
            failed = True
        for clash in qt_catalogue_clashes(lconvert, qt_catalogues, work):
            print(clash)
            failed = True
    languages = {pathlib.Path(ts).stem.split("_", 1)[1] for ts in ts_files}
    for where in unlisted_languages(languages, desktop_in, metainfo_in,
                                    pathlib.Path(ts_files[0]).parent):
        print(f"{where}: a language that VARNELTOSK_LANGUAGES does not name")
        failed = True
    if not failed:
        print(f"{len(ts_files)} translations complete and current, and no two commands of a menu "
              "share an accelerator in them or in Qt's catalogues")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 8:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:7], sys.argv[7:]))
