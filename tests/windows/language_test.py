#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The Windows viewer in English and German under Wine, in a prefix of the
test's own: started with --lang en no German text is left in the titles, the
menus, the dialog's controls, the legends, the readout's context menu, the 2-D
window and the fit window (a measured pattern imported and fitted); View >
Language > Deutsch changes the open windows at once; every text of the dialog,
the 2-D and fit windows fits its control, and every legend text its legend, in
both languages; the language and the main window's place are read back from
the registry at the next start, the place kept on the screen.

With DPI (96 unless given) the prefix's screen has that many dots per inch:
at 144 (150 %) the texts must fit just as well; what the dpi does not change
(the restart, the readout's words, the context menu) is then left out.

    language_test.py WINE_RUN --prefix PREFIX -- VIEWER.exe STEADY_FRAME WORK_DIR [DPI]
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
DIALOG_WIDTH_AT_96 = 793
# Codes whose types together show every label and kind of value text.
CODES = ["000ND00", "030EB10", "030EC10", "030DE10", "030LA10", "050KA10", "050CA10",
         "050CB10", "050CC10", "205VA31", "205WB31", "890TA05", "066EA0"]
# The dumps that hold what the main window, the dialog and the legends show.
SHOWN_TEXTS = ["main-window", "dialog-controls", "dialog", "info-legend", "colour-legend",
               "code-message"]
UMLAUTS = re.compile("[äöüÄÖÜß]")
MEASURED = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                         "tools", "fit_input_horizontal.csv"))


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


def expect_dumps_english(viewer, *names):
    """Each named dump has text, no German word and no decimal comma."""
    for name in names:
        text = viewer.text(name)
        found = german_in(text) + re.findall(r"\d,\d", text)
        expect(text and not found, "English: German in %s: %s\n%s" % (name, found, text))


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


def expect_fitting(viewer, where, name="dialog-controls"):
    """Every control's text needs no more than the control's size."""
    lines = [line.split(" ", 6) for line in viewer.text(name).splitlines()
             if line.startswith("control ")]
    expect(lines, "%s: no controls dumped in %s" % (where, name))
    for _, number, kind, shown, need, have, text in lines:
        need_w, need_h = map(int, need.split("x"))
        have_w, have_h = map(int, have.split("x"))
        expect(shown == "hidden" or (need_w <= have_w and need_h <= have_h),
               "%s: %s %s %r needs %s, has %s" % (where, kind, number, text, need, have))


def expect_legends_fitting(viewer, where):
    """Each legend's texts lie inside it, none over another."""
    for name in ("info-legend-places", "colour-legend-places"):
        lines = viewer.text(name).splitlines()
        expect(lines and lines[0].startswith("client "), "%s: no %s" % (where, name))
        width, height = map(int, lines[0].split()[1:])
        drawn = []
        for line in lines[1:]:
            left, top, right, bottom, text = (line.split(" ", 4) + [""])[:5]
            box = tuple(map(int, (left, top, right, bottom)))
            expect(0 <= box[0] and 0 <= box[1] and box[2] <= width and box[3] <= height,
                   "%s: %r at %s outside the %dx%d %s" % (where, text, box, width, height, name))
            for other, other_text in drawn:
                expect(box[2] <= other[0] or other[2] <= box[0] or box[3] <= other[1] or
                       other[3] <= box[1],
                       "%s: %r at %s over %r at %s" % (where, text, box, other_text, other))
            if text:
                drawn.append((box, text))


def expect_all_fitting(viewer, where):
    expect_fitting(viewer, where)
    expect_legends_fitting(viewer, where)


def type_code(viewer, code):
    """The code typed over the horizontal field's text, in one run of
    xdotool and one wait: this runs for every type in both languages."""
    size = dict(line.split("=") for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", viewer.dialog],
        capture_output=True, text=True, check=True).stdout.split())
    x, y, width, height = HORIZONTAL_EDIT
    at = [str(int((x + width / 2) * int(size["WIDTH"]) / 453)),
          str(int((y + height / 2) * int(size["HEIGHT"]) / 247))]
    subprocess.run(["xdotool", "mousemove", "--window", viewer.dialog, *at, "click", "1",
                    "sleep", "0.2", "key", "--delay", "30", "End", "shift+Home",
                    "type", "--delay", "30", code], check=True)
    # The field is dumped as it changes; the legends follow within a paint.
    end = time.time() + 30
    while time.time() < end and not typed_field(viewer).endswith(" " + code):
        time.sleep(0.1)
    viewer.settle(quiet=0.5)
    field = typed_field(viewer)
    expect(field.endswith(" " + code), "typed %s, the field: %s" % (code, field))


