#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Every relative link and picture in the README and the manuals leads
somewhere: the file exists, and an anchor names a heading of its file.
Usage: doc_links.py SOURCE_DIR"""
import pathlib
import re
import sys

LINK = re.compile(r"\]\(([^)\s]+)\)")
FENCE = re.compile(r"^```.*?^```", re.M | re.S)


def anchor(heading):
    """The anchor a Markdown host gives a heading."""
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", "-")


def anchors(path):
    text = FENCE.sub("", path.read_text(encoding="utf-8"))
    return {anchor(m.group(1)) for m in re.finditer(r"^#+ (.*)$", text, re.M)}


def main(root):
    root = pathlib.Path(root)
    files = [root / "README.md", *sorted((root / "docs").glob("*.md"))]
    problems = []
    for source in files:
        text = FENCE.sub("", source.read_text(encoding="utf-8"))
        for target in LINK.findall(text):
            if re.match(r"^[a-z]+:", target):
                continue  # a web address or mailto
            name, _, fragment = target.partition("#")
            path = (source.parent / name).resolve() if name else source
            where = f"{source.relative_to(root)}: {target}"
            if not path.exists():
                problems.append(f"{where}: no such file")
            elif fragment and path.suffix == ".md" and fragment not in anchors(path):
                problems.append(f"{where}: no heading with that anchor")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
