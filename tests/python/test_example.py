# SPDX-License-Identifier: MIT
# The example of docs/python.md draws its polar plot: both planes all round,
# V6 and V7 told apart by their lines.
import os
import pathlib
import runpy
import subprocess
import sys

import numpy as np

import veltrisko

SCRIPT = pathlib.Path(os.environ["VELTRISKO_SOURCE_DIR"]) / "docs/examples/polar_plot.py"


def test_polar_plot_example_writes_png(tmp_path):
    png = tmp_path / "cuts.png"
    subprocess.run([sys.executable, str(SCRIPT), "030EA10", "020EA05", str(png)], check=True,
                   env={**os.environ, "MPLBACKEND": "Agg"})
    data = png.read_bytes()
    assert data.startswith(b"\x89PNG\r\n\x1a\n") and len(data) > 10000


def test_polar_plot_shows_both_planes_all_round_with_both_rules_apart():
    example = runpy.run_path(str(SCRIPT), run_name="polar_plot")
    figure = example["plot"]("030EA10", "020EA05")
    for ax, plane in zip(figure.axes, ("horizontal", "vertical")):
        v6, v7 = ax.get_lines()
        assert (v6.get_label(), v7.get_label()) == ("V6", "V7")
        assert v6.get_linestyle() != v7.get_linestyle()
        assert np.degrees(v6.get_xdata()).round(9).tolist() == list(range(-180, 181))
    # Behind the antenna the vertical plane runs over the top, where the rules differ.
    v6, v7 = figure.axes[1].get_lines()
    angles = np.degrees(v6.get_xdata()).round(9)
    assert v6.get_ydata()[angles == 120][0] == \
        40 - veltrisko.attenuation("030EA10", "020EA05", 180.0, 60.0, rule="v6")
    assert (v6.get_ydata() != v7.get_ydata())[np.abs(angles) > 90].any()
