#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the horizontal and the vertical plane of a code pair as polar
diagrams, both rules in each: V6 solid, V7 dashed, so that both show where
they agree.

From the build tree (built for Debian's interpreter):

    PYTHONPATH=build/python /usr/bin/python3 docs/examples/polar_plot.py 030EA10 020EA05 cuts.png

or with any interpreter into which `pip install .` put the package.
"""
import sys

import matplotlib

matplotlib.use("Agg")  # no display needed
import matplotlib.pyplot as plt
import numpy as np

import veltrisko

STYLES = {"v6": dict(linestyle="-", linewidth=2.5, color="tab:blue"),
          "v7": dict(linestyle="--", linewidth=1.5, color="tab:orange")}


def planes(hcode, vcode):
    """Angle in the plane (-180..180, 0 the main direction) and each rule's
    attenuation in the horizontal and the vertical plane. The vertical plane
    goes over the top: beyond 90 degrees it lies behind the antenna, at
    azimuth 180 and elevation 180 - angle (as the viewer looks directions
    across the pole up)."""
    angle = np.arange(-180.0, 181.0)
    front = np.abs(angle) <= 90
    behind_azimuth = np.where(front, 0.0, 180.0)
    behind_elevation = np.where(front, angle, np.sign(angle) * 180.0 - angle)
    result = {}
    for name, (azimuth, elevation) in {"horizontal": (angle, 0.0),
                                       "vertical": (behind_azimuth, behind_elevation)}.items():
        result[name] = {rule: veltrisko.attenuation(hcode, vcode, azimuth, elevation, rule=rule)
                        for rule in ("v6", "v7")}
    return angle, result


def plot(hcode, vcode):
    angle, attenuations = planes(hcode, vcode)
    figure, axes = plt.subplots(1, 2, subplot_kw={"projection": "polar"}, figsize=(10, 5))
    for ax, (name, rules) in zip(axes, attenuations.items()):
        for rule, attenuation in rules.items():
            # Radius: 40 dB minus the attenuation, so the main direction is outermost.
            ax.plot(np.radians(angle), 40.0 - attenuation, label=rule.upper(), **STYLES[rule])
        # The main direction to the right; the vertical plane's top upwards.
        ax.set_theta_zero_location("E")
        ax.set_theta_direction(1 if name == "vertical" else -1)
        ax.set_rlim(0, 40)
        ax.set_rticks([10, 20, 30, 40], labels=["-30", "-20", "-10", "0 dB"])
        ax.set_title(f"{name} plane")
        ax.legend(loc="upper left", bbox_to_anchor=(-0.15, 1.12))
    figure.suptitle(f"{hcode} / {vcode}")
    return figure


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: polar_plot.py HCODE VCODE OUTPUT.png")
    plot(*sys.argv[1:3]).savefig(sys.argv[3], dpi=100)
