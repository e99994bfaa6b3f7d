#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Drives the Windows viewer under Wine in an X server with xdotool and checks
what it drew: the frame it read back before each swap and the legends' memory
bitmaps, which the test-only variable VELTRISKO_DUMP_DIR makes it write.

    viewer_test.py WINE_RUN_COMMAND... -- VIEWER.exe STEADY_FRAME WORK_DIR

STEADY_FRAME is the Linux headless renderer of tests/render_gl/steady_frame.cpp,
which takes the arguments of `veltrisko-pattern render`.
"""
import os
import shutil
import struct
import subprocess
import sys
import time
import zlib

DIALOG = "Konfiguration des Antennentyps"
MAIN = "Veltrisko   HCM"
# A point of the main window (X window coordinates, below the menu bar) where
# the picture shows no pattern at the default view.
EMPTY_PICTURE_POINT = (40, 80)
STEP = struct.unpack("f", struct.pack("f", 0.02))[0]
DEGREES_PER_RADIAN = 57.29577951308232


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def stepped(angle, steps):
    """The viewer's angle after `steps` key presses of +0.02 rad (or -)."""
    for _ in range(abs(steps)):
        a = angle + (STEP if steps > 0 else -STEP) * DEGREES_PER_RADIAN
        if a >= 360.0:
            a -= 360.0
        elif a <= -180.0:
            a += 360.0
        angle = f32(a)
    return angle


class Failure(Exception):
    pass


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    magic, size, depth, pixels = data.split(b"\n", 3)
    width, height = map(int, size.split())
    assert magic == b"P6" and depth == b"255"
    return width, height, pixels


def read_png(path):
    """RGB(A) 8-bit PNG, as the Linux tool writes it, to RGB rows."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat, width, height, channels = 8, b"", 0, 0, 3
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, bits, colour = struct.unpack(">IIBB", body[:10])
            assert bits == 8 and colour in (2, 6)
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + predictor) & 255
        rows.append(bytes(line))
        previous = line
    rgb = b"".join(bytes(r[i] for i in range(len(r)) if channels == 3 or i % 4 != 3) for r in rows)
    return width, height, rgb


def shown_windows(name):
    """The ids of the windows on the screen whose title contains `name`."""
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                          capture_output=True, text=True).stdout.split()


def stop_wine_server(wine_run):
    """Stops the prefix's Wine server: a server keeps the screen it met first,
    so a test on an X server of another size needs a new one."""
    subprocess.run(wine_run + ["--stop"], capture_output=True, stdin=subprocess.DEVNULL)


class Viewer:
    def __init__(self, wine_run, exe, tool, work, arguments=(), dialog_title=DIALOG,
                 fresh=True):
        self.tool, self.work = tool, work
        if fresh:
            # As at a user's first start: no language or window place kept
            # by an earlier test in the shared prefix.
            subprocess.run(wine_run + ["reg", "delete", "HKCU\\Software\\Veltrisko", "/f"],
                           capture_output=True, stdin=subprocess.DEVNULL)
        self.dumps = os.path.join(work, "dumps")
        shutil.rmtree(self.dumps, ignore_errors=True)
        os.makedirs(self.dumps)
        # No browser: "&Dokumentation" must then say where the guide is.
        env = dict(os.environ, VELTRISKO_DUMP_DIR=self.dumps, WINEDLLOVERRIDES="winebrowser.exe=d")
        self.process = subprocess.Popen(wine_run + [exe, *arguments], env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.main = self.window(MAIN)
        self.dialog = self.window(dialog_title)
        # The first frame (with a new OpenGL context) may take a while.
        end = time.time() + 60
        while time.time() < end and not os.path.exists(os.path.join(self.dumps, "frame.ppm")):
            time.sleep(0.2)
        self.settle()

    def window(self, name, timeout=60):
        end = time.time() + timeout
        while time.time() < end:
            found = shown_windows(name)
            if found:
                return found[0]
            time.sleep(0.3)
        return None

    def end(self):
        """Ends the viewer and waits until its windows have left the screen,
        so that a search for the next viewer's windows cannot find them."""
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        end = time.time() + 10
        while time.time() < end and shown_windows(MAIN):
            time.sleep(0.1)

    def settle(self, quiet=1.0, timeout=30):
        """Waits until no dump file has changed for `quiet` seconds."""
        end = time.time() + timeout
        last, since = None, time.time()
        while time.time() < end:
            stamp = sorted(self.stamps())
            if stamp != last:
                last, since = stamp, time.time()
            elif time.time() - since >= quiet and stamp:
                return
            time.sleep(0.1)

    def stamps(self):
        """Each dump file's name and time; a file being replaced just then
        (written under another name and renamed) counts as a change."""
        for name in os.listdir(self.dumps):
            try:
                yield name, os.stat(os.path.join(self.dumps, name)).st_mtime_ns
            except FileNotFoundError:
                yield name, 0

    def click(self, window, x, y):
        """Clicks at a point of a window; without a window manager this is
        also what activates a Wine window."""
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y),
                        "click", "1"], check=True)
        time.sleep(0.3)

    def click_dialog_item(self, x, y, width, height):
        """Clicks the middle of a dialog control given in dialog units."""
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.dialog],
                                  capture_output=True, text=True, check=True).stdout
        size = dict(line.split("=") for line in geometry.split())
        scale_x, scale_y = int(size["WIDTH"]) / 453, int(size["HEIGHT"]) / 247
        self.click(self.dialog, int((x + width / 2) * scale_x), int((y + height / 2) * scale_y))
        self.settle()

    def keys(self, window, *keys):
        # An empty corner of the main window's picture (a click on the pattern
        # would pin the readout), or the dialog's empty corner.
        self.click(window, *(EMPTY_PICTURE_POINT if window == self.main else (3, 3)))
        self.press(*keys)

    def press(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), check=True)
        self.settle()

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
        self.settle()

    def text(self, name):
        path = os.path.join(self.dumps, name + ".txt")
        return open(path, encoding="utf-8").read() if os.path.exists(path) else ""

    def menu(self, popup_key):
        """Opens a popup with its Alt mnemonic, returns the check marks shown."""
        os.remove(os.path.join(self.dumps, "menu.txt")) if os.path.exists(
            os.path.join(self.dumps, "menu.txt")) else None
        self.keys(self.main, "alt+" + popup_key)
        marks = dict(line.split() for line in self.text("menu").splitlines())
        return marks

    def frame_matches_linux(self, label, arguments):
        """The frame must equal the Linux one pixel for pixel; a differing
        frame is kept beside the Linux one."""
        width, height, pixels = read_ppm(os.path.join(self.dumps, "frame.ppm"))
        png = os.path.join(self.work, label + ".png")
        subprocess.run([self.tool, *arguments, "--size", "%dx%d" % (width, height),
                        "--output", png], capture_output=True)
        w, h, expected = read_png(png)
        if (w, h) != (width, height):
            raise Failure("%s: Linux frame %dx%d, Windows %dx%d" % (label, w, h, width, height))
        if expected != pixels:
            differing = sum(1 for i in range(0, len(pixels), 3)
                            if pixels[i:i + 3] != expected[i:i + 3])
            shutil.copy(os.path.join(self.dumps, "frame.ppm"),
                        os.path.join(self.work, label + "-windows.ppm"))
            failures.append("%s: %d of %d pixels differ from the Linux frame"
                            % (label, differing, width * height))


