#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows viewer's engineer's features under Wine, driven with xdotool
and checked through its dumps (see viewer_test.py): the dialog's value texts
and code feedback, the mouse, the readout (equal to the Linux one), the
difference view, the command line and resizing with the legends shown.

    viewer_features_test.py WINE_RUN_COMMAND... -- VIEWER.exe LINUX_BIN WORK_DIR

LINUX_BIN holds the Linux build's steady_frame, readout_at and
veltrisko-pattern.
"""
import os
import re
import subprocess
import sys
import time

import viewer_test
from viewer_test import EMPTY_PICTURE_POINT, Failure, Viewer, expect, read_ppm

HORIZONTAL_EDIT = (44, 19, 52, 14)
HCM_V6 = (13, 196, 43, 10)
LOGARITHMIC = (67, 226, 57, 10)
# Points over the pattern at the default view, as shares of the picture's
# square from its centre; the menu bar lies above the picture.
ON_PATTERN_SHARES = [(0.3, 0.03), (0.2, 0.0), (0.35, -0.02)]
MENU_BAR = 20



def copied(viewer, readout):
    """Whether the clipboard holds the readout's lines and then the codes and
    the rule they belong to (the rule is V6 where it is copied)."""
    text = viewer.text("clipboard").replace("\r\n", "\n")
    lines = readout if readout.endswith("\n") else readout + "\n"
    return bool(readout) and text.startswith(lines) and re.fullmatch(
        r"Codes: \w{7} / \w{7}, HCM V6\n", text[len(lines):]) is not None

def on_pattern(viewer, index):
    width, height, _ = read_ppm(os.path.join(viewer.dumps, "frame.ppm"))
    size = min(width, height)
    right, down = ON_PATTERN_SHARES[index]
    return int(size / 2 + right * size), int(size / 2 + down * size) + MENU_BAR


def mouse(viewer, *commands):
    subprocess.run(["xdotool", *commands], check=True)
    time.sleep(0.3)
    viewer.settle()


def hover(viewer, x, y):
    # Two steps, so that the last one is a movement inside the window.
    mouse(viewer, "mousemove", "--window", viewer.main, str(x - 2), str(y - 2))
    mouse(viewer, "mousemove", "--window", viewer.main, str(x), str(y))


def type_code(viewer, code):
    viewer.click_dialog_item(*HORIZONTAL_EDIT)
    viewer.press("End", "shift+Home")
    viewer.type(code)


def check_dialog_feedback(viewer):
    state = viewer.text("dialog")
    expect("horizontal 0: EA – gerichtet" in state and "horizontal 1: 30°" in state,
           "value texts at start:\n" + state)
    type_code(viewer, "066EA0")
    state = viewer.text("dialog")
    expect("horizontal field: not in force | unvollständiger Code – es gilt 030EA00" in state,
           "incomplete code:\n" + state)
    viewer.type("0")
    state = viewer.text("dialog")
    expect("horizontal field: rejected | Ungültiger Antennencode: 066EA00 (horizontal)" in state,
           "rejected code:\n" + state)
    expect(viewer.text("code-message") == "Ungültiger Antennencode: 066EA00 (horizontal)",
           "message over the picture: %r" % viewer.text("code-message"))
    expect("[marked] hor.:  066EA00" in viewer.text("info-legend"),
           "rejected code not marked:\n" + viewer.text("info-legend"))
    type_code(viewer, "030EA00")
    expect("horizontal field: in force" in viewer.text("dialog"), "code not back in force")
    expect(viewer.text("code-message") == "", "message stays after a valid code")


def check_mouse(viewer):
    x, y = 150, 200
    mouse(viewer, "mousemove", "--window", viewer.main, str(x), str(y), "mousedown", "1",
          "mousemove_relative", "--", "20", "-6", "mouseup", "1")
    info = viewer.text("info-legend")
    expect("Azimut: 10.0 °" in info and "Elevation: 3.0 °" in info, "left drag:\n" + info)
    mouse(viewer, "mousemove", "--window", viewer.main, str(x), str(y), "keydown", "shift",
          "mousedown", "1", "mousemove_relative", "0", "10", "mouseup", "1", "keyup", "shift")
    expect("Kippung: 5.0 °" in viewer.text("info-legend"), "Shift + left drag")
    mouse(viewer, "mousemove", "--window", viewer.main, str(x), str(y), "mousedown", "3",
          "mousemove_relative", "0", "10", "mouseup", "3")
    expect("Kippung: 10.0 °" in viewer.text("info-legend"), "right drag")
    viewer.keys(viewer.main, "Home")


def readout_matches_linux(viewer, linux_bin, arguments):
    """The box's text equals the Linux readout of the same pixel."""
    at, size = viewer.text("hover").split()
    width, height = size.split("x")
    expected = subprocess.run(
        [os.path.join(linux_bin, "readout_at"), *arguments, "--size", "%sx%s" % (width, height),
         "--at", at], capture_output=True, text=True, check=True).stdout
    shown = viewer.text("readout")
    expect(expected != "-" and shown == expected,
           "readout at %s:\nWindows:\n%s\nLinux:\n%s" % (at, shown, expected))
    expect(viewer.text("status").startswith("Az "), "status line %r" % viewer.text("status"))


