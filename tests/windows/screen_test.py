#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows viewer on the real screen under Wine and a window manager:
photographs the X screen and finds in it what the legends painted (their
dumped bitmaps, row by row), after the start, after resizing and after a code
change; the dialog stands above the main window and wholly on the screen.

    screen_test.py WINE_RUN_COMMAND... -- VIEWER.exe LINUX_BIN WORK_DIR

Run it under a window manager (scripts/with-openbox). With
VELTRISKO_SCREENSHOTS set to a folder it also leaves the user guide's
picture there (windows-viewer.png).
"""
import os
import subprocess
import sys
import time

import viewer_test
from viewer_test import EMPTY_PICTURE_POINT, Failure, Viewer, expect, read_ppm


def screen(work, name):
    path = os.path.join(work, name + ".ppm")
    subprocess.run(["import", "-window", "root", "-depth", "8", path], check=True)
    return read_ppm(path)


def geometry(window):
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                         capture_output=True, text=True, check=True).stdout
    values = dict(line.split("=") for line in out.split())
    return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def shown_on_screen(shot, dump):
    """Whether every fourth row of a legend's bitmap appears on the screen,
    one below the other at the same place."""
    width, _, pixels = shot
    w, h, legend = read_ppm(dump)
    rows = [legend[y * w * 3:(y + 1) * w * 3] for y in range(1, h - 1, 4)]
    start = pixels.find(rows[0])
    while start >= 0:
        y, x = divmod(start // 3, width)
        if start % 3 == 0 and all(
                pixels[((y + 4 * i) * width + x) * 3:((y + 4 * i) * width + x + w) * 3] == row
                for i, row in enumerate(rows)):
            return True
        start = pixels.find(rows[0], start + 1)
    return False


def legends_shown(viewer, work, name, colour_too=True, patience=30):
    """Photographs the screen until both legends are on it; a busy machine
    may take a while to paint a resized window."""
    dumps = ["info-legend"] + (["colour-legend"] if colour_too else [])
    end = time.time() + patience
    while True:
        shot = screen(work, name)
        missing = [d for d in dumps
                   if not shown_on_screen(shot, os.path.join(viewer.dumps, d + ".ppm"))]
        if not missing:
            return
        if time.time() > end:
            raise Failure("%s: not on the screen: %s" % (name, ", ".join(missing)))
        time.sleep(1)
        viewer.settle()


def stacked_above(upper, lower):
    out = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], capture_output=True,
                         text=True, check=True).stdout
    order = [int(w, 16) for w in out.split("#", 1)[1].replace(",", " ").split()]
    return int(upper) in order and int(lower) in order and \
        order.index(int(upper)) > order.index(int(lower))


def active_window():
    return subprocess.run(["xdotool", "getactivewindow"], capture_output=True,
                          text=True).stdout.strip()


def run(viewer, work):
    expect(viewer.dialog is not None, "no configuration dialog")
    # The main window is active at start: a key sent to the active window
    # turns the view instead of moving the cursor in the dialog's code field.
    active = active_window()
    subprocess.run(["import", "-window", "root", os.path.join(work, "start.png")])
    expect(active == viewer.main, "at start %s is active, not the main window %s"
           % (active, viewer.main))
    viewer.press("Right")
    info = viewer.text("info-legend")
    expect("Azimut: %.1f °" % viewer_test.stepped(0.0, 1) in info,
           "Right at start did not turn the view:\n" + info)
    viewer.press("Home")
    expect(stacked_above(viewer.dialog, viewer.main), "the dialog is below the main window")
    x, y, width, height = geometry(viewer.dialog)
    expect(x >= 0 and y >= 0 and x + width <= 1600 and y + height <= 1200,
           "the dialog is not wholly on the screen: %s" % ((x, y, width, height),))
    # The dialog opens over the lower right of the picture and may hide the
    # colour strip there.
    legends_shown(viewer, work, "start", colour_too=False)
    subprocess.run(["xdotool", "windowmove", viewer.dialog, "1000", "650"], check=True)
    viewer.settle()
    legends_shown(viewer, work, "start-dialog-aside")

    for size in [(760, 560), (980, 720)]:
        subprocess.run(["xdotool", "windowsize", viewer.main, *map(str, size)], check=True)
        time.sleep(0.5)
        viewer.settle()
    legends_shown(viewer, work, "resized")

    viewer.click_dialog_item(44, 19, 52, 14)
    viewer.press("End", "shift+Home")
    viewer.type("120LA10")
    expect("hor.:  120LA10" in viewer.text("info-legend"), "code not taken")
    legends_shown(viewer, work, "code-changed")
    # An owned dialog stays above its owner also when the owner is clicked.
    viewer.click(viewer.main, *EMPTY_PICTURE_POINT)
    viewer.settle()
    expect(stacked_above(viewer.dialog, viewer.main), "the dialog went below the main window")

    pictures = os.environ.get("VELTRISKO_SCREENSHOTS")
    if pictures:
        # The picture top left, the dialog beside it, the 2-D window below both.
        # (Positions of the windows themselves, their title bars above them.)
        subprocess.run(["xdotool", "windowsize", viewer.main, "800", "580"], check=True)
        subprocess.run(["xdotool", "windowmove", viewer.main, "0", "28"], check=True)
        subprocess.run(["xdotool", "windowmove", viewer.dialog, "805", "28"], check=True)
        viewer.settle()
        viewer.keys(viewer.main, "alt+a")
        viewer.press("2")  # "&2D-Diagramme"
        diagrams = viewer.window("2D-Diagramme", timeout=30)
        expect(diagrams is not None, "no 2-D window")
        subprocess.run(["xdotool", "windowsize", diagrams, "1596", "540"], check=True)
        subprocess.run(["xdotool", "windowmove", diagrams, "0", "650"], check=True)
        viewer.settle()
        # The readout of a point of the pattern beside the cursor.
        for x in (430, 440):
            subprocess.run(["xdotool", "mousemove", "--window", viewer.main, str(x), "290"],
                           check=True)
            viewer.settle()
        subprocess.run(["import", "-window", "root",
                        os.path.join(pictures, "windows-viewer.png")], check=True)


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, linux_bin, work = sys.argv[split + 1:split + 4]
    os.makedirs(work, exist_ok=True)
    viewer = Viewer(wine_run, exe, os.path.join(linux_bin, "steady_frame"), work)
    return viewer_test.report(viewer, work, lambda: run(viewer, work),
                              "The Windows viewer's legends stand on the screen.")


if __name__ == "__main__":
    sys.exit(main())
