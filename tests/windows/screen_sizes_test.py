#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows viewer's first start at 1920 x 1080, 1366 x 768 and 1024 x 768,
each on an X server of that size under openbox: the photographed screen must
show both legends (their dumped bitmaps) and the pattern's centre (a patch of
the dumped frame), and the dialog wholly; then again with the main window
kept maximised.

    screen_sizes_test.py WINE_RUN_COMMAND... -- VIEWER.exe LINUX_BIN WORK_DIR
"""
import os
import subprocess
import sys

import viewer_test
from screen_test import legends_shown, screen
from viewer_test import Failure, Viewer, expect, read_ppm

SIZES = ["1920x1080", "1366x768", "1024x768"]
HERE = os.path.dirname(os.path.abspath(__file__))
WITH_OPENBOX = os.path.join(HERE, "..", "..", "scripts", "with-openbox")


def centre_shown(viewer, work, name):
    """Whether rows of the frame around the pattern's centre (the middle of
    the square viewport at the top left) stand on the screen, one below the
    other."""
    width, height, frame = read_ppm(os.path.join(viewer.dumps, "frame.ppm"))
    side = min(width, height)
    x0, y0 = max(side // 2 - 20, 0), max(side // 2 - 10, 0)
    rows = [frame[((y0 + i) * width + x0) * 3:((y0 + i) * width + x0 + 40) * 3]
            for i in range(0, 20, 4)]
    shot_width, _, pixels = screen(work, name + "-centre")
    start = pixels.find(rows[0])
    while start >= 0:
        y, x = divmod(start // 3, shot_width)
        if start % 3 == 0 and all(
                pixels[((y + 4 * i) * shot_width + x) * 3:
                       ((y + 4 * i) * shot_width + x + 40) * 3] == row
                for i, row in enumerate(rows)):
            return True
        start = pixels.find(rows[0], start + 1)
    return False


def absolute_geometry(window):
    """The window's place on the screen as the X server has it (a window
    manager's reparenting leaves xdotool's position relative to the frame)."""
    out = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                         check=True).stdout
    values = dict(line.strip().split(": ", 1) for line in out.splitlines() if ": " in line)
    return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                           "Width", "Height"))


def check(viewer, work, name, size):
    width, height = map(int, size.split("x"))
    x, y, w, h = absolute_geometry(viewer.dialog)
    expect(x >= 0 and y >= 0 and x + w <= width and y + h <= height,
           "%s: the dialog is not wholly on the screen: %s" % (name, (x, y, w, h)))
    legends_shown(viewer, work, name)
    expect(centre_shown(viewer, work, name), "%s: the pattern's centre is hidden" % name)



def one_size(wine_run, exe, linux_bin, work, size):
    viewer_test.stop_wine_server(wine_run)
    tool = os.path.join(linux_bin, "steady_frame")
    for kept in (None, "0 0 800 600 maximized"):
        name = "%s-%s" % (size, "maximised" if kept else "start")
        if kept:
            subprocess.run(wine_run + ["reg", "add", "HKCU\\Software\\Veltrisko", "/v",
                                       "MainWindow", "/d", kept, "/f"],
                           capture_output=True, check=True, stdin=subprocess.DEVNULL)
        viewer = Viewer(wine_run, exe, tool, os.path.join(work, name), fresh=kept is None)
        status = viewer_test.report(viewer, work, lambda: check(viewer, work, name, size),
                                    name + ": legends, centre and dialog in sight.")
        viewer.process.wait(timeout=30)
        if status:
            break
    viewer_test.stop_wine_server(wine_run)
    return status


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, linux_bin, work = sys.argv[split + 1:split + 4]
    os.makedirs(work, exist_ok=True)
    if len(sys.argv) > split + 4:  # one size, on the X server of that size
        return one_size(wine_run, exe, linux_bin, work, sys.argv[split + 4])
    failed = 0
    for size in SIZES:
        command = ["xvfb-run", "-a", "-s", "-screen 0 %sx24" % size, WITH_OPENBOX,
                   sys.executable, os.path.abspath(__file__), *sys.argv[1:], size]
        failed |= subprocess.run(command).returncode != 0
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