def check_readout(viewer, linux_bin):
    codes = ["--horizontal", "030EA00", "--vertical", "030EA00"]
    hover(viewer, *on_pattern(viewer, 0))
    readout_matches_linux(viewer, linux_bin, codes)
    viewer.click_dialog_item(*LOGARITHMIC)
    hover(viewer, *on_pattern(viewer, 1))
    readout_matches_linux(viewer, linux_bin, codes + ["--log", "40"])
    viewer.click_dialog_item(*HCM_V6)
    hover(viewer, *on_pattern(viewer, 2))
    readout_matches_linux(viewer, linux_bin, codes + ["--log", "40", "--rule", "v6"])

    # A click pins: the box stays when the cursor leaves; Esc unpins.
    hover(viewer, *on_pattern(viewer, 0))
    pinned = viewer.text("readout")
    mouse(viewer, "click", "1")
    hover(viewer, *EMPTY_PICTURE_POINT)
    expect(viewer.text("readout") == pinned and pinned, "pinned readout gone")
    viewer.press("ctrl+c")
    expect(copied(viewer, pinned), "Ctrl+C copied %r" % viewer.text("clipboard"))
    viewer.press("Escape")
    expect(viewer.text("readout") == "", "Esc did not unpin")

    # "Werte kopieren" in the context menu of a right click.
    hover(viewer, *on_pattern(viewer, 1))
    hovered = viewer.text("readout")
    os.remove(os.path.join(viewer.dumps, "clipboard.txt"))
    mouse(viewer, "click", "3")
    expect(viewer.text("context-menu") == "Werte kopieren\n", "context menu")
    viewer.press("Down", "Return")
    expect(copied(viewer, hovered), "the menu copied %r" % viewer.text("clipboard"))

    # The box keeps clear of the dialog: with the dialog's corner just below
    # and right of the cursor, the box stands on another side.
    def rectangles():
        return dict((words[0], [int(w) for w in words[1:]])
                    for words in map(str.split, viewer.text("readout-box").splitlines()))
    x, y = on_pattern(viewer, 1)
    hover(viewer, x, y)
    dialog = rectangles()["dialog"]
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", viewer.dialog],
                              capture_output=True, text=True, check=True).stdout
    place = dict(line.split("=") for line in geometry.split())
    moved_x = int(place["X"]) + x + 30 - dialog[0]
    moved_y = int(place["Y"]) + y - MENU_BAR + 30 - dialog[1]
    mouse(viewer, "windowmove", viewer.dialog, str(moved_x), str(moved_y))
    hover(viewer, x, y)
    found = rectangles()
    box, dialog = found["box"], found["dialog"]
    apart = (box[0] + box[2] <= dialog[0] or dialog[0] + dialog[2] <= box[0] or
             box[1] + box[3] <= dialog[1] or dialog[1] + dialog[3] <= box[1])
    expect(box[2] > 0 and dialog[2] > 0 and apart, "the readout box covers the dialog: %s" % found)


