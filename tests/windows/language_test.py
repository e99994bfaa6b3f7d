#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows viewer in English and German under Wine, in a prefix of the
test's own: started with --lang en no German text is left in the titles, the
menus, the dialog's controls, the legends and the readout's context menu;
View > Language > Deutsch changes the open windows at once; every dialog text
fits its control in both languages; the language and the main window's place
are read back from the registry at the next start, the place kept on the
screen. The 2-D and fit windows are not checked here.

    language_test.py WINE_RUN --prefix PREFIX -- VIEWER.exe STEADY_FRAME WORK_DIR
"""
import glob
import os
import re
import subprocess
import sys
import time

import viewer_test
from viewer_features_test import hover, on_pattern
from viewer_test import Failure, Viewer, expect

ENGLISH_DIALOG = "Antenna type configuration"
GERMAN_DIALOG = viewer_test.DIALOG
HORIZONTAL_EDIT = (44, 19, 52, 14)
LOGARITHMIC = (67, 226, 57, 10)
SETTINGS_KEY = "HKCU\\Software\\Veltrisko"
# Codes whose types together show every label and kind of value text.
CODES = ["000ND00", "030EB10", "030EC10", "030DE10", "030LA10", "050KA10", "050CA10",
         "050CB10", "050CC10", "205VA31", "205WB31", "890TA05", "066EA0"]
# The dumps that hold what the main window, the dialog and the legends show.
SHOWN_TEXTS = ["main-window", "dialog-controls", "dialog", "info-legend", "colour-legend",
               "code-message"]
UMLAUTS = re.compile("[äöüÄÖÜß]")


def german_only_texts():
    """The catalogue's German texts that differ from their English ones."""
    pair = re.compile(r'\{\s*((?:"[^"]*"\s*)+),\s*((?:"[^"]*"\s*)+)\}')
    found = set()
    here = os.path.dirname(os.path.abspath(__file__))
    for header in glob.glob(os.path.join(here, "..", "..", "text", "*.h")):
        for de, en in pair.findall(open(header, encoding="utf-8").read()):
            de, en = ("".join(re.findall(r'"([^"]*)"', t)).replace("&", "") for t in (de, en))
            # Pieces without a word of their own (")", " – ") say nothing.
            if de != en and re.search(r"[^\W\d_]{2}", de):
                found.add(de)
    return found


GERMAN = german_only_texts()


def german_in(text):
    text = text.replace("&", "")
    words = [de for de in GERMAN
             if re.search(r"(?<!\w)" + re.escape(de) + r"(?!\w)", text)]
    return words + UMLAUTS.findall(text)


def shown_text(viewer, name):
    text = viewer.text(name)
    if name == "dialog":
        # Each line names the panel in the dump's own words before ": ".
        text = "\n".join(line.split(": ", 1)[-1] for line in text.splitlines())
    return text


def expect_english(viewer, where):
    for name in SHOWN_TEXTS:
        found = german_in(shown_text(viewer, name))
        expect(not found, "%s: German in %s: %s\n%s" % (where, name, found, viewer.text(name)))


def expect_fitting(viewer, where):
    """Every control's text needs no more than the control's size."""
    lines = [line.split(" ", 6) for line in viewer.text("dialog-controls").splitlines()
             if line.startswith("control ")]
    expect(lines, "%s: no dialog controls dumped" % where)
    for _, number, kind, shown, need, have, text in lines:
        need_w, need_h = map(int, need.split("x"))
        have_w, have_h = map(int, have.split("x"))
        expect(shown == "hidden" or (need_w <= have_w and need_h <= have_h),
               "%s: %s %s %r needs %s, has %s" % (where, kind, number, text, need, have))


def type_code(viewer, code):
    viewer.click_dialog_item(*HORIZONTAL_EDIT)
    viewer.press("End", "shift+Home")
    viewer.type(code)


def check_every_type(viewer, where, english):
    for code in CODES:
        type_code(viewer, code)
        expect_fitting(viewer, "%s, %s" % (where, code))
        if english:
            expect_english(viewer, "%s, %s" % (where, code))
    type_code(viewer, "030EA00")


def check_english(viewer):
    main = viewer.text("main-window")
    expect(main.startswith("title Veltrisko   HCM antenna patterns\n") and
           "menu &View > La&nguage > Deutsch\n" in main, "English main window:\n" + main)
    expect(viewer.text("dialog-controls").startswith("title " + ENGLISH_DIALOG),
           "dialog title:\n" + viewer.text("dialog-controls"))
    expect_english(viewer, "English")
    expect_fitting(viewer, "English")
    viewer.click_dialog_item(*LOGARITHMIC)
    expect("dB: " in viewer.text("dialog"), "no dB range after logarithmic")
    expect_fitting(viewer, "English, logarithmic")
    check_every_type(viewer, "English", True)
    # The readout's context menu, opened from the keyboard.
    viewer.keys(viewer.main, "shift+F10")
    expect(viewer.text("context-menu").startswith("Copy values"),
           "context menu %r" % viewer.text("context-menu"))
    viewer.press("Escape")

    # The readout and the status line at a point of the pattern: English
    # words and decimal points.
    hover(viewer, *on_pattern(viewer, 0))
    for name in ("readout", "status"):
        text = viewer.text(name)
        found = german_in(text) + re.findall(r"\d,\d", text)
        expect(text and not found, "English: German in %s: %s\n%s" % (name, found, text))
    # The 2-D window: its controls, every label of both plots and the reading.
    viewer.keys(viewer.main, "alt+v")
    viewer.press("2")  # "&2-D diagrams"
    diagrams = viewer.window("Veltrisko – 2-D diagrams", timeout=30)
    expect(diagrams is not None, "no 2-D window")
    viewer.settle()
    for name in ("diagram-controls", "diagram-horizontal", "diagram-vertical"):
        text = viewer.text(name)
        found = german_in(text) + re.findall(r"\d,\d", text)
        expect(text and not found, "English: German in %s: %s\n%s" % (name, found, text))
    viewer.keys(diagrams, "alt+F4")  # out of the way of the windows below it


