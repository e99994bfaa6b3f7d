# SPDX-License-Identifier: MIT
# Ctrl+C stops a long call: SIGINT sent to a Python process in the middle of one.
import os
import signal
import subprocess
import sys
import time

import pytest

# Each call takes seconds on an idle machine: 2e7 directions, or the sphere at 0.05 degrees.
CHILD = r'''
import sys, numpy as np, veltrisko
if sys.argv[1] == "attenuation":
    angles = np.linspace(-180, 180, 20_000_000, dtype=np.float32)
    call = lambda: veltrisko.attenuation("030EA10", "020EA05", angles, angles)
else:
    call = lambda: veltrisko.compare("030EA10", "020EA05", step=0.05)
print("ready", flush=True)
try:
    result = call()
    print("finished", flush=True)
except KeyboardInterrupt:
    print("interrupted", flush=True)
'''


@pytest.mark.parametrize("call", ["attenuation", "compare"])
def test_ctrl_c_stops_a_long_call(call):
    child = subprocess.Popen([sys.executable, "-c", CHILD, call], stdout=subprocess.PIPE,
                             text=True)
    try:
        assert child.stdout.readline() == "ready\n"
        time.sleep(0.3)
        child.send_signal(signal.SIGINT)
        sent = time.monotonic()
        output, _ = child.communicate(timeout=60)
        latency = time.monotonic() - sent
    finally:
        child.kill()
    assert (output, child.returncode) == ("interrupted\n", 0)
    assert latency < 2.0, f"{call} ended {latency:.2f} s after SIGINT"
