#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The menu entry and the AppStream data speak English by default and carry a
German translation of every text a user reads, and no other language.
Usage: german_translations.py DESKTOP_FILE METAINFO_FILE"""
import re
import sys
import xml.etree.ElementTree as ElementTree

DESKTOP_TEXTS = ("Name", "GenericName", "Comment", "Keywords")
METAINFO_TEXTS = ("name", "summary", "description/p", "screenshots/screenshot/caption")
LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def desktop_problems(path):
    keys = re.findall(r"^([A-Za-z]+)(?:\[([^]]+)\])?=", open(path, encoding="utf-8").read(), re.M)
    problems = []
    for key in DESKTOP_TEXTS:
        languages = [language for name, language in keys if name == key]
        if sorted(languages) != ["", "de"]:
            problems.append(f"{path}: {key} in the languages {languages}, not default and de")
    return problems


def metainfo_problems(path):
    root = ElementTree.parse(path).getroot()
    problems = []
    for text in METAINFO_TEXTS:
        languages = [element.get(LANG, "") for element in root.findall(text)]
        if set(languages) != {"", "de"} or languages.count("") != languages.count("de"):
            problems.append(f"{path}: {text} in the languages {languages}, not default and de alike")
    return problems


def main(desktop, metainfo):
    problems = desktop_problems(desktop) + metainfo_problems(metainfo)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
