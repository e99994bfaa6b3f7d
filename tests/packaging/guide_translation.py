#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The German user guide keeps step with the English one: the same sections,
tables, pictures, links and literal texts (codes, commands, file names), and
each names the other before its first section.
Usage: guide_translation.py SOURCE_DIR"""
import collections
import pathlib
import re
import sys

GUIDES = {"user-guide.md": "user-guide.de.md", "user-guide.de.md": "user-guide.md"}
FENCE = re.compile(r"^```.*?^```", re.M | re.S)


def outline(text):
    """What a translation must keep, read from one guide's Markdown."""
    prose = FENCE.sub("", text)
    return {
        "heading levels": [len(m) for m in re.findall(r"^(#+) ", prose, re.M)],
        "table rows": len(re.findall(r"^\|", prose, re.M)),
        "pictures": re.findall(r"!\[[^]]*\]\(([^)]+)\)", prose),
        "links": [t for t in re.findall(r"(?<!!)\[[^]]*\]\(([^)]+)\)", prose) if t not in GUIDES],
        "literal texts": collections.Counter(re.findall(r"`([^`]+)`", prose)),
    }


def main(root):
    docs = pathlib.Path(root) / "docs"
    texts = {name: (docs / name).read_text(encoding="utf-8") for name in GUIDES}
    problems = []
    for name, other in GUIDES.items():
        before_first_section = texts[name].split("\n## ", 1)[0]
        if f"]({other})" not in before_first_section:
            problems.append(f"{name} does not name {other} before its first section")
    english, german = (outline(texts[name]) for name in GUIDES)
    for part, want in english.items():
        got = german[part]
        if got != want:
            if isinstance(want, collections.Counter):
                want, got = sorted((want - got).elements()), sorted((got - want).elements())
            problems.append(f"{part}: user-guide.md has {want}, user-guide.de.md {got}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