def check_difference(viewer):
    frame = os.path.join(viewer.dumps, "frame.ppm")
    _, _, before = read_ppm(frame)
    viewer.menu("a")
    viewer.press("u")  # "&Unterschied V6/V7"
    info = viewer.text("info-legend")
    expect("Unterschied V6/V7, max " in info, "difference legend:\n" + info)
    labels = viewer.text("colour-legend").splitlines()
    expect(labels[0] == "0 dB" and labels[1].endswith(" dB"), "difference scale %s" % labels)
    _, _, after = read_ppm(frame)
    expect(after != before, "the surface is not coloured by the difference")
    expect(viewer.menu("a").get("40027") == "checked", "difference not checked")
    viewer.press("u")
    expect("Unterschied" not in viewer.text("info-legend"), "difference view stays")


def check_resizing(viewer):
    for size in [(700, 500), (1100, 800), (360, 260), (8, 8), (900, 700)]:
        subprocess.run(["xdotool", "windowsize", viewer.main, *map(str, size)], check=True)
        time.sleep(0.5)
        viewer.settle()
    viewer.keys(viewer.main, "Right")
    expect("Azimut: 1.1 °" in viewer.text("info-legend"), "no answer after resizing")
    width, height, _ = read_ppm(os.path.join(viewer.dumps, "frame.ppm"))
    expect(width > 600 and height > 400, "frame %dx%d after resizing" % (width, height))


def check_command_line(wine_run, exe, linux_bin, work):
    # The four answers started at once: each start of Wine takes a while.
    started = {}
    for arguments in [("--help",), ("--lang", "en", "--help"), ("--version",), ("--rule", "v8")]:
        started[arguments] = subprocess.Popen(wine_run + [exe, *arguments], text=True,
                                              stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                              stderr=subprocess.PIPE)

    def run(*arguments):
        process = started[arguments]
        stdout, stderr = process.communicate(timeout=120)
        return subprocess.CompletedProcess(arguments, process.returncode, stdout, stderr)

    # The help in the language in force: German at first, English when asked.
    answer = run("--help")
    expect(answer.returncode == 0 and "Aufruf: veltrisko [--rule v6|v7] [--log DBBEREICH]" in
           answer.stdout, "--help: %d %r" % (answer.returncode, answer.stdout))
    answer = run("--lang", "en", "--help")
    expect(answer.returncode == 0 and "Usage: veltrisko [--rule v6|v7] [--log DBRANGE]" in
           answer.stdout, "--lang en --help: %d %r" % (answer.returncode, answer.stdout))
    answer = run("--version")
    expect(answer.returncode == 0 and answer.stdout.startswith("veltrisko "), "--version")
    answer = run("--rule", "v8")
    expect(answer.returncode == 2 and "veltrisko: --rule takes v6 or v7, not v8" in answer.stderr,
           "wrong option: %d %r" % (answer.returncode, answer.stderr))

    arguments = ["--rule", "v6", "--log", "30", "120la10", "020EA05"]
    viewer = Viewer(wine_run, exe, os.path.join(linux_bin, "steady_frame"),
                    os.path.join(work, "command-line"), arguments)
    try:
        info = viewer.text("info-legend")
        expect("hor.:  120LA10" in info and "vert.: 020EA05" in info and "HCM V6" in info and
               "-30 .. 0 dB" in info, "started with %s:\n%s" % (arguments, info))
        viewer.frame_matches_linux("command-line", [
            "--horizontal", "120LA10", "--vertical", "020EA05", "--rule", "v6", "--log", "30"])
    finally:
        viewer.end()


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, linux_bin, work = sys.argv[split + 1:split + 4]
    os.makedirs(work, exist_ok=True)
    failures = viewer_test.failures
    try:
        check_command_line(wine_run, exe, linux_bin, work)
    except Failure as failure:
        failures.append(str(failure))
    viewer = Viewer(wine_run, exe, os.path.join(linux_bin, "steady_frame"),
                    os.path.join(work, "features"))

    def checks():
        expect(viewer.dialog is not None, "no configuration dialog")
        # The dialog opens over the picture's lower right: moved aside, so
        # that the mouse reaches the pattern.
        subprocess.run(["xdotool", "windowmove", viewer.dialog, "1000", "700"], check=True)
        check_dialog_feedback(viewer)
        check_mouse(viewer)
        check_readout(viewer, linux_bin)
        check_difference(viewer)
        check_resizing(viewer)

    return viewer_test.report(viewer, os.path.join(work, "features"), checks,
                              "The Windows viewer's features passed.")


if __name__ == "__main__":
    sys.exit(main())
