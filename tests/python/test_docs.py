# SPDX-License-Identifier: MIT
# Every Python session docs/python.md shows, run as a doctest in the page's
# order (a session goes on from the one before, as a reader's does): the page
# shows what the module prints.
import doctest
import os
import pathlib
import re

PAGE = pathlib.Path(os.environ["VELTRISKO_SOURCE_DIR"]) / "docs/python.md"


def test_every_session_of_the_page_prints_what_it_shows(tmp_path, monkeypatch):
    sessions = [block for block in re.findall(r"```python\n(.*?)```", PAGE.read_text(), re.S)
                if block.startswith(">>>")]
    assert len(sessions) >= 3
    monkeypatch.chdir(tmp_path)
    runner = doctest.DocTestRunner(optionflags=doctest.NORMALIZE_WHITESPACE)
    names, report = {}, []
    for number, session in enumerate(sessions, 1):
        test = doctest.DocTestParser().get_doctest(session, names, f"session {number}",
                                                   str(PAGE), 0)
        runner.run(test, out=report.append, clear_globs=False)
        names = test.globs
    assert runner.failures == 0, "".join(report)
