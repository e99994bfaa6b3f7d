#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Drives the Windows viewer's 2-D window under Wine with xdotool: opened by
"Ansicht -> 2D-Diagramme", following the dialog, its check boxes, its style,
the reading at the mouse, and its SVG and CSV exports through the common file
dialog, which must equal the Linux ones byte for byte for three states (the
last with a file imported by "Datei -> Diagramm importieren…"); then the code
fit of that file, whose rows must equal those of `veltrisko-pattern fit`, and
which follows the next file imported.

    diagram_window_test.py WINE_RUN_COMMAND... -- VIEWER.exe STEADY_FRAME
        WRITE_DIAGRAM_FILES PATTERN_TOOL WORK_DIR

WRITE_DIAGRAM_FILES (tests/diagram/write_diagram_files.cpp) writes what the
Linux viewer's 2-D window exports for a state; PATTERN_TOOL is the Linux
veltrisko-pattern.
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import viewer_test  # noqa: E402
from viewer_test import Failure, Viewer, expect  # noqa: E402

WINDOW = "2D-Diagramme"
PATTERN_TOOL = []  # the Linux veltrisko-pattern, from the command line
MEASURED = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                         "tools", "fit_input_horizontal.csv"))
OTHER_MEASURED = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                               "..", "docs", "example-tilted-sector.msi"))


def text_with(viewer, name, needle, timeout=30):
    """The dump `name` once it holds `needle` (or as it is after `timeout`):
    a loaded machine may paint a while after the last dump went quiet."""
    end = time.time() + timeout
    while time.time() < end and needle not in viewer.text(name):
        time.sleep(0.3)
    return viewer.text(name)


def wine_path(path):
    return "Z:" + path.replace("/", "\\")


class Diagrams:
    def __init__(self, viewer):
        self.viewer = viewer
        viewer.keys(viewer.main, "alt+a")
        viewer.press("2")  # "&2D-Diagramme"
        self.window = viewer.window(WINDOW, timeout=30)
        expect(self.window is not None, "no 2-D window after Ansicht -> 2D-Diagramme")
        # Below the dialog and over the main window's lower part.
        subprocess.run(["xdotool", "windowsize", self.window, "1100", "470"], check=True)
        subprocess.run(["xdotool", "windowmove", self.window, "0", "725"], check=True)
        viewer.settle()

    def controls(self):
        """id -> (x, y, text) of the visible controls, on the screen."""
        found = {}
        for line in self.viewer.text("diagram-controls").splitlines():
            ident, x, y, text = (line.split("\t") + [""])[:4]
            found[int(ident), text] = (int(x), int(y))
        return found

    def click(self, text, settle=True):
        """Clicks a control; `settle` waits for what it changes (a button that
        opens a dialog needs no wait, the dialog is waited for)."""
        for (ident, label), (x, y) in self.controls().items():
            if label == text:
                subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
                if settle:
                    time.sleep(0.3)
                    self.viewer.settle()
                return
        raise Failure("no control '%s' in %s" % (text, self.controls()))

    def plot_centre(self, ident):
        for (i, label), at in self.controls().items():
            if i == ident and label == "":
                return at
        raise Failure("no plot %d" % ident)

    def export(self, button, path):
        """Saves through the button's common file dialog."""
        if os.path.exists(path):
            os.remove(path)
        self.click(button, settle=False)
        dialog = self.viewer.window("Exportieren", timeout=20)
        expect(dialog is not None, "no file dialog after %s" % button)
        time.sleep(0.5)
        subprocess.run(["xdotool", "key", "--window", dialog, "ctrl+a"], check=True)
        subprocess.run(["xdotool", "type", "--delay", "8", wine_path(path)], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)
        end = time.time() + 20
        while time.time() < end and not os.path.exists(path):
            time.sleep(0.2)
        expect(os.path.exists(path), "%s did not write %s" % (button, path))


