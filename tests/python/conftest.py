# SPDX-License-Identifier: MIT
# The command-line tool the module is checked against, from the environment.
import os
import subprocess

import pytest


@pytest.fixture(scope="session")
def tool():
    path = os.environ["VELTRISKO_TOOL"]

    def run(*args, stdin=None, check=True):
        done = subprocess.run([path, *args], input=stdin, capture_output=True, text=True)
        if check and done.returncode != 0:
            raise AssertionError(f"{args}: exit {done.returncode}: {done.stderr}")
        return done

    return run
