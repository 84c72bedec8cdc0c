#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built program as a person meets it, on a bare X server (run through tests/on-xvfb.sh):
real key presses and mouse clicks through xdotool (XTEST), screenshots through ImageMagick's import, another
window over it through ImageMagick's display, and what a window manager would do through xwin. With
--window-manager, under that window manager instead, as on a desktop: its maximise, and full screen by F11.

    blackbox.py --program build/kestrova --xwin build/tests/xwin [--window-manager openbox] [unittest options]
    blackbox.py --program kestrova.exe --xwin xwin --launcher tests/on-wine.sh [unittest options]

Nothing here asserts how long anything takes; every wait is bounded so that nothing hangs."""

import argparse
import cmath
import math
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest
from xml.etree import ElementTree

PROGRAM = None
XWIN = None
LAUNCHER = []  # what starts the program, wine for a Windows one

# What finds the window by its title, "Detail Animace spomalené": wine writes WM_NAME in the host locale's
# character set, where é may come out as e.
TITLE = "Detail Animace spomalené"
TITLE_PATTERN = "^Detail Animace spomalen"
# The program's translations, as its translators left them.
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")
SIZE = (810, 600)
BAR_X = 550
# The bars with the starting parameters, lowest point first.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bars.txt")) as listed:
    BARS = [float(line) for line in listed if line.strip() and not line.startswith("#")]
BAR_TOLERANCE = 3  # pixels: square ends and whole-pixel rasterisation
GREY = (0xC0, 0xC0, 0xC0)
# Client coordinates of the controls a user reaches.
START = (620, 29)
KONEC = (704, 29)
SCROLL_RIGHT_ARROW = (553, 24)
QUIET_CORNER = (790, 590)  # nothing is drawn here: the pointer rests there
# The photon's paths between the aperture screen and the detector: only its motion changes this area.
PATHS = (160, 95, 310, 520)
# Inside the frequency field, right of its text, and its light green.
FREQUENCY_FIELD = (88, 212)
LIGHT_GREEN = (0xC0, 0xFF, 0xC0)

BOUND = 60  # seconds: the most any single wait may take

# The context menu's items below "Výchozí hodnoty", separators left out, from the bottom up.
MENU_BELOW_STARTING_VALUES = ["Ukončit program", "Jazyk / Language", "Obnovit výchozí nastavení", "Nápověda",
                              "Celá obrazovka", "Uložit obrázek", "Kopírovat obrázek", "Kontrastní barvy", "Tabulka",
                              "Fotony", "Porovnat s předchozím", "Sledovat trasu fotonu", "Průběh", "Otvory"]

# Maximised on a full-HD projector: everything 1.8 times larger.
ZOOM = 1.8
ZOOMED_SIZE = (1458, 1080)
# The colours the drawing uses: black, white (the lower path), green (the resultants) and the window's grey.
PALETTE = {b"\x00\x00\x00", b"\xff\xff\xff", b"\x00\xff\x00", b"\xc0\xc0\xc0"}
# The whole pattern's curve, and the marks of single photons.
CURVE = (0, 0, 255)
MARK = (176, 0, 0)
# The caption "Zdroj fotonu", a text box within the drawing (its text is smoothed like any text).
SOURCE_CAPTION = (56, 312, 65, 17)
# The caption "Součet radiusvektorů" over the sum column at the starting distance; the column stands this far right
# of the distance typed.
SUM_CAPTION = (400, 64, 113, 19)
SUM_COLUMN_OFFSET = 220
# The upper hole with the starting parameters, and a pixel inside its ring: the grey of the cut hole while it is
# open, black once covered.
UPPER_HOLE = (150, 320)
IN_UPPER_HOLE = (147, 323)
# With "Porovnat s předchozím" (F6): the previous run's bars, this far above the bars, in slate blue, and the caption
# of what differed, under the bars.
PREVIOUS_ABOVE = 4
SLATE_BLUE = (0x6A, 0x5A, 0xCD)
COMPARE_CAPTION = (450, 536, 260, 17)


def luminance(colour):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = map(linear, colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    """The WCAG contrast ratio of two colours."""
    low, high = sorted((luminance(a), luminance(b)))
    return (high + 0.05) / (low + 0.05)


def bar_y(point):
    return 500.94 - 40 * point


def two_hole_bars(spacing):
    """The bars of two holes at the spacing, the other parameters the starting ones, summed as phasors here."""
    def bar(y):
        lengths = [math.hypot(100, 340.5 + side * spacing / 2 - y) for side in (-1, 1)]
        return 0.1 * abs(sum(20 * cmath.exp(0.15j * length) for length in lengths)) ** 2
    return [bar(bar_y(point)) for point in range(11)]


class Image:
    def __init__(self, ppm, zoom=1):
        self.zoom = zoom
        magic, size, depth, self.pixels = ppm.split(b"\n", 3)
        if magic != b"P6" or depth != b"255":
            raise ValueError("not an 8-bit PPM")
        self.width, self.height = map(int, size.split())
        if len(self.pixels) != self.width * self.height * 3:
            raise ValueError("truncated PPM")

    def rgb(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def dark(self, x, y):
        return max(self.rgb(x, y)) < 64

    def region(self, left, top, right, bottom):
        return b"".join(self.pixels[(y * self.width + left) * 3:(y * self.width + right) * 3]
                        for y in range(top, bottom))

    def content(self):
        """The layout as the program shows it in a window of this size: scaled to fit, never below 1:1, centred."""
        zoom = max(1.0, min(self.width / SIZE[0], self.height / SIZE[1]))
        width, height = int(SIZE[0] * zoom + 0.5), int(SIZE[1] * zoom + 0.5)
        left, top = max(0, (self.width - width) // 2), max(0, (self.height - height) // 2)
        return Image(b"P6\n%d %d\n255\n" % (width, height) + self.region(left, top, left + width, top + height), zoom)

    def bar(self, point):
        """In the window's pixels, the bar's black run along its rows less its square ends, half its width each;
        None when there is none. The median of the rows keeps the axis (it crosses the middle bar) out."""
        zoom = self.zoom
        centre = int(bar_y(point) * zoom)
        inside = int(BAR_X * zoom) + 3  # right of the base line
        runs = []
        for y in range(centre - 2, centre + 3):
            if not self.dark(inside, y):
                continue
            left = right = inside
            while left > 0 and self.dark(left - 1, y):
                left -= 1
            while right + 1 < self.width and self.dark(right + 1, y):
                right += 1
            runs.append(right - left + 1 - 3 * zoom)
        return sorted(runs)[len(runs) // 2] if runs else None

    def bars(self):
        return [self.bar(point) for point in range(11)]

    def previous_bar(self, point):
        """In the window's pixels, the previous run's bar above the point's: its slate-blue run from right of the base
        line to its square end; None when there is none."""
        zoom = self.zoom
        centre = int((bar_y(point) - PREVIOUS_ABOVE) * zoom)
        inside = int(BAR_X * zoom) + 3
        runs = []
        for y in range(centre - 2, centre + 3):
            if self.rgb(inside, y) != SLATE_BLUE:
                continue
            right = inside
            while right + 1 < self.width and self.rgb(right + 1, y) == SLATE_BLUE:
                right += 1
            runs.append(right + 1 - BAR_X * zoom - zoom)
        return sorted(runs)[len(runs) // 2] if runs else None

    def has(self, colour, left, top, right, bottom):
        return any(self.rgb(x, y) == colour for y in range(top, bottom) for x in range(left, right))

    def box(self, left, top, width, height):
        return self.region(left, top, left + width, top + height)

    def blended(self, left, top, right, bottom, leave_out=()):
        """The pixels of the area in no colour of the drawing, as (x, y, colour), but for the rectangles left out."""
        found = []
        for y in range(top, bottom):
            row = self.pixels[y * self.width * 3:(y + 1) * self.width * 3]
            for x in range(left, right):
                colour = row[x * 3:x * 3 + 3]
                if colour not in PALETTE and not any(a <= x < c and b <= y < d for a, b, c, d in leave_out):
                    found.append((x, y, colour.hex()))
        return found

    def painted_to_the_edges(self):
        """Whether the corners show the background: the server leaves parts newly exposed black until painted."""
        return all(self.rgb(x, y) == GREY for x in (2, self.width - 3) for y in (62, self.height - 3))

    def drawing(self):
        """The drawing, below the buttons."""
        return self.region(0, int(60 * self.zoom), self.width, self.height)

    def photon_marks(self):
        return [(x, y) for y in range(95, 520) for x in range(300, BAR_X) if self.rgb(x, y) == MARK]


def run(*command, check=True, **options):
    result = subprocess.run(command, capture_output=True, timeout=BOUND, **options)
    if check and result.returncode != 0:
        raise AssertionError(f"{' '.join(map(str, command))} failed ({result.returncode}): {result.stderr!r}")
    return result.stdout


def xdotool(*arguments):
    return run("xdotool", *map(str, arguments), text=True)


def xwin(command, window):
    return run(XWIN, command, str(window), text=True)


def geometry(window, *names):
    """Numbers xwininfo gives for a window ("-root": the screen)."""
    info = run("xwininfo", *window, text=True)
    field = {line.split(":")[0].strip(): line.split(":")[-1].strip() for line in info.splitlines()}
    return tuple(int(field[name]) for name in names)


def png_image(png):
    """An Image of PNG bytes, through ImageMagick."""
    return Image(run("convert", "png:-", "-depth", "8", "ppm:-", input=png))


def clipboard_image():
    """The image on the clipboard, or None while there is none."""
    png = run("xclip", "-selection", "clipboard", "-t", "image/png", "-o", check=False)
    return png_image(png) if png else None


def clipboard_text():
    """The text on the clipboard, or None while there is none."""
    return run("xclip", "-o", "-selection", "clipboard", check=False, text=True) or None


def translated(language, source):
    """The translation of a source text in the program's .ts file of the language; empty while there is none."""
    tree = ElementTree.parse(os.path.join(TRANSLATIONS, f"kestrova_{language}.ts"))
    found = {(message.findtext("translation") or "").strip() for message in tree.iter("message")
             if message.findtext("source") == source
             and message.find("translation").get("type") not in ("vanished", "obsolete")}
    if len(found) > 1:
        raise AssertionError(f"{source!r} is translated in more than one way: {found}")
    return found.pop() if found else ""


