#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the horizontal and vertical cuts of a code pair as polar diagrams.

    PYTHONPATH=build/python python3 docs/examples/polar_plot.py 030EA10 020EA05 cuts.png
"""
import sys

import matplotlib

matplotlib.use("Agg")  # no display needed
import matplotlib.pyplot as plt
import numpy as np

import veltrisko


def main(hcode: str, vcode: str, output: str) -> None:
    cuts = veltrisko.cuts(hcode, vcode)
    figure, axes = plt.subplots(1, 2, subplot_kw={"projection": "polar"}, figsize=(10, 5))
    for ax, name in zip(axes, ("horizontal", "vertical")):
        cut = cuts[name]
        angle = np.radians(cut["angle"])
        for rule in ("v6", "v7"):
            # Radius: 40 dB minus the attenuation, so the main direction is outermost.
            ax.plot(angle, 40.0 - cut[f"{rule}_db"], label=rule.upper())
        ax.set_theta_zero_location("N")
        ax.set_theta_direction(-1)
        ax.set_rlim(0, 40)
        ax.set_rticks([10, 20, 30, 40], labels=["-30", "-20", "-10", "0 dB"])
        ax.set_title(f"{name} cut")
        ax.legend(loc="lower right")
    figure.suptitle(f"{hcode} / {vcode}")
    figure.savefig(output, dpi=100)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: polar_plot.py HCODE VCODE OUTPUT.png")
    main(*sys.argv[1:])