def same_files(diagrams, writer, work, label, arguments):
    """The three exports of the window equal the Linux ones."""
    linux = os.path.join(work, label + "-linux")
    subprocess.run([writer, *arguments[:4], linux, *arguments[4:]], check=True)
    for button, suffix in (("SVG…", ".svg"), ("CSV horizontal…", "-horizontal.csv"),
                           ("CSV vertikal…", "-vertical.csv")):
        windows = os.path.join(work, label + "-windows" + suffix)
        diagrams.export(button, windows)
        with open(windows, "rb") as w, open(linux + suffix, "rb") as l:
            expect(w.read() == l.read(), "%s%s differs from the Linux file" % (label, suffix))


def set_code(viewer, edit_field, code):
    viewer.click_dialog_item(*edit_field)
    viewer.press("End", "shift+Home")
    viewer.type(code)


def run(viewer, writer, work):
    expect(viewer.main is not None and viewer.dialog is not None, "the viewer did not start")
    # The dialog top right, the 2-D window (see Diagrams) below: all in reach.
    subprocess.run(["xdotool", "windowmove", viewer.dialog, "805", "0"], check=True)
    viewer.settle()
    set_code(viewer, (44, 19, 52, 14), "030ea10")
    set_code(viewer, (270, 19, 48, 14), "020ea05")
    viewer.click_dialog_item(13, 196, 43, 10)  # "HCM V6"
    diagrams = Diagrams(viewer)

    # Every plot names the codes and the rule and shows all five curves; the
    # polar vertical plot the whole vertical circle, front and back.
    for cut, points in (("horizontal", 361), ("vertical", 361)):
        drawn = text_with(viewer, "diagram-" + cut, "curve 4 %d" % points).splitlines()
        expect("hor. 030EA10   vert. 020EA05   HCM V6" in drawn, "%s plot:\n%s" % (cut, drawn))
        for curve in range(5):
            expect("curve %d %d" % (curve, points) in drawn, "%s: curve %d" % (cut, curve))
    same_files(diagrams, writer, work, "v6", ["030EA10", "020EA05", "v6", "polar"])

    # The reading at the mouse angle below the plots.
    x, y = diagrams.plot_centre(0)
    subprocess.run(["xdotool", "mousemove", str(x), str(y - 30)], check=True)
    viewer.settle()
    reading = text_with(viewer, "diagram-reading", "Azimut")
    expect(reading.startswith("Azimut 0,0°:  hor. ") and "V6 " in reading, "reading: " + reading)

    # A curve's check box, and the cartesian style.
    diagrams.click("Kombination HCM V6")
    end = time.time() + 30
    while time.time() < end and "curve 2 361" in viewer.text("diagram-horizontal"):
        time.sleep(0.3)
    expect("curve 2 361" not in viewer.text("diagram-horizontal"), "V6 still drawn")
    diagrams.click("Kombination HCM V6")
    expect("curve 2 361" in text_with(viewer, "diagram-horizontal", "curve 2 361"), "V6 not back")
    diagrams.click("Polar")  # opens the list below the box: its second item
    x, y = [at for (i, _), at in diagrams.controls().items() if i == 100][0]
    subprocess.run(["xdotool", "mousemove", str(x), str(y + 30), "click", "1"], check=True)
    viewer.settle()
    expect("Azimut relativ (°)" in text_with(viewer, "diagram-horizontal", "Azimut relativ (°)"),
           "not cartesian")

    # Following the dialog live: the other rule, a logarithmic display.
    viewer.click_dialog_item(67, 196, 43, 10)  # "HCM V7"
    viewer.click_dialog_item(67, 226, 57, 10)  # "logarithmisch"
    set_code(viewer, (44, 19, 52, 14), "120la10")
    identity = "hor. 120LA10   vert. 020EA05   HCM V7"
    expect(identity in text_with(viewer, "diagram-vertical", identity),
           "the plots did not follow the dialog")
    same_files(diagrams, writer, work, "log", ["120LA10", "020EA05", "v7", "cartesian"])

    # "Datei -> Diagramm exportieren…": the file the tool writes.
    exported = os.path.join(work, "exported-windows.msi")
    if os.path.exists(exported):
        os.remove(exported)
    viewer.keys(viewer.main, "alt+d")
    viewer.press("e")
    dialog = viewer.window("Diagramm exportieren", timeout=20)
    expect(dialog is not None, "no file dialog after Diagramm exportieren")
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "8", wine_path(exported)], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    end = time.time() + 20
    while time.time() < end and not os.path.exists(exported):
        time.sleep(0.2)
    expect(os.path.exists(exported), "Diagramm exportieren wrote nothing")
    tool = subprocess.run([PATTERN_TOOL[0], "export", "--horizontal", "120LA10", "--vertical",
                           "020EA05", "--output", "-"], capture_output=True, check=True).stdout
    with open(exported, "rb") as f:
        expect(f.read() == tool, "the exported file differs from the tool's")

    # "Datei -> Diagramm importieren…": the file's curve in the plots, its
    # check box and its name in the legend.
    import_file(viewer, MEASURED)
    name = os.path.basename(MEASURED)
    drawn = text_with(viewer, "diagram-horizontal", "curve 5 361").splitlines()
    expect("Datei: " + name in drawn and "curve 5 361" in drawn, "imported plot:\n%s" % drawn)
    expect(("Datei: " + name) in [label for _, label in diagrams.controls()], "no check box")
    same_files(diagrams, writer, work, "imported", ["120LA10", "020EA05", "v7", "cartesian", MEASURED])