def exact_title(title):
    """What xdotool's --name (a POSIX extended regular expression) matches with exactly that title."""
    return "^" + re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", title) + "$"


def wait_for(what, condition, bound=BOUND, step=0.05):
    """Polls until condition() gives something truthy and returns it; fails after bound seconds."""
    deadline = time.monotonic() + bound
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"gave up waiting for {what} after {bound} s")
        time.sleep(step)
    return value


class WindowsShown:
    """Every window mapped on the screen while it watches, as xev on the root window reports them (there is no window
    manager: a top-level window is the root's child). A window of its own, mapped at the start and again at the end,
    shows that the watch had begun and that everything the server did before the end has been reported."""

    MARK = (3, 2)  # where the watch's own window is made: a place no other window takes

    def __init__(self):
        self.log = tempfile.NamedTemporaryFile()
        self.watcher = subprocess.Popen(["xev", "-root", "-event", "substructure"], stdout=self.log,
                                        stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        try:
            mapped, window = self.mark()
            # The watch begins once that window is gone: until then it may have been mapped again.
            self.begun = wait_for("the marking window gone", lambda: next(
                (index + 1 for index, (kind, about, _) in enumerate(self.events())
                 if index >= mapped and kind == "DestroyNotify" and about == window), None))
        except BaseException:
            self.close()
            raise

    def events(self):
        """(kind, window, place where made or None) of every event reported so far, in order."""
        with open(self.log.name, errors="replace") as log:
            blocks = [block.strip() for block in log.read().split("\n\n") if block.strip()]
        found = []
        for block in blocks:
            # The last window named is the one the event is about; the first, the root that reports it.
            windows = re.findall(r"\bwindow (0x[0-9a-f]+)", block)
            place = re.search(r"\((-?\d+),(-?\d+)\)", block)
            found.append((block.split()[0], windows[-1] if windows else None,
                          tuple(map(int, place.groups())) if place else None))
        return found

    def mark(self, after=0):
        """Maps a window of its own at MARK until the watch reports it, then takes it away; returns how many events
        were reported up to its mapping, and the window. A window's number comes again once it is gone: of the events
        past the first after, the mapping counts only if the window was made at MARK (or its making came before the
        watch)."""
        said = tempfile.TemporaryFile()
        marker = subprocess.Popen(["xev", "-event", "structure", "-geometry", "8x8+%d+%d" % self.MARK], stdout=said,
                                  stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        try:
            def own_window():  # xev names it first: "Outer window is 0x…, inner window is 0x…"
                said.seek(0)
                found = re.search(rb"Outer window is (0x[0-9a-f]+)", said.read())
                return found and found.group(1).decode()
            window = wait_for("the marking window", own_window)

            def reported():
                if self.watcher.poll() is not None:
                    raise AssertionError(f"xev ended with status {self.watcher.returncode}")
                events, made = self.events(), None
                for index in range(after, len(events)):
                    kind, about, place = events[index]
                    if about == window and kind == "CreateNotify":
                        made = place
                    elif about == window and kind == "MapNotify" and made in (None, self.MARK):
                        return index + 1, window
                # Mapped again: the watch may have begun after the first mapping.
                xdotool("windowunmap", "--sync", window, "windowmap", "--sync", window)
                return None
            return wait_for("the marking window reported", reported, step=0.1)
        finally:
            marker.kill()
            marker.wait(timeout=BOUND)
            said.close()

    def shown(self):
        """The windows mapped since the watch began, but for its own."""
        end, _ = self.mark(after=self.begun)
        return [window for kind, window, _ in self.events()[self.begun:end - 1] if kind == "MapNotify"]

    def close(self):
        if self.watcher.poll() is None:
            self.watcher.kill()
        self.watcher.wait(timeout=BOUND)
        self.log.close()


class Program:
    """One run of the built program, its output kept for the report; with arguments, its window found by a title
    pattern that fits them."""

    def __init__(self, locale="C.UTF-8", config=None, arguments=(), title=TITLE_PATTERN):
        self.log = tempfile.TemporaryFile()
        self.runtime = tempfile.TemporaryDirectory()
        # Settings of its own, never the user's: a folder of its own unless one is shared with a later run.
        self.own_config = None if config else tempfile.TemporaryDirectory()
        self.config = config or self.own_config.name
        environment = dict(os.environ, LC_ALL=locale, XDG_RUNTIME_DIR=self.runtime.name, XDG_CONFIG_HOME=self.config)
        if LAUNCHER and not config:  # under wine the settings are in the prefix's registry: each start from none
            subprocess.run(LAUNCHER + ["reg", "delete", r"HKCU\Software\Kestrova", "/f"], env=environment,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=BOUND, check=False)
        self.title_pattern = title
        self.process = subprocess.Popen(LAUNCHER + [PROGRAM, *arguments], stdout=self.log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL, env=environment)
        self.zoom = 1
        try:
            self.window = wait_for("the window", self._find_window)
            wait_for("the window to be mapped", self.mapped)
            if LAUNCHER:  # wine centres a new window; the tests expect it where a bare X server puts it
                xdotool("windowmove", "--sync", self.window, 0, 0)
        except BaseException:
            self.close()  # no test holds it yet: a program whose window never came must not outlive the test
            raise

    def _find_window(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended at start with status {self.process.returncode}: {self.output()}")
        # Under a launcher the window's process is not the one started; the X server is the test's own. --all: the
        # process's window with that title, not any of either.
        by_pid = [] if LAUNCHER else ["--pid", str(self.process.pid)]
        found = run("xdotool", "search", "--all", "--onlyvisible", *by_pid, "--name", self.title_pattern, check=False,
                    text=True).split()
        return int(found[0]) if found else None

    def info(self):
        return run("xwininfo", "-id", str(self.window), text=True)

    def mapped(self):
        return "IsViewable" in self.info()

    def size(self):
        return geometry(["-id", str(self.window)], "Width", "Height")

    def title(self):
        return xdotool("getwindowname", self.window).strip()

    def output(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")

    def exit_status(self, bound=BOUND):
        try:
            return self.process.wait(timeout=bound)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program has not ended within {bound} s") from None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=BOUND)

    def close(self):
        self.stop()
        self.log.close()
        self.runtime.cleanup()
        if self.own_config:
            self.own_config.cleanup()

    # What a person does.
    def focus(self):
        """Gives the window the keyboard, as a window manager does when it is mapped, the pointer resting on it."""
        xdotool("mousemove", "--window", self.window, *QUIET_CORNER, "windowfocus", "--sync", self.window)

    def key(self, *keys):
        xdotool("key", "--delay", 40, *keys)

    # One xdotool each, so that the pointer is there before the button goes down. (Not mousemove --sync:
    # it waits for motion that never comes when the pointer is already there.)
    def click(self, point, times=1):
        xdotool("mousemove", "--window", self.window, *point, "click", "--repeat", times, "--delay", 60, 1)

    def rest_pointer(self):
        xdotool("mousemove", "--window", self.window, *QUIET_CORNER)

    def screenshot(self):
        image = Image(run("import", "-window", str(self.window), "-depth", "8", "ppm:-"), self.zoom)
        if self.zoom is None:  # as large as the window manager made it
            return image.content()
        expected = SIZE if self.zoom == 1 else ZOOMED_SIZE
        assert (image.width, image.height) == expected, f"window is {image.width}×{image.height}"
        return image

    def screenshot_when(self, condition):
        shot = self.screenshot()
        return shot if condition(shot) else None

    def settled(self):
        """A screenshot once two in a row, a little apart, are the same, and the window is painted."""
        previous = self.screenshot()

        def same_again():
            nonlocal previous
            time.sleep(0.2)
            current = self.screenshot()
            same = current.pixels == previous.pixels and current.painted_to_the_edges()
            previous = current
            return current if same else None
        return wait_for("the window to settle", same_again)

    def run_in_progress(self, before):
        """Waits until the picture differs from before, and returns the screenshot: the run has visibly begun."""
        return wait_for("the run to show", lambda: self.screenshot_when(lambda shot: shot.pixels != before.pixels))

    def finished(self):
        """Waits until the topmost bar, drawn last, is there and the picture is still; returns that picture."""
        wait_for("the run to end", lambda: self.screenshot().bar(10), step=0.1)
        return self.settled()

    def whole_run(self, *keys):
        """Focused and settled, the keys given start a run; returns its finished picture."""
        self.focus()
        before = self.settled()
        self.key(*keys)
        self.run_in_progress(before)
        return self.finished()

    def start_slow_run(self):
        """Slow-down 5 by the mouse and Start: a run of some thirteen seconds, under way on return."""
        self.focus()
        before = self.settled()
        self.click(SCROLL_RIGHT_ARROW, times=4)
        self.click(START)
        self.rest_pointer()
        self.run_in_progress(before)

    def goes_on_to_the_end(self):
        """After the window was disturbed mid-run: it is painted, the run goes on; returns the finished picture."""
        shown = wait_for("the window painted", lambda: self.screenshot_when(Image.painted_to_the_edges))
        assert shown.bar(10) is None, "the run was over before the window was disturbed"
        self.run_in_progress(shown)
        return self.finished()


class ProgramTest(unittest.TestCase):
    reference = None  # the finished picture of an undisturbed run, from the first test

    def setUp(self):
        self.programs = []
        self.program = self.start()

    def start(self, **arguments):
        program = Program(**arguments)
        self.programs.append(program)
        return program

    def tearDown(self):
        for program in self.programs:
            output = program.output()
            if output:
                print(f"\n--- the program's output ---\n{output}", file=sys.stderr)
            program.close()

    def assert_bars(self, image, bars=BARS):
        """The eleven bars, as long as listed (the starting parameters' unless given) times the zoom."""
        for point, (length, expected) in enumerate(zip(image.bars(), bars)):
            self.assertIsNotNone(length, f"bar {point} missing")
            self.assertLessEqual(abs(length - expected * image.zoom), BAR_TOLERANCE,
                                 f"bar {point}: {length} px, expected {expected * image.zoom}")

    def assert_every_bar(self, image, length):
        for point, found in enumerate(image.bars()):
            self.assertIsNotNone(found, f"bar {point} missing")
            self.assertLessEqual(abs(found - length), BAR_TOLERANCE, f"bar {point}: {found} px, not {length}")

    def assert_crisp(self, image):
        """Below the captions every pixel is one of the drawing's colours: lines drawn anew, not stretched."""
        left, top, width, height = SOURCE_CAPTION
        caption = tuple(int(v * image.zoom) + d for v, d in
                        [(left, -2), (top, -2), (left + width, 2), (top + height, 2)])
        self.assertEqual(image.blended(0, int(92 * image.zoom), image.width, image.height, [caption])[:5], [])

    def assert_as_undisturbed(self, final):
        self.assert_bars(final)
        if ProgramTest.reference is not None:
            self.assertEqual(final.drawing(), ProgramTest.reference, "the picture differs from that of an undisturbed run")

    def end(self, by=KONEC):
        """KONEC, or a close request (as a window manager's close button), ends the program with status 0."""
        if by == "close":
            xwin("close", self.program.window)
        else:
            self.program.click(by)
        self.assertEqual(self.program.exit_status(), 0)


class BlackBox(ProgramTest):
    def test_1_space_starts_a_run_that_moves_and_ends_in_the_bars_and_konec_quits(self):
        program = self.program
        # Under wine the least size is Windows' own business (tst_window checks it there), not an X hint.
        if not LAUNCHER:
            hints = run("xprop", "-id", str(program.window), "WM_NORMAL_HINTS", text=True)
            self.assertIn("minimum size: 810 by 600", hints, "the window can be made smaller than its layout")
            self.assertNotIn("maximum size", hints, "the window cannot grow")
        self.assertEqual(program.size(), SIZE, "the window does not open at its layout's size")
        program.focus()
        before = program.settled()
        self.assertIsNone(before.bar(0))
        self.assertEqual(before.rgb(*QUIET_CORNER), GREY)

        program.key("space")  # nothing else has been touched: the focus is on Start
        frames = [program.run_in_progress(before)]
        while not frames[-1].bar(10):
            frames.append(program.screenshot())
        self.assertGreaterEqual(len({frame.region(*PATHS) for frame in frames[:-1]}), 3,
                                "the photon's motion was not seen on the screen")

        final = program.finished()
        self.assert_bars(final)
        self.assertEqual(final.rgb(*QUIET_CORNER), GREY)
        ProgramTest.reference = final.drawing()
        self.end()

    def test_2_input_during_a_run_is_dropped_and_a_close_request_ends_it(self):
        program = self.program
        program.focus()
        before = program.settled()
        # Slow-down 10 by the keyboard: Start → KONEC → the scroll bar, its far end, and back to Start.
        program.key("Tab", "Tab", "End", "shift+Tab", "shift+Tab", "space")
        started = program.run_in_progress(before)

        # A click on KONEC and keys that are not the run's do nothing; the run goes on.
        program.click(KONEC)
        time.sleep(1)
        self.assertIsNone(program.process.poll(), "KONEC acted during the run")
        program.rest_pointer()
        program.key("Tab", "Escape", "Return", "a")
        self.assertIsNone(program.run_in_progress(started).bar(10), "the run was over before the close request")

        xwin("close", program.window)
        self.assertEqual(program.exit_status(bound=15), 0)  # a run at slow-down 10 lasts half a minute

    def test_3_covering_minimising_and_resizing_during_a_run_lose_nothing(self):
        program = self.program
        program.start_slow_run()

        # Another window over it: ImageMagick's display showing pure blue, a colour the program never uses.
        x, y = geometry(["-id", str(program.window)], "Absolute upper-left X", "Absolute upper-left Y")
        cover = subprocess.Popen(["display", "-geometry", f"+{x}+{y}", "-size", "%dx%d" % SIZE, "xc:blue"])
        try:
            wait_for("the cover on top", lambda: Image(run("import", "-window", "root", "-depth", "8", "ppm:-"))
                     .rgb(x + 400, y + 300) == (0, 0, 255))
            time.sleep(0.5)
        finally:
            cover.kill()
            cover.wait(timeout=BOUND)

        # Minimised and restored.
        xwin("iconify", program.window)
        wait_for("the window to be unmapped", lambda: "IsUnMapped" in program.info())
        time.sleep(0.5)
        xwin("restore", program.window)
        wait_for("the window to be mapped", program.mapped)

        # Without a window manager the size hints bind no one: another client shrinks it, then puts it back
        # (the program may already have done so itself).
        xdotool("windowsize", program.window, 400, 300)
        time.sleep(0.3)
        xdotool("windowsize", program.window, *SIZE)
        wait_for("the window's size back", lambda: program.size() == SIZE)
        program.focus()
        self.assert_as_undisturbed(program.goes_on_to_the_end())
        self.end()

    def test_4_the_run_is_the_same_in_the_users_locale(self):
        # The hidden fields are read in the user's locale: the only way their starting values could fail to
        # read (run-time error 13, a message box and status 1) is a locale that cannot read them.
        self.program.stop()
        for locale in ["cs_CZ.UTF-8", "ar_EG.UTF-8", "fa_IR.UTF-8"]:
            with self.subTest(locale=locale):
                self.program = self.start(locale=locale)
                final = self.program.whole_run("space")
                # Windows gives the captions the default font of the user's locale: there only the bars must agree.
                self.assert_bars(final) if LAUNCHER else self.assert_as_undisturbed(final)
                self.end("close")  # between runs, a close request ends it as KONEC does

    def test_5_maximised_everything_is_larger_and_crisp(self):
        program = self.program
        xdotool("windowsize", program.window, *ZOOMED_SIZE)  # as a window manager's maximise does
        wait_for("the window's new size", lambda: program.size() == ZOOMED_SIZE)
        program.zoom = ZOOM  # the screenshots are taken at that size
        self.assertIsNone(program.settled().bar(0))
        final = program.whole_run("space")
        self.assert_bars(final)
        self.assert_crisp(final)
        self.end((int(KONEC[0] * ZOOM), int(KONEC[1] * ZOOM)))

    def briefly(self, *arguments, leave_out=()):
        """The program started with the arguments, for what ends at once: its exit status, standard output and error
        output. Settings and runtime folders of its own; the environment's variables left out are unset."""
        folders = tempfile.TemporaryDirectory()
        self.addCleanup(folders.cleanup)
        environment = {name: value for name, value in os.environ.items() if name not in leave_out}
        environment.update(LC_ALL="C.UTF-8", XDG_CONFIG_HOME=folders.name, XDG_RUNTIME_DIR=folders.name)
        try:
            return subprocess.run(LAUNCHER + [PROGRAM, *arguments], capture_output=True, text=True, errors="replace",
                                  stdin=subprocess.DEVNULL, env=environment, timeout=BOUND)
        except subprocess.TimeoutExpired:
            self.fail(f"{' '.join(arguments)}: the program has not ended within {BOUND} s")

    def test_6_language_en_for_this_start_only(self):
        english = translated("en", TITLE)
        self.assertTrue(english, f"kestrova_en.ts has no translation of {TITLE!r} yet")
        self.assertNotEqual(english, TITLE)
        first = self.program
        first.stop()
        wait_for("no window with the Czech title", lambda: not run(
            "xdotool", "search", "--name", TITLE_PATTERN, check=False, text=True).split())  # the one stopped

        self.program = self.start(config=first.config, arguments=["--language", "en"], title=exact_title(english))
        self.assertEqual(self.program.title(), english)

        def czech_windows():
            return run("xdotool", "search", "--name", TITLE_PATTERN, check=False, text=True).split()
        self.assertEqual(czech_windows(), [], "a window with the Czech title beside the English one")
        self.program.focus()
        self.program.settled()  # and so still once it is drawn
        self.assertEqual(czech_windows(), [], "a window with the Czech title beside the English one")
        self.assertEqual(self.program.title(), english, "the title went back to Czech")
        self.end()

        # Not remembered: the next start, with the same settings and no option, has the Czech title again.
        self.program = self.start(config=first.config)
        self.end()

    def test_6_version_and_help_without_a_display(self):
        if LAUNCHER:
            self.skipTest("without DISPLAY the launcher refuses its wine prefix, made for this X display; Windows "
                          "always has its desktop")
        self.program.stop()
        no_display = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")
        version = self.briefly("--version", leave_out=no_display)
        self.assertEqual((version.returncode, version.stderr), (0, ""))
        self.assertRegex(version.stdout, r"\AKestrova \d+\.\d+\S*\n\Z")

        listed = self.briefly("--help", leave_out=no_display)
        self.assertEqual((listed.returncode, listed.stderr), (0, ""))
        for option in ["--help", "--version", "--full-screen", "--language"]:
            self.assertIn(option, listed.stdout)

    def test_6_an_unknown_language_is_named_and_no_window_shown(self):
        self.program.stop()
        watch = WindowsShown()
        self.addCleanup(watch.close)
        refused = self.briefly("--language", "cz")  # Czech is "cs"
        shown = watch.shown()
        self.assertEqual(refused.returncode, 1, refused.stderr)
        self.assertEqual(refused.stdout, "")
        # Named in Czech and in English: a line of each.
        self.assertGreaterEqual(len([line for line in refused.stderr.splitlines() if "cz" in line]), 2, refused.stderr)
        self.assertEqual(shown, [], "windows were shown")

    def test_7_the_teacher_pauses_steps_and_goes_on(self):
        program = self.program
        program.focus()
        before = program.settled()
        program.key("space")
        program.run_in_progress(before)

        program.key("space")  # paused: nothing moves
        paused = program.settled()
        time.sleep(2)
        self.assertEqual(program.screenshot().pixels, paused.pixels, "the picture moved while paused")

        program.key("Right")
        self.assertNotEqual(program.settled().pixels, paused.pixels, "a step forward drew nothing")
        program.key("Left")
        self.assertEqual(program.settled().pixels, paused.pixels, "a step back is not the picture before")

        program.key("Home", "Next")  # Page Down from the beginning: the lowest point finished, the next not begun
        lowest = program.settled()
        self.assertIsNotNone(lowest.bar(0), "the lowest point's bar is missing")
        self.assertIsNone(lowest.bar(1), "the next point has its bar")
        # Where the photon flies above the lowest point, right of the hole arrows, clear of the detector's
        # arrows and off the axis, nothing but grey.
        moved = [(x, y) for y in range(95, 480) if not 338 <= y <= 343 for x in range(175, 295)
                 if lowest.rgb(x, y) != GREY]
        self.assertEqual(moved[:5], [], "the next point has begun")

        program.click(START)  # "Pokračovat"
        program.rest_pointer()
        program.run_in_progress(lowest)
        program.key("End")
        self.assert_as_undisturbed(program.finished())
        self.end()

    def test_8_f2_shows_the_parameters_and_frequency_0_typed_by_keys_makes_every_bar_160(self):
        program = self.program
        program.focus()
        self.assertEqual(program.settled().rgb(*FREQUENCY_FIELD), GREY)
        program.key("F2")
        shown = wait_for("the fields", lambda: program.screenshot_when(lambda s: s.rgb(*FREQUENCY_FIELD) == LIGHT_GREEN))

        # From Start back past the holes and the distance to the frequency, 0 over its text, forward to Start and
        # press it.
        program.key("shift+Tab", "shift+Tab", "shift+Tab", "ctrl+a", "0", "Tab", "Tab", "Tab", "space")
        program.run_in_progress(shown)
        self.assert_every_bar(program.finished(), 160)
        self.end()

    def show_parameters(self):
        """F2, and the screenshot once the fields are there."""
        self.program.key("F2")
        return wait_for("the fields", lambda: self.program.screenshot_when(
            lambda shot: shot.rgb(*FREQUENCY_FIELD) == LIGHT_GREEN))

    def test_9_the_sum_columns_caption_follows_the_column_onto_a_row_of_its_own(self):
        program = self.program
        program.focus()
        self.show_parameters()

        def run_at(distance, caption):
            """A run at the distance typed (from Start back past the holes to its field, and forward to Start again);
            its picture, where the caption's text spans the sum column."""
            program.key("shift+Tab", "shift+Tab", "ctrl+a", *str(distance), "Tab", "Tab")
            final = program.whole_run("space")
            # Between the aperture screen and the bars, but for the detector, the line darkest from top to bottom.
            column = max((x for x in range(160, 540) if abs(x - 320) > 4),
                         key=lambda x: sum(final.dark(x, y) for y in range(100, 511)))
            self.assertEqual(column, distance + SUM_COLUMN_OFFSET, f"the sum column at distance {distance}")
            left, top, width, height = caption
            text = [x for y in range(top, top + height) for x in range(left, left + width) if final.dark(x, y)]
            self.assertTrue(text and min(text) < column < max(text),
                            f"at distance {distance} no caption's text over the sum column in {caption}")
            return final

        # At the starting distance first. Then near, the detector's caption leaves no room on the first row: the
        # caption drops below it, 20 px left of the column, and nothing of the run before is left at its starting
        # place.
        far = run_at(200, SUM_CAPTION)
        moved = (250, 85, 113, 19)
        near = run_at(50, moved)
        self.assertEqual(near.box(*SUM_CAPTION), bytes(GREY) * (SUM_CAPTION[2] * SUM_CAPTION[3]),
                         "something is left at the caption's starting place")
        self.assertEqual(near.box(*moved), far.box(*SUM_CAPTION), "not the same caption")
        self.end()

    def test_9_f6_keeps_the_previous_runs_bars_beside_the_new_ones(self):
        program = self.program
        first = program.whole_run("space")
        self.assert_bars(first)
        self.assertFalse(first.has(SLATE_BLUE, BAR_X, 95, 720, 520), "a previous run's bars with none before")
        self.assertEqual(first.box(*COMPARE_CAPTION), bytes(GREY) * (COMPARE_CAPTION[2] * COMPARE_CAPTION[3]),
                         "a comparison's caption with nothing compared")

        # F6 on, and the spacing 80 typed into "Rozteč děr" (from Start back past the holes, the distance and the
        # frequency), forward to Start again.
        program.key("F6")
        self.show_parameters()
        program.key(*["shift+Tab"] * 4, "ctrl+a", "8", "0", *["Tab"] * 4)
        compared = program.whole_run("space")
        now = two_hole_bars(80)
        self.assert_bars(compared, now)

        # Every previous bar, just above the new one, where it is longer and where it is shorter; each kind is there.
        longer = [point for point in range(11) if BARS[point] > now[point] + 2 * BAR_TOLERANCE]
        shorter = [point for point in range(11) if BARS[point] < now[point] - 2 * BAR_TOLERANCE]
        self.assertTrue(longer and shorter, f"no previous bar longer ({longer}) or none shorter ({shorter})")
        for point, expected in enumerate(BARS):
            found = compared.previous_bar(point)
            self.assertIsNotNone(found, f"previous bar {point} missing")
            self.assertLessEqual(abs(found - expected), BAR_TOLERANCE,
                                 f"previous bar {point}: {found} px, expected {expected} (new bar {now[point]:.2f})")
        left, top, width, height = COMPARE_CAPTION
        self.assertTrue(any(compared.dark(x, y) for y in range(top + 2, top + height - 2)
                            for x in range(left + 2, left + width - 2)), f"no caption's text in {COMPARE_CAPTION}")

        # Switched off, the next run draws none of it.
        program.key("F6")
        alone = program.whole_run("space")
        self.assert_bars(alone, now)
        self.assertFalse(alone.has(SLATE_BLUE, BAR_X, 95, 720, 520), "the previous bars with comparing switched off")
        self.assertEqual(alone.box(*COMPARE_CAPTION), bytes(GREY) * (width * height), "the caption with comparing off")
        self.end()

    def test_9_a_click_covers_a_hole_and_every_open_path_counts(self):
        program = self.program
        opened = program.whole_run("space")
        self.assertEqual(opened.rgb(*IN_UPPER_HOLE), GREY)

        # Covered at once on the drawing, and in the next run only the lower path is left.
        program.click(UPPER_HOLE)
        program.rest_pointer()
        wait_for("the hole drawn covered", lambda: program.screenshot().dark(*IN_UPPER_HOLE))
        self.assert_every_bar(program.whole_run("space"), 40)

        # Opened again, and the path watched: the two paths' probabilities add.
        program.click(UPPER_HOLE)
        program.rest_pointer()
        wait_for("the hole drawn open", lambda: program.screenshot().rgb(*IN_UPPER_HOLE) == GREY)
        program.key("F7")
        self.assert_every_bar(program.whole_run("space"), 80)

        # Not watched, and a single hole, typed into "Počet otvorů" (from Start one back), then Tab to Start.
        program.key("F7")
        self.show_parameters()
        program.key("shift+Tab", "ctrl+a", "1", "Tab")
        self.assert_every_bar(program.whole_run("space"), 160)

        # "Výchozí hodnoty" from the menu by the keyboard, where the focus is (on Start). Once a run is drawn every
        # item below it is enabled, so counting up from the bottom holds whether or not a style lets the arrows
        # stop on disabled items (MENU_BELOW_STARTING_VALUES). The title shows which item was taken.
        self.assertTrue(program.title().endswith("parametry"), f"the title notes no change: {program.title()!r}")
        program.rest_pointer()

        def beside():  # the menu opens at Start and reaches out of the window
            screen = Image(run("import", "-window", "root", "-depth", "8", "ppm:-"))
            return screen.region(SIZE[0], 0, SIZE[0] + 100, SIZE[1])
        closed = beside()
        program.key("Menu")
        wait_for("the menu", lambda: beside() != closed)
        program.key(*["Up"] * (len(MENU_BELOW_STARTING_VALUES) + 1), "Return")
        wait_for("the title without its note", lambda: not program.title().endswith("parametry"))

        # The fields hidden again, the run is the one of the starting set-up.
        program.key("F2")
        self.assert_as_undisturbed(program.whole_run("space"))
        self.end()

    def test_9_the_picture_copied_and_saved_through_the_dialog(self):
        if LAUNCHER:
            self.skipTest("Windows has a file dialog and a clipboard of its own")
        program = self.program
        final = program.whole_run("space")
        program.key("ctrl+c")
        copied = wait_for("the picture on the clipboard", clipboard_image)
        self.assertEqual((copied.width, copied.height), SIZE)
        self.assert_bars(copied)

        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        path = os.path.join(folder.name, "kestrova-obrazek.png")
        program.key("ctrl+s")
        wait_for("the file dialog", lambda: run("xdotool", "search", "--onlyvisible", "--name", "^Uložit obrázek$",
                                                check=False))
        program.key("ctrl+a")
        xdotool("type", "--delay", 20, path)
        program.key("Return")

        def saved_picture():
            if os.path.exists(path):
                with open(path, "rb") as file:
                    return png_image(file.read())
        saved = wait_for("the saved picture", saved_picture)
        self.assertEqual(saved.drawing(), final.drawing(), "the file does not hold what the window shows")
        self.assertEqual(saved.rgb(*START), GREY, "the buttons are in the picture")
        self.end()

    def test_9_the_whole_pattern_and_single_photons(self):
        program = self.program
        final = program.whole_run("F3", "space")  # Průběh on, then Start
        self.assert_bars(final)
        # The curve, in blue, right of the base line between the bars: nearest the axis it reaches 160 px.
        self.assertIn(CURVE, [final.rgb(x, int(bar_y(4)) - 20) for x in range(BAR_X + 1, BAR_X + 170)],
                      "no curve between the bars")
        self.assertIn(CURVE, [final.rgb(x, int(bar_y(4)) + dy) for x in range(BAR_X + 150, BAR_X + 165) for dy in (-2, 4)],
                      "the curve does not reach the middle bar")

        program.key("F4")  # photons
        landed = wait_for("marks of photons", lambda: program.screenshot_when(lambda shot: len(shot.photon_marks()) >= 10))
        self.assertTrue(all(420 < x < BAR_X for x, _ in landed.photon_marks()), "a mark outside the free strip")
        program.key("F4")
        self.end()


    def test_10_f5_shows_the_table_whose_copy_holds_the_bars_drawn(self):
        if LAUNCHER:
            self.skipTest("Windows has a clipboard of its own")
        program = self.program
        final = program.whole_run("space")
        self.assert_bars(final)
        program.key("F5")
        found = wait_for("the table's window", lambda: run("xdotool", "search", "--onlyvisible", "--name", "^Tabulka",
                                                           check=False, text=True).split())
        xdotool("windowfocus", "--sync", found[0])
        program.key("ctrl+c")  # in the table, with nothing selected: all of it
        lines = wait_for("the table on the clipboard", clipboard_text).splitlines()
        self.assertEqual(len(lines), 12, lines)
        titles = lines[0].split("\t")
        self.assertEqual(titles[0], "Bod")
        bar = titles.index("Úsečka (px)")
        for point, (line, drawn) in enumerate(zip(lines[1:], final.bars())):
            cells = line.split("\t")
            self.assertEqual(cells[0], str(point + 1))
            self.assertLessEqual(abs(float(cells[bar]) - drawn), BAR_TOLERANCE,
                                 f"point {point + 1}: {cells[bar]} in the table, {drawn} px drawn")
class Remembered(ProgramTest):
    """What the program remembers from one run to the next, in a settings folder of the test's own (XDG_CONFIG_HOME;
    under wine they are in the prefix's registry, so these are left to the Linux run)."""

    def setUp(self):
        if LAUNCHER:
            self.skipTest("the settings live in wine's registry")
        super().setUp()

    def has_curve(self, image):
        return CURVE in [image.rgb(x, int(bar_y(4)) - 20) for x in range(BAR_X + 1, BAR_X + 170)]

    def test_f3_stays_on_after_konec(self):
        first = self.program
        first.focus()
        first.settled()
        first.key("F3")
        self.end()
        following = self.start(config=first.config)
        final = following.whole_run("space")  # Start alone
        self.assert_bars(final)
        self.assertTrue(self.has_curve(final), "the next run drew no curve")
        self.program = following
        self.end()

    def test_a_damaged_settings_file_still_shows_the_window(self):
        self.end()
        damaged = tempfile.TemporaryDirectory()
        self.addCleanup(damaged.cleanup)
        os.makedirs(os.path.join(damaged.name, "Kestrova"))
        with open(os.path.join(damaged.name, "Kestrova", "Kestrova.conf"), "wb") as settings:
            settings.write(os.urandom(4096))
        self.program = self.start(config=damaged.name)  # waits for its window to be mapped
        self.assertEqual(self.program.size(), SIZE)
        self.assert_bars(self.program.whole_run("space"))
        self.end()

    def test_f8_every_colour_drawn_reaches_3_to_1(self):
        program = self.program
        final = program.whole_run("F8", "F3", "space")  # Kontrastní barvy and Průběh on, then Start
        program.key("F4")  # photons: their marks and tallies
        shot = wait_for("marks of photons",
                        lambda: program.screenshot_when(lambda image: len(image.photon_marks()) >= 10))
        program.key("F4")
        # The captions' text within the drawing is smoothed: "Zdroj fotonu" and "bez interference".
        captions = [(56 - 2, 312 - 2, 56 + 65 + 2, 312 + 17 + 2), (590 - 2, 514 - 2, 590 + 80 + 2, 514 + 17 + 2)]
        drawn = {}  # each colour with a pixel where it is
        for image in (final, shot):
            for y in range(92, image.height):
                row = image.pixels[y * image.width * 3:(y + 1) * image.width * 3]
                for x in range(image.width):
                    colour = row[x * 3:x * 3 + 3]
                    if colour not in drawn and not any(a <= x < c and b <= y < d for a, b, c, d in captions):
                        drawn[colour] = (x, y)
        weak = {colour.hex(): at for colour, at in drawn.items()
                if colour != bytes(GREY) and contrast(tuple(colour), GREY) < 3}
        self.assertEqual(weak, {}, "colours under 3 : 1 against the grey, with a pixel of each")
        self.assertGreater(len(drawn), 5, "too few colours drawn to be the picture")
        self.end()


class WithWindowManager(ProgramTest):
    """Under a window manager that honours full screen and maximise requests; the screen is 1920×1080. Grown mid-run,
    the run goes on to bars as many times longer and crisp lines."""

    def screen_size(self):
        return geometry(["-root"], "Width", "Height")

    def goes_on_larger(self):
        self.program.zoom = None
        final = self.program.goes_on_to_the_end()
        self.assert_bars(final)
        self.assert_crisp(final)
        return final

    def test_f11_during_a_run_full_screen_larger_then_esc_back(self):
        program = self.program
        program.start_slow_run()
        program.key("F11")  # let through during a run: it changes only the window
        wait_for("full screen", lambda: program.size() == self.screen_size())
        self.assertAlmostEqual(self.goes_on_larger().zoom, 1.8)

        program.key("Escape")
        wait_for("the window back at its size", lambda: program.size() == SIZE)
        program.zoom = 1
        self.assert_bars(program.settled())
        self.end()

    def test_maximised_by_the_window_manager_during_a_run(self):
        program = self.program
        program.start_slow_run()
        xwin("maximise", program.window)
        wait_for("maximised", lambda: program.size()[0] == self.screen_size()[0])
        self.assertGreater(self.goes_on_larger().zoom, 1.5)
        self.end("close")


def main():
    global PROGRAM, XWIN, LAUNCHER
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    parser.add_argument("--xwin", required=True)
    parser.add_argument("--launcher", help="a program that starts --program, such as tests/on-wine.sh")
    parser.add_argument("--window-manager")
    arguments, rest = parser.parse_known_args()
    PROGRAM, XWIN = os.path.abspath(arguments.program), os.path.abspath(arguments.xwin)
    LAUNCHER = [os.path.abspath(arguments.launcher)] if arguments.launcher else []
    if not os.environ.get("DISPLAY"):
        sys.exit("blackbox.py: no DISPLAY; run it through tests/on-xvfb.sh")
    manager = None
    if arguments.window_manager:  # started, and managing the screen, before the tests
        manager = subprocess.Popen([arguments.window_manager, "--sm-disable"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        wait_for("the window manager", lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                                                    check=False, text=True))
    try:
        outcome = unittest.main(argv=[sys.argv[0], "-v"] + rest, exit=False,
                                defaultTest="WithWindowManager" if manager else ["BlackBox", "Remembered"])
    finally:
        if manager:
            manager.terminate()
            manager.wait(timeout=BOUND)
    sys.exit(0 if outcome.result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
