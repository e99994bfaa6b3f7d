#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""`pip install .` into a fresh virtual environment: pip builds the wheel
from the existing build tree and installs it, and the package is imported
from there.

    wheel_check.py SOURCE_DIR BUILD_DIR

The environment sees the system's packages (NumPy, pandas, pip itself), so
nothing is fetched; the package must come from the environment all the same.
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile

source, build = map(pathlib.Path, sys.argv[1:3])
env = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
env.update(VELTRISKO_CMAKE_BUILD=str(build), PIP_NO_INDEX="1", PIP_DISABLE_PIP_VERSION_CHECK="1",
           PYTHONDONTWRITEBYTECODE="1")


def run(*args):
    subprocess.run(list(map(str, args)), check=True, env=env)


with tempfile.TemporaryDirectory() as scratch:
    venv = pathlib.Path(scratch, "venv")
    run(sys.executable, "-m", "venv", "--without-pip", "--system-site-packages", venv)
    python = venv / "bin" / "python"
    run(python, "-m", "pip", "install", "-q", "--no-deps", "--no-compile", source)
    check = (
        "import pathlib, sys, veltrisko, veltrisko.pandas\n"
        "package = pathlib.Path(veltrisko.__file__).parent\n"
        "assert package.is_relative_to(sys.prefix), package\n"
        "print(sorted(p.name.split('.')[0] for p in package.iterdir()))\n"
        "print(veltrisko.__version__, veltrisko.gain('030EA10', 30.0),\n"
        "      veltrisko.attenuation(['030EA10'], '020EA05', 10, 5).tolist())\n")
    printed = subprocess.run([python, "-c", check], check=True, env=env, capture_output=True,
                             text=True).stdout
    version = re.search(r"project\(Veltrisko VERSION ([0-9.]+)",
                        (source / "CMakeLists.txt").read_text())[1]
    assert printed == ("['__init__', '__init__', '_core', 'pandas', 'py']\n"
                       f"{version} -3.01029995663981 [0.5814795761168629]\n"), printed
print("installed and imported veltrisko", version)