# Frame differences are collected, so that one run tells about every state.
failures = []


def report(viewer, work, checks, passed):
    """Runs `checks()` against the started viewer and reports as every
    Windows viewer test does: a failure ends the checks and leaves the
    screen as failure.png in `work`; the viewer is ended; every failure
    noted meanwhile is printed. Returns the exit status."""
    try:
        checks()
    except Failure as failure:
        failures.append(str(failure))
        subprocess.run(["import", "-window", "root", os.path.join(work, "failure.png")])
    finally:
        if viewer.process.poll() is None:
            viewer.process.kill()
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        return 1
    print(passed)
    return 0


def expect(condition, message):
    if not condition:
        raise Failure(message)


def run(viewer):
    # Start-up: the dialog is shown and both codes are 030EA00.
    expect(viewer.main is not None, "no main window")
    expect(viewer.dialog is not None, "no configuration dialog")
    info = viewer.text("info-legend")
    expect("hor.:  030EA00" in info and "vert.: 030EA00" in info, "start-up codes:\n" + info)
    expect("HCM V7" in info and "linear" in info, "start-up options:\n" + info)
    expect(viewer.text("colour-legend") == "0 W\n1 W\n", "colour legend labels")
    viewer.frame_matches_linux("default", ["--horizontal", "030EA00", "--vertical", "030EA00"])

    viewer.click_dialog_item(67, 226, 57, 10)  # "logarithmisch"
    expect("logarithmisch" in viewer.text("info-legend"), "log display not chosen")
    expect(viewer.text("colour-legend") == "-40 dB\n0 dB\n", "log colour legend labels")

    # The accelerators turn the view: 5 x Right, 3 x Page Up.
    viewer.keys(viewer.main, *(["Right"] * 5 + ["Prior"] * 3))
    azimuth, elevation = stepped(0.0, 5), stepped(0.0, -3)
    info = viewer.text("info-legend")
    expect("Azimut: %.1f °" % azimuth in info and "Elevation: %.1f °" % elevation in info,
           "angles after the keys:\n" + info)
    viewer.frame_matches_linux("turned-log", [
        "--horizontal", "030EA00", "--vertical", "030EA00", "--log", "40",
        "--azimuth", "%.9g" % azimuth, "--elevation", "%.9g" % elevation])
    viewer.keys(viewer.main, "Up")
    expect("Kippung: -1.1 °" in viewer.text("info-legend"), "tilt after Up")
    viewer.keys(viewer.main, "Home")
    expect("Azimut: 0.0 °" in viewer.text("info-legend"), "Home resets the view")

    # Menu toggles and their check marks: each letter picks an item of the
    # open "&Ansicht" menu.
    marks = viewer.menu("a")
    expect(marks.get("40013") == "checked" and marks.get("40023") == "checked",
           "initial check marks %s" % marks)
    viewer.press("g")  # "&Gitternetz"
    marks = viewer.menu("a")
    expect(marks.get("40013") == "unchecked", "grid still checked: %s" % marks)
    viewer.press("l")  # "&Legende" hides both legends
    marks = viewer.menu("a")
    expect(marks.get("40023") == "unchecked", "legend still checked: %s" % marks)
    viewer.press("l")
    viewer.menu("a")
    viewer.press("g")
    expect(viewer.menu("a").get("40013") == "checked", "grid not back")
    viewer.press("Escape", "Escape")

    # Typing a code; an invalid one leaves the axes only.
    viewer.click_dialog_item(13, 226, 33, 10)  # "linear"
    viewer.click_dialog_item(44, 19, 52, 14)  # the horizontal edit field
    viewer.press("End", "shift+Home")
    viewer.type("066ea00")
    expect("hor.:  066EA00" in viewer.text("info-legend"), "typed code not taken")
    viewer.frame_matches_linux("invalid-code", ["--horizontal", "066EA00", "--vertical", "030EA00"])

    # The close box ends the dialog; "&Antennentyp" brings a new one.
    viewer.keys(viewer.dialog, "alt+F4")
    end = time.time() + 20  # a loaded machine may take a while
    while time.time() < end and viewer.window(DIALOG, timeout=0.5) is not None:
        time.sleep(0.3)
    expect(viewer.window(DIALOG, timeout=0.5) is None, "dialog still open after its close box")
    viewer.keys(viewer.main, "alt+d")
    viewer.press("a")
    expect(viewer.window(DIALOG) is not None, "no dialog after Antennentyp")
    expect("hor.:  030EA00" in viewer.text("info-legend"), "new dialog did not start at 030EA00")
    state = viewer.text("dialog")
    expect("horizontal 0: EA – gerichtet" in state and "vertikal 1: 30°" in state,
           "no value texts in the reopened dialog:\n" + state)
    viewer.keys(viewer.main, "alt+h")
    viewer.press("b")  # "Ü&ber Veltrisko"
    about = viewer.text("about")
    expect(about.startswith("Veltrisko ") and "Lizenz: MIT" in about and
           "Benutzeranleitung: " in about and about.rstrip().endswith("user-guide.de.html"),
           "about: %r" % about)
    message = viewer.window("Über Veltrisko", timeout=10)
    expect(message is not None, "no about box")
    subprocess.run(["xdotool", "key", "--window", message, "Return"], check=True)

    # "&Dokumentation" in the default build: the German guide beside the
    # program; without a browser a message says where it is.
    viewer.keys(viewer.main, "alt+h")
    viewer.press("d")
    target = viewer.text("documentation").splitlines()
    expect(len(target) == 2 and target[0].endswith("\\user-guide.de.html") and
           target[1] == "not opened", "documentation target %s" % target)
    message = viewer.window("Dokumentation", timeout=10)
    expect(message is not None, "no message where the guide is")
    subprocess.run(["xdotool", "key", "--window", message, "Return"], check=True)

    # "&Beenden" ends the program.
    viewer.keys(viewer.main, "alt+d")
    viewer.press("b")
    viewer.process.wait(timeout=30)
    expect(viewer.process.returncode == 0, "exit status %d" % viewer.process.returncode)


def main():
    split = sys.argv.index("--")
    wine_run = sys.argv[1:split]
    exe, tool, work = sys.argv[split + 1:split + 4]
    os.makedirs(work, exist_ok=True)
    viewer = Viewer(wine_run, exe, tool, work)
    return report(viewer, work, lambda: run(viewer), "The Windows viewer passed.")


if __name__ == "__main__":
    sys.exit(main())