def typed_field(viewer):
    lines = [line for line in viewer.text("dialog-controls").splitlines()
             if line.startswith("control 1020 ")]
    return lines[0] if lines else ""


def check_every_type(viewer, where, english):
    for code in CODES:
        type_code(viewer, code)
        expect_all_fitting(viewer, "%s, %s" % (where, code))
        if english:
            expect_english(viewer, "%s, %s" % (where, code))
    type_code(viewer, "030EA00")


def check_english(viewer, scaled):
    main = viewer.text("main-window")
    expect(main.startswith("title Veltrisko   HCM antenna patterns\n") and
           "menu &View > La&nguage > Deutsch\n" in main, "English main window:\n" + main)
    expect(viewer.text("dialog-controls").startswith("title " + ENGLISH_DIALOG),
           "dialog title:\n" + viewer.text("dialog-controls"))
    expect_english(viewer, "English")
    expect_all_fitting(viewer, "English")
    viewer.click_dialog_item(*LOGARITHMIC)
    expect("dB: " in viewer.text("dialog"), "no dB range after logarithmic")
    expect_all_fitting(viewer, "English, logarithmic")
    check_every_type(viewer, "English", True)
    if not scaled:
        # The readout's context menu, opened from the keyboard.
        viewer.keys(viewer.main, "shift+F10")
        expect(viewer.text("context-menu").startswith("Copy values"),
               "context menu %r" % viewer.text("context-menu"))
        viewer.press("Escape")
        # The readout and the status line at a point of the pattern: English
        # words and decimal points.
        hover(viewer, *on_pattern(viewer, 0))
        expect_dumps_english(viewer, "readout", "status")
    # The 2-D window: its controls, every label of both plots and the reading.
    viewer.keys(viewer.main, "alt+v")
    viewer.press("2")  # "&2-D diagrams"
    diagrams = viewer.window("Veltrisko – 2-D diagrams", timeout=30)
    expect(diagrams is not None, "no 2-D window")
    # Below the main window's menu, the dialog and the fit window.
    subprocess.run(["xdotool", "windowmove", diagrams, "0", "250"], check=True)
    viewer.settle()
    hover_plot(viewer, "Azimuth ")
    expect_dumps_english(viewer, "diagram-controls", "diagram-horizontal", "diagram-vertical",
                         "diagram-reading", "diagram-texts")
    expect_fitting(viewer, "English 2-D window", "diagram-texts")
    return diagrams, check_fit_window(viewer)


def hover_plot(viewer, word):
    """The mouse over the horizontal plot, until the reading names `word`."""
    plot = [line.split("\t") for line in viewer.text("diagram-controls").splitlines()
            if line.startswith("0\t")]
    expect(plot, "no horizontal plot:\n" + viewer.text("diagram-controls"))
    x, y = int(plot[0][1]), int(plot[0][2])
    for step in range(2):
        subprocess.run(["xdotool", "mousemove", str(x), str(y - 30 - step)], check=True)
        viewer.settle()
    reading = viewer.text("diagram-reading")
    expect(reading.startswith(word), "reading: %r" % reading)