def check_switch_to_german(viewer, wine_run):
    viewer.keys(viewer.main, "alt+v")
    viewer.press("n", "Return")  # "La&nguage", its first entry "Deutsch"
    main = viewer.text("main-window")
    expect(main.startswith("title Veltrisko   HCM-Antennendiagramme\n") and
           "menu &Datei > &Antennentyp\n" in main and
           "menu &Ansicht > S&prache > English\n" in main, "German main window:\n" + main)
    controls = viewer.text("dialog-controls")
    expect(controls.startswith("title " + GERMAN_DIALOG) and
           " &horizontaler Antennentyp\n" in controls and " logarithmisch\n" in controls,
           "German dialog:\n" + controls)
    expect("Azimut:" in viewer.text("info-legend"), "legend:\n" + viewer.text("info-legend"))
    expect(registry(wine_run, "Language") == "de", "Language kept: %r" %
           registry(wine_run, "Language"))
    check_every_type(viewer, "German", False)


def registry(wine_run, value):
    answer = subprocess.run(wine_run + ["reg", "query", SETTINGS_KEY, "/v", value],
                            capture_output=True, text=True, stdin=subprocess.DEVNULL)
    for line in answer.stdout.splitlines():
        words = line.split(None, 2)
        if len(words) == 3 and words[0] == value:
            return words[2].strip()
    return None


def geometry(window):
    answer = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                            capture_output=True, text=True, check=True).stdout
    place = dict(line.split("=") for line in answer.split())
    return tuple(int(place[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def check_restart(wine_run, exe, tool, work, place):
    """English and the main window's place, read back from the registry."""
    viewer = Viewer(wine_run, exe, tool, os.path.join(work, "restarted"),
                    dialog_title=ENGLISH_DIALOG, fresh=False)
    try:
        expect(viewer.dialog is not None, "no English dialog after the restart")
        expect(viewer.text("main-window").startswith("title Veltrisko   HCM antenna patterns"),
               "restarted main window:\n" + viewer.text("main-window"))
        shown = geometry(viewer.main)
        expect(all(abs(a - b) <= 2 for a, b in zip(shown, place)),
               "main window at %s, left at %s" % (shown, place))
    finally:
        viewer.process.kill()
        viewer.process.wait()


def check_place_kept_on_screen(wine_run, exe, tool, work):
    subprocess.run(wine_run + ["reg", "add", SETTINGS_KEY, "/v", "MainWindow", "/d",
                               "5000 4000 5700 4500 normal", "/f"],
                   capture_output=True, check=True, stdin=subprocess.DEVNULL)
    viewer = Viewer(wine_run, exe, tool, os.path.join(work, "off-screen"),
                    dialog_title=ENGLISH_DIALOG, fresh=False)
    try:
        x, y, width, height = geometry(viewer.main)
        screen = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                                text=True, check=True).stdout.split()
        expect(0 <= x and 0 <= y and x + width <= int(screen[0]) and
               y + height <= int(screen[1]) and width >= 690,
               "main window at %s on a %s screen" % ((x, y, width, height), screen))
    finally:
        viewer.process.kill()
        viewer.process.wait()


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, tool, work = sys.argv[split + 1:split + 4]
    os.makedirs(work, exist_ok=True)
    failures = viewer_test.failures
    # A run before this one may have left its choices.
    subprocess.run(wine_run + ["reg", "delete", SETTINGS_KEY, "/f"], capture_output=True,
                   stdin=subprocess.DEVNULL)
    viewer = Viewer(wine_run, exe, tool, os.path.join(work, "english"), ["--lang", "en"],
                    dialog_title=ENGLISH_DIALOG, fresh=False)
    place = None
    try:
        expect(viewer.dialog is not None, "no English dialog")
        subprocess.run(["xdotool", "windowmove", viewer.dialog, "900", "600"], check=True)
        check_english(viewer)
        check_switch_to_german(viewer, wine_run)
        # Back to English through the German menu, then quit.
        viewer.keys(viewer.main, "alt+a")
        viewer.press("p", "Down", "Return")  # "S&prache", its second entry "English"
        expect(viewer.text("main-window").startswith("title Veltrisko   HCM antenna"),
               "not English again:\n" + viewer.text("main-window"))
        subprocess.run(["xdotool", "windowsize", viewer.main, "900", "640"], check=True)
        subprocess.run(["xdotool", "windowmove", viewer.main, "60", "50"], check=True)
        time.sleep(0.5)
        viewer.settle()
        place = geometry(viewer.main)
        viewer.keys(viewer.main, "alt+f")
        viewer.press("x")  # "E&xit"
        viewer.process.wait(timeout=30)
        expect(registry(wine_run, "Language") == "en", "Language kept: %r" %
               registry(wine_run, "Language"))
    except Failure as failure:
        failures.append(str(failure))
    finally:
        if viewer.process.poll() is None:
            viewer.process.kill()
    for check in [lambda: check_restart(wine_run, exe, tool, work, place),
                  lambda: check_place_kept_on_screen(wine_run, exe, tool, work)]:
        try:
            if place is not None:
                check()
        except Failure as failure:
            failures.append(str(failure))
    prefix = wine_run[wine_run.index("--prefix") + 1]
    subprocess.run([wine_run[0], "--prefix", prefix, "--stop"])
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        return 1
    print("The Windows viewer's languages passed.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