def import_file(viewer, path):
    """"Datei -> Diagramm importieren…" of `path`, until the legend names it."""
    viewer.keys(viewer.main, "alt+d")
    viewer.press("i")
    dialog = viewer.window("Diagramm importieren", timeout=20)
    expect(dialog is not None, "no file dialog after Diagramm importieren")
    time.sleep(0.5)
    subprocess.run(["xdotool", "type", "--delay", "8", wine_path(path)], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    legend = text_with(viewer, "info-legend", "Datei: " + os.path.basename(path), timeout=20)
    viewer.settle()
    expect("Datei: " + os.path.basename(path) in legend, "legend:\n" + legend)


def fit_rows_of_tool(pattern_tool, top):
    """The horizontal rows `veltrisko-pattern fit` prints, as the dialog shows
    them (codes as the window lists them, largest deviation, RMS, mean excess;
    decimal commas)."""
    def run(*extra):
        return subprocess.run([pattern_tool, "fit", MEASURED, "--top", str(top)] + list(extra),
                              capture_output=True, text=True, check=True).stdout
    # The codes of each rank in the order the CSV rows give them, the first
    # the one the row sets.
    codes = {}
    for line in run("--csv").splitlines()[1:]:
        component, rank, code = line.split(",")[:3]
        if component == "horizontal":
            codes.setdefault(rank, []).append(code)
    rows = []
    for line in run().splitlines():
        row = re.match(r"\s*(\d+)\s+\S+(?: \.\. \S+ \(\d+ codes\))?\s+"
                       r"(-?[\d.]+)\s+(-?[\d.]+)\s+(-?[\d.]+)$", line)
        if row:
            group = codes[row.group(1)]
            listed = group if len(group) <= 3 else group[:2]
            shown = ", ".join(listed)
            if len(listed) < len(group):
                shown += " und %d weitere" % (len(group) - len(listed))
            rows.append("\t".join([shown] + [w.replace(".", ",") for w in row.group(2, 3, 4)]))
    return rows


def fit_without_a_file(viewer):
    """Extras -> Antennencode anpassen… before any file asks whether to import
    one; "Nein" opens no fit window."""
    viewer.keys(viewer.main, "alt+e")
    viewer.press("a")
    expect(viewer.window("^Veltrisko$", timeout=20) is not None, "no question before the fit")
    subprocess.run(["import", "-window", "root",
                    os.path.join(viewer.work, "windows-fit-question.png")], check=True)
    viewer.press("n")
    end = time.time() + 10
    while time.time() < end and viewer.window("^Veltrisko$", timeout=0.5):
        time.sleep(0.3)
    expect(viewer.window("^Veltrisko$", timeout=0.5) is None, "the question stayed after Nein")
    expect(viewer.window("Antennencode anpassen", timeout=2) is None, "a fit window without a file")


def fit(viewer, pattern_tool):
    """Extras -> Antennencode anpassen…: the rows equal the tool's; a chosen
    row sets the horizontal code."""
    viewer.keys(viewer.main, "alt+e")
    viewer.press("a")
    expect(viewer.window("Antennencode anpassen", timeout=20) is not None, "no fit window")
    viewer.settle()
    places = dict((line.split("\t")[0], line.split("\t")[1:])
                  for line in viewer.text("fit-controls").splitlines())
    x, y = map(int, places["203"])
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
    end = time.time() + 60
    while time.time() < end and not viewer.text("fit-rows"):
        time.sleep(0.3)
    lines = viewer.text("fit-rows").splitlines()
    expect(lines and lines[0] == "Horizontal", "fit rows:\n%s" % lines)
    shown = lines[1:lines.index("Vertikal")]
    expected = fit_rows_of_tool(pattern_tool, len(shown))
    expect(shown == expected, "fit rows %s, the tool's %s" % (shown, expected))
    pictures = os.environ.get("VELTRISKO_SCREENSHOTS")
    if pictures:
        subprocess.run(["import", "-window", "root", os.path.join(pictures, "windows-fit.png")],
                       check=True)
    # The second row: below the list's header (the list is 110 px high), one row height further.
    x, y = map(int, places["210"])
    subprocess.run(["xdotool", "mousemove", str(x), str(y - 55 + 20 + 14 + 7), "click", "1"],
                   check=True)
    viewer.settle()
    code = re.split(r"[,\s]", shown[1])[0]  # the first code the row lists
    expect("hor.:  " + code in viewer.text("info-legend"),
           "row %s not taken:\n%s" % (code, viewer.text("info-legend")))
    # The open window takes the next file imported, its lists cleared.
    import_file(viewer, OTHER_MEASURED)
    texts = text_with(viewer, "fit-texts", os.path.basename(OTHER_MEASURED))
    expect(os.path.basename(OTHER_MEASURED) in texts, "the fit kept its file:\n" + texts)


def opened_on_command_line(wine_run, exe, tool, work):
    """A pattern file given on the command line ("Öffnen mit" passes it so)
    is imported at the start: its curve in the 2-D window, its name in the
    legend; the 2-D window shows the display mode chosen last."""
    viewer = Viewer(wine_run, exe, tool, os.path.join(work, "opened"), [wine_path(MEASURED)],
                    fresh=False)
    try:
        name = os.path.basename(MEASURED)
        expect(viewer.window(WINDOW, timeout=30) is not None, "no 2-D window for the file")
        drawn = text_with(viewer, "diagram-horizontal", "curve 5 361").splitlines()
        expect("Datei: " + name in drawn and "curve 5 361" in drawn, "opened plot:\n%s" % drawn)
        # In the display mode chosen in the run before.
        expect("Azimut relativ (°)" in drawn, "the cartesian display was not kept:\n%s" % drawn)
        legend = text_with(viewer, "info-legend", "Datei: " + name)
        expect("Datei: " + name in legend, "legend:\n" + legend)
    finally:
        viewer.end()


def unreadable_on_command_line(wine_run, exe, tool, work):
    """A pattern file given on the command line that cannot be read: the
    message box names it, and once it is answered the error stream learns
    that the file was not imported."""
    absent = os.path.join(work, "absent.pln")
    viewer = Viewer(wine_run, exe, tool, os.path.join(work, "unreadable"), [wine_path(absent)],
                    fresh=False)
    try:
        expect(viewer.window("^Veltrisko$", timeout=30) is not None, "no message box")
        imported = viewer.text("pattern-import")
        expect("absent.pln" in imported.splitlines()[-1], "import: " + imported)
        viewer.press("Return")  # the line follows the box's answer
        told = text_with(viewer, "told-error", "cannot import")
        expect(told == "veltrisko: cannot import %s\n" % wine_path(absent), "told: " + told)
    finally:
        viewer.end()


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, tool, writer, pattern_tool, work = sys.argv[split + 1:split + 6]
    PATTERN_TOOL.append(pattern_tool)
    os.makedirs(work, exist_ok=True)
    viewer = Viewer(wine_run, exe, tool, work)

    def checks():
        fit_without_a_file(viewer)
        run(viewer, writer, work)
        fit(viewer, pattern_tool)
        viewer.end()
        opened_on_command_line(wine_run, exe, tool, work)
        unreadable_on_command_line(wine_run, exe, tool, work)

    return viewer_test.report(viewer, work, checks, "The Windows 2-D window passed.")


if __name__ == "__main__":
    sys.exit(main())
