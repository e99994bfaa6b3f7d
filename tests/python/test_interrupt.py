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


# A fit takes a fraction of a second: an alarm a tenth into it must end it well before it
# would have finished, measured against an uninterrupted fit in the same process.
FIT_CHILD = r'''
import os, signal, time, veltrisko
example = os.path.join(os.environ["VELTRISKO_SOURCE_DIR"], "docs/example-tilted-sector.msi")
start = time.monotonic()
veltrisko.fit(example, top=100)
whole = time.monotonic() - start
def stop(*_):
    raise KeyboardInterrupt
signal.signal(signal.SIGALRM, stop)
signal.setitimer(signal.ITIMER_REAL, whole / 10)
start = time.monotonic()
try:
    veltrisko.fit(example, top=100)
    print("finished")
except KeyboardInterrupt:
    print("interrupted", (time.monotonic() - start) / whole)
'''


def test_an_interrupt_cancels_a_running_fit():
    output = subprocess.run([sys.executable, "-c", FIT_CHILD], stdout=subprocess.PIPE, text=True,
                            check=True, timeout=60).stdout.split()
    assert output[0] == "interrupted"
    assert float(output[1]) < 0.5, f"the fit ended at {output[1]} of its whole time"
