# SPDX-License-Identifier: MIT
# An interrupted write leaves no temporary file and the old file as it was,
# and the tool ends with the signal's own status.
import os
import signal
import subprocess
import time

import pytest

TOOL = os.environ["VELTRISKO_TOOL"]


@pytest.mark.parametrize("signum", [signal.SIGINT, signal.SIGTERM, signal.SIGHUP])
def test_signal_removes_the_temporary_file(tmp_path, signum):
    target = tmp_path / "t.csv"
    target.write_text("older\n")
    # About 6.5 million rows: several seconds of writing.
    tool = subprocess.Popen([TOOL, "table", "--horizontal", "030EA10", "--vertical", "020EA05",
                             "--step", "0.1", "--output", str(target)],
                            stderr=subprocess.PIPE)
    deadline = time.monotonic() + 10
    while len(os.listdir(tmp_path)) < 2 and time.monotonic() < deadline:
        time.sleep(0.01)
    assert len(os.listdir(tmp_path)) == 2, "no temporary file appeared"
    time.sleep(0.2)
    tool.send_signal(signum)
    tool.wait(timeout=10)
    assert tool.returncode == -signum
    assert os.listdir(tmp_path) == ["t.csv"]
    assert target.read_text() == "older\n"