def check_fit_window(viewer):
    """The measured pattern imported and fitted: the fit window's labels,
    headers, findings and rows in English."""
    viewer.keys(viewer.main, "alt+f")
    viewer.press("i")  # "&Import pattern…"
    chooser = viewer.window("Import pattern", timeout=20)
    expect(chooser is not None, "no file dialog after Import pattern")
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "8", "Z:" + MEASURED.replace("/", "\\")],
                   check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    end = time.time() + 20
    while time.time() < end and os.path.basename(MEASURED) not in viewer.text("info-legend"):
        time.sleep(0.3)
    viewer.settle()
    viewer.keys(viewer.main, "alt+t")
    viewer.press("f")  # "&Fit antenna code…"
    fit = viewer.window("Fit antenna code", timeout=20)
    expect(fit is not None, "no fit window")
    subprocess.run(["xdotool", "windowmove", fit, "700", "0"], check=True)
    viewer.settle()
    start = [line.split("\t") for line in viewer.text("fit-controls").splitlines()
             if line.startswith("203\t")]
    expect(start, "no fit button:\n" + viewer.text("fit-controls"))
    subprocess.run(["xdotool", "mousemove", start[0][1], start[0][2], "click", "1"], check=True)
    end = time.time() + 60
    while time.time() < end and not viewer.text("fit-rows"):
        time.sleep(0.3)
    viewer.settle()
    expect_dumps_english(viewer, "fit-texts", "fit-rows")
    expect(" cell " in viewer.text("fit-texts"), "no rows:\n" + viewer.text("fit-texts"))
    expect_fitting(viewer, "English fit window", "fit-texts")
    expect_legends_fitting(viewer, "English, file imported")
    return fit


def check_windows_in_german(viewer, windows):
    """The 2-D and fit windows follow the switch to German and fit its
    texts; then they are closed, out of the dialog's way."""
    hover_plot(viewer, "Azimut ")
    expect_fitting(viewer, "German 2-D window", "diagram-texts")
    expect("Darstellung:" in viewer.text("diagram-texts"), viewer.text("diagram-texts"))
    expect_fitting(viewer, "German fit window", "fit-texts")
    expect("Kriterium:" in viewer.text("fit-texts"), viewer.text("fit-texts"))
    expect_legends_fitting(viewer, "German, file imported")
    for window in windows:
        viewer.keys(window, "alt+F4")


def switch_to_german(viewer):
    viewer.keys(viewer.main, "alt+v")
    viewer.press("n", "Return")  # "La&nguage", its first entry "Deutsch"


def check_german(viewer, wine_run):
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
        viewer.end()


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
        viewer.end()


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, tool, work = sys.argv[split + 1:split + 4]
    dpi = int(sys.argv[split + 4]) if len(sys.argv) > split + 4 else 96
    os.makedirs(work, exist_ok=True)
    failures = viewer_test.failures
    prefix = wine_run[wine_run.index("--prefix") + 1]
    # A run before this one may have left its choices, or another dpi.
    subprocess.run(wine_run + ["reg", "delete", SETTINGS_KEY, "/f"], capture_output=True,
                   stdin=subprocess.DEVNULL)
    subprocess.run(wine_run + ["reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels",
                               "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                   capture_output=True, check=True, stdin=subprocess.DEVNULL)
    # Wine reads the dpi when its server starts.
    subprocess.run([wine_run[0], "--prefix", prefix, "--stop"])
    viewer = Viewer(wine_run, exe, tool, os.path.join(work, "english"), ["--lang", "en"],
                    dialog_title=ENGLISH_DIALOG, fresh=False)
    place = None
    try:
        expect(viewer.dialog is not None, "no English dialog")
        # The dialog's template grows with the dpi: proof that it is in force.
        dialog_width = geometry(viewer.dialog)[2]
        expect(abs(dialog_width / DIALOG_WIDTH_AT_96 - dpi / 96) < 0.1,
               "dialog %d pixels wide at %d dpi" % (dialog_width, dpi))
        subprocess.run(["xdotool", "windowmove", viewer.dialog, "900", "600"], check=True)
        windows = check_english(viewer, dpi != 96)
        switch_to_german(viewer)
        check_windows_in_german(viewer, windows)
        check_german(viewer, wine_run)
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
        viewer.end()
    for check in [lambda: check_restart(wine_run, exe, tool, work, place),
                  lambda: check_place_kept_on_screen(wine_run, exe, tool, work)]:
        try:
            if place is not None and dpi == 96:
                check()
        except Failure as failure:
            failures.append(str(failure))
    subprocess.run([wine_run[0], "--prefix", prefix, "--stop"])
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        return 1
    print("The Windows viewer's languages passed.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
