# SPDX-License-Identifier: MIT
# The example of docs/python.md draws its polar plot.
import os
import pathlib
import subprocess
import sys


def test_polar_plot_example_writes_png(tmp_path):
    script = pathlib.Path(os.environ["VELTRISKO_SOURCE_DIR"]) / "docs/examples/polar_plot.py"
    png = tmp_path / "cuts.png"
    subprocess.run([sys.executable, str(script), "030EA10", "020EA05", str(png)], check=True,
                   env={**os.environ, "MPLBACKEND": "Agg"})
    data = png.read_bytes()
    assert data.startswith(b"\x89PNG\r\n\x1a\n") and len(data) > 10000
