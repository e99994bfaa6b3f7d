#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the shell sessions shown in the documents and compares what they print.

A session is a fenced block whose lines start with "$ ": each such line is a
command, the lines up to the next command or the end of the block are what it
prints (standard output and standard error as a terminal shows them). The
commands run under bash in a scratch folder that holds the files of
doc_examples/ and a link "docs" to the documents, with the tool's folder first
on PATH, so that `veltrisko-pattern` is the tool under test.

check_doc_examples.py TOOL SOURCE_ROOT DOCUMENT...
"""
import difflib
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

FENCE = re.compile(r"^```[a-z]*$")


def sessions(text):
    """(line number, command, expected output) of every session in `text`."""
    found, block, start = [], None, 0
    for number, line in enumerate(text.splitlines(), 1):
        if FENCE.match(line):
            if block is None:
                block, start = [], number
                continue
            found += commands_of(block, start)
            block = None
        elif block is not None:
            block.append(line)
    return found


def commands_of(block, start):
    if not block or not block[0].startswith("$ "):
        return []  # a synopsis or a listing, not a session
    result = []
    for offset, line in enumerate(block, start + 1):
        if line.startswith("$ "):
            result.append([offset, line[2:], []])
        else:
            result[-1][2].append(line)
    return [(n, command, "\n".join(out) + ("\n" if out else "")) for n, command, out in result]


def main():
    tool, root = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2]).resolve()
    documents = sys.argv[3:]
    env = dict(os.environ, PATH=f"{tool.parent}{os.pathsep}{os.environ['PATH']}", LC_ALL="C.UTF-8")
    env.pop("DISPLAY", None)
    failures = checked = 0
    for document in documents:
        path = root / document
        with tempfile.TemporaryDirectory() as scratch:
            shutil.copytree(pathlib.Path(__file__).parent / "doc_examples", scratch,
                            dirs_exist_ok=True)
            os.symlink(root / "docs", pathlib.Path(scratch) / "docs")
            for number, command, expected in sessions(path.read_text(encoding="utf-8")):
                done = subprocess.run(["bash", "-c", command], cwd=scratch, env=env,
                                      stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                      timeout=300)
                printed = done.stdout.decode("utf-8", errors="replace")
                checked += 1
                if printed != expected:
                    failures += 1
                    diff = difflib.unified_diff(expected.splitlines(), printed.splitlines(),
                                                "shown", "printed", lineterm="")
                    print(f"{document}:{number}: $ {command}\n" + "\n".join(diff))
    print(f"{checked} commands checked, {failures} printed something else")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
