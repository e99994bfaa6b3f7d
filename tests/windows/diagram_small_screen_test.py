#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows viewer's 2-D window on a 1024 x 768 screen under Wine and a
window manager, opened by importing a pattern file with a long name while the
dialog stands at the screen's bottom right: wholly on the screen, clear of the dialog and of the main
window's menu bar, every control inside it, the long name cut on its box and
whole in its tooltip; a window of its own on the taskbar that minimises
alone; exports offer a name made of the codes and the rule, add the
extension to a name typed without one, and a failed one says why in a
message box.

    diagram_small_screen_test.py WINE_RUN_COMMAND... -- VIEWER.exe LINUX_BIN WORK_DIR

Run it on a 1024 x 768 X screen under scripts/with-openbox. It leaves the
screen as diagram-1024.png in WORK_DIR.
"""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import viewer_test  # noqa: E402
from diagram_window_test import WINDOW, Diagrams, set_code, text_with, wine_path  # noqa: E402
from viewer_test import Viewer, expect  # noqa: E402

LONG_NAME = "Messung Sektorantenne Nord 2024-05-17 Sued-Ost Elevation.csv"  # typed: ASCII
MEASURED = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                         "tools", "fit_input_horizontal.csv"))


def frame(window):
    """left, top, right, bottom of a window with its window manager frame."""
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                         capture_output=True, text=True, check=True).stdout
    g = dict(line.split("=") for line in out.split())
    x, y, w, h = (int(g[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
    extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"],
                             capture_output=True, text=True).stdout
    left = right = top = bottom = 0
    if "=" in extents:
        left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
    return x - left, y - top, x + w + right, y + h + bottom


def meet(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def mapped(window):
    out = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
    return "IsViewable" in out


def save_as(diagrams, button, typed, written):
    """Types `typed` into the button's file dialog; true once `written` exists."""
    diagrams.click(button, settle=False)
    dialog = diagrams.viewer.window("Exportieren", timeout=20)
    expect(dialog is not None, "no file dialog after %s" % button)
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", "--window", dialog, "ctrl+a"], check=True)
    subprocess.run(["xdotool", "type", "--delay", "8", wine_path(typed)], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    end = time.time() + 20
    while time.time() < end and written and not os.path.exists(written):
        time.sleep(0.2)
    diagrams.viewer.settle()
    return written and os.path.exists(written)


def windows_frames(viewer):
    """The 2-D window's and the dialog's frames as the viewer has them."""
    lines = viewer.text("diagram-frames").splitlines()
    return [tuple(int(v) for v in line.split()) for line in lines]


def standing(viewer, window, quiet=1.0, timeout=30):
    """Waits until the window manager has placed the window: its frame on
    the X screen and as Windows has it unchanged for `quiet` seconds."""
    end = time.time() + timeout
    last, since = None, time.time()
    while time.time() < end:
        now = (frame(window), windows_frames(viewer))
        if now != last:
            last, since = now, time.time()
        elif time.time() - since >= quiet:
            return
        time.sleep(0.2)


def run(viewer, work):
    expect(viewer.main is not None and viewer.dialog is not None, "the viewer did not start")
    # The dialog at the screen's bottom right, where the 2-D window cannot
    # have its full size beside it.
    dialog = frame(viewer.dialog)
    subprocess.run(["xdotool", "windowmove", viewer.dialog, str(1024 - (dialog[2] - dialog[0])),
                    str(768 - (dialog[3] - dialog[1]))], check=True)
    viewer.settle()
    # "Datei -> Diagramm importieren…" with a long file name opens the window.
    viewer.keys(viewer.main, "alt+d")
    viewer.press("i")
    chooser = viewer.window("Diagramm importieren", timeout=20)
    expect(chooser is not None, "no file dialog after Diagramm importieren")
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "8", wine_path(os.path.join(work, LONG_NAME))],
                   check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    window = viewer.window(WINDOW, timeout=30)
    expect(window is not None, "no 2-D window for the file")
    diagrams = Diagrams.__new__(Diagrams)
    diagrams.viewer, diagrams.window = viewer, window
    text_with(viewer, "diagram-tooltip", "Datei: ")
    viewer.settle()
    standing(viewer, window)
    subprocess.run(["import", "-window", "root", os.path.join(work, "diagram-1024.png")])
    # As Windows has the frames: on the work area, clear of the dialog and of
    # the main window's title and menu bar.
    frames = windows_frames(viewer)
    place, dialog_frame, bars_bottom = frames[0], frames[1], frames[2][0]
    expect(place[0] >= 0 and place[1] >= 0 and place[2] <= 1024 and place[3] <= 768,
           "the 2-D window %s is not wholly on the screen (the dialog %s, the main window's "
           "bars to %d, as Windows has them)" % (place, dialog_frame, bars_bottom))
    expect(not meet(place, dialog_frame),
           "the 2-D window %s covers the dialog %s" % (place, dialog_frame))
    expect(place[1] >= bars_bottom,
           "the 2-D window %s covers the menu bar (to %d)" % (place, bars_bottom))
    # On the X screen: clear of the dialog, every control inside the window.
    place, dialog = frame(window), frame(viewer.dialog)
    expect(not meet(place, dialog), "the 2-D window %s covers the dialog %s" % (place, dialog))
    controls = diagrams.controls()
    for (ident, label), (x, y) in controls.items():
        expect(place[0] < x < place[2] and place[1] < y < min(place[3], 768),
               "control %d '%s' at %d,%d outside the window %s" % (ident, label, x, y, place))
    boxes = [label for (ident, label) in controls if label.startswith("Datei: ")]
    expect(len(boxes) == 1 and "…" in boxes[0] and len(boxes[0]) < len("Datei: " + LONG_NAME),
           "the file's box: %s" % boxes)
    expect(viewer.text("diagram-tooltip") == "Datei: " + LONG_NAME,
           "tooltip: " + viewer.text("diagram-tooltip"))

    # A window of its own: no owner, on the taskbar, minimising alone.
    transient = subprocess.run(["xprop", "-id", window, "WM_TRANSIENT_FOR"],
                               capture_output=True, text=True).stdout
    expect("window id" not in transient, "the 2-D window is transient: " + transient)
    state = subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"], capture_output=True,
                           text=True).stdout
    expect("SKIP_TASKBAR" not in state, "the 2-D window skips the taskbar: " + state)
    subprocess.run(["xdotool", "windowminimize", window], check=True)
    end = time.time() + 20
    while time.time() < end and mapped(window):
        time.sleep(0.3)
    expect(not mapped(window), "the 2-D window did not minimise")
    time.sleep(1)
    expect(mapped(viewer.main) and mapped(viewer.dialog),
           "minimising the 2-D window hid the main window or the dialog")
    viewer.keys(viewer.main, "alt+a")
    viewer.press("2")  # "&2D-Diagramme" brings it back
    end = time.time() + 20
    while time.time() < end and not mapped(window):
        time.sleep(0.3)
    expect(mapped(window), "the 2-D window did not come back")
    viewer.settle()

    # Exports: the offered name, the extension added, a failure said.
    set_code(viewer, (44, 19, 52, 14), "030ea10")
    set_code(viewer, (270, 19, 48, 14), "020ea05")
    typed = os.path.join(work, "no-extension")
    for path in (typed, typed + ".svg"):
        if os.path.exists(path):
            os.remove(path)
    expect(save_as(diagrams, "SVG…", typed, typed + ".svg") and not os.path.exists(typed),
           "a name typed without extension was not saved as .svg")
    expect(viewer.text("diagram-offered") == "030EA10_020EA05_V7.svg",
           "offered: " + viewer.text("diagram-offered"))
    set_code(viewer, (44, 19, 52, 14), "066ea00")  # a code that cannot be evaluated
    save_as(diagrams, "CSV horizontal…", os.path.join(work, "h.csv"), None)
    message = text_with(viewer, "diagram-message", "Antennencodes")
    expect("Antennencodes können nicht ausgewertet werden" in message, "message: " + message)
    # The box has the keyboard focus, as a message box takes it: Return answers it.
    box = viewer.window("^Veltrisko$", timeout=20)
    expect(box is not None, "no message box")
    viewer.press("Return")
    end = time.time() + 10
    while time.time() < end and viewer.window("^Veltrisko$", timeout=0.1) is not None:
        time.sleep(0.3)
    expect(viewer.window("^Veltrisko$", timeout=0.1) is None, "the message box stayed open")
    expect(not os.path.exists(os.path.join(work, "h.csv")), "a CSV was written")


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, linux_bin, work = sys.argv[split + 1:split + 4]
    os.makedirs(work, exist_ok=True)
    measured = os.path.join(work, LONG_NAME)
    shutil.copy(MEASURED, measured)
    # The prefix is the build's shared one: a server an earlier test left
    # running would give the viewer that test's screen.
    viewer_test.stop_wine_server(wine_run)
    viewer = Viewer(wine_run, exe, os.path.join(linux_bin, "steady_frame"), work)
    status = viewer_test.report(viewer, work, lambda: run(viewer, work),
                                "The Windows 2-D window fits 1024 x 768.")
    viewer.process.wait(timeout=30)
    viewer_test.stop_wine_server(wine_run)
    return status


if __name__ == "__main__":
    sys.exit(main())
