#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built program as a screen reader meets it: over AT-SPI, the bus that Orca reads, on a bare X server
(run through tests/on-xvfb.sh) with keys from xdotool.

    atspi.py --program build/kestrova [unittest options]

It brings up the desktop's accessibility stack on its own: a private D-Bus session, at-spi-bus-launcher (which
starts the accessibility bus and says a screen reader is on, as Orca does) and at-spi2-registryd. Nothing here
asserts how long anything takes; every wait is bounded and every process started is stopped however it ends."""

import argparse
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = None
BOUND = 60  # seconds: the most any single wait may take
TITLE = "Detail Animace spomalené"
# Bar lengths of the eleven detector points with the starting parameters, lowest point first, in whole pixels.
BARS = [round(length) for length in [109.04, 71.09, 13.59, 31.84, 159.97, 34.57, 12.48, 69.97, 108.45, 128.25,
                                     138.61]]
CAPTIONS = ["Clona", "Detektor", "Součet radiusvektorů", "Pravděpodobnost dopadu", "Zdroj fotonu"]
HINT = "Klikněte na tlačítko Start"
EVENTS = ["object:state-changed:busy", "object:state-changed:focused", "object:state-changed:showing",
          "object:property-change:accessible-value", "object:property-change:accessible-description"]


def wait_for(what, condition, bound=BOUND):
    """Pumps AT-SPI events until condition() gives something truthy and returns it; fails after bound seconds."""
    deadline = time.monotonic() + bound
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"gave up waiting for {what} after {bound} s")
        time.sleep(0.02)


def pump():
    while GLIB_CONTEXT.iteration(False):
        pass


class Stack:
    """The session bus, the accessibility bus and its registry, each in its own process group."""

    def __init__(self):
        self.processes = []
        self.log = tempfile.TemporaryFile()
        try:
            self._start()
        except BaseException:
            self.stop()
            raise

    def spawn(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stderr=self.log, start_new_session=True,
                                   **options)
        self.processes.append(process)
        return process

    def _start(self):
        daemon = self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
                            stdout=subprocess.PIPE, text=True)
        address = daemon.stdout.readline().strip()  # written once the bus accepts connections
        if not address:
            raise AssertionError(f"dbus-daemon gave no address: {self.output()}")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1", "--screen-reader=1"])

        from gi.repository import Gio, GLib
        session = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)

        def a11y_address():
            try:
                reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                          GLib.VariantType("(s)"), Gio.DBusCallFlags.NO_AUTO_START, 1000, None)
                return reply.unpack()[0]
            except GLib.Error:
                return None
        deadline = time.monotonic() + BOUND
        while not (a11y := a11y_address()):
            if time.monotonic() > deadline:
                raise AssertionError(f"at-spi-bus-launcher gave no accessibility bus: {self.output()}")
            time.sleep(0.05)
        os.environ["AT_SPI_BUS_ADDRESS"] = a11y
        self.spawn(["/usr/libexec/at-spi2-registryd"])
        bus = Gio.DBusConnection.new_for_address_sync(
            a11y, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        deadline = time.monotonic() + BOUND
        while not bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                "NameHasOwner", GLib.Variant("(s)", ("org.a11y.atspi.Registry",)),
                                GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, 1000, None).unpack()[0]:
            if time.monotonic() > deadline:
                raise AssertionError(f"at-spi2-registryd did not start: {self.output()}")
            time.sleep(0.05)
        session.close_sync()
        bus.close_sync()

    def output(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait(timeout=BOUND)
            if process.stdout:
                process.stdout.close()
        self.log.close()


class Program:
    """The built program with no accessibility switch of its own: it finds the screen reader through the bus."""

    def __init__(self):
        self.log = tempfile.TemporaryFile()
        environment = {name: value for name, value in os.environ.items() if name != "AT_SPI_BUS_ADDRESS"}
        environment["LC_ALL"] = "C.UTF-8"
        self.process = subprocess.Popen([PROGRAM], stdin=subprocess.DEVNULL, stdout=self.log,
                                        stderr=subprocess.STDOUT, env=environment)
        try:
            self.application = wait_for("the program on the accessibility bus", self._application)
            self.frame = wait_for("its window", lambda: next(children(self.application, name=TITLE), None))
        except BaseException:
            print(f"\n--- the program's output ---\n{self.output()}", file=sys.stderr)
            self.stop()
            raise

    def _application(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended with status {self.process.returncode}: {self.output()}")
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            try:
                if application is not None and application.get_process_id() == self.process.pid:
                    return application
            except Exception:  # an application that is just going away
                pass
        return None

    def child(self, name, role=None):
        found = [c for c in children(self.frame, name=name) if role is None or c.getRoleName() == role]
        if len(found) != 1:
            raise AssertionError(f"{len(found)} children named {name!r} (role {role})")
        return found[0]

    def window_id(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), "--name",
                                TITLE], capture_output=True, text=True, timeout=BOUND).stdout.split()
        return found[0] if found else None

    def output(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=BOUND)
        self.log.close()


def children(accessible, name=None):
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None and (name is None or child.name == name):
            yield child


def states(accessible):
    return {state.value_nick for state in accessible.getState().getStates()}


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True, timeout=BOUND)


class Events:
    """Every event of the kinds above, in the order they arrived: (type, detail1, source name, source role)."""

    def __init__(self):
        self.seen = []
        for kind in EVENTS:
            pyatspi.Registry.registerEventListener(self._record, kind)

    def _record(self, event):
        try:
            self.seen.append((event.type, event.detail1, event.source.name, event.source.getRoleName()))
        except Exception:  # a source that has gone away
            pass

    def of(self, kind, name):
        return [(detail, role) for (t, detail, source, role) in self.seen if t == kind and source == name]

    def close(self):
        for kind in EVENTS:
            pyatspi.Registry.deregisterEventListener(self._record, kind)


class ScreenReader(unittest.TestCase):
    def setUp(self):
        self.events = Events()
        self.addCleanup(self.events.close)
        self.program = Program()
        self.addCleanup(self._stop_program)
        window = wait_for("the window to be mapped", self.program.window_id)
        # What a window manager does when the window is mapped: it gets the keyboard.
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=BOUND)

    def _stop_program(self):
        output = self.program.output()
        if output:
            print(f"\n--- the program's output ---\n{output}", file=sys.stderr)
        self.program.stop()

    def test_the_tree_the_speed_a_run_by_enter_and_its_result_in_words(self):
        program = self.program
        frame = program.frame
        # The window: a frame named by its title, with Start focused.
        self.assertEqual(frame.getRoleName(), "frame")
        self.assertTrue({"showing", "visible", "enabled"} <= states(frame), states(frame))
        self.assertNotIn("busy", states(frame))
        start = program.child("Start", "push button")
        konec = program.child("Konec", "push button")
        scroll = program.child("Zpomalení animace", "scroll bar")
        drawing = program.child("Kresba pokusu", "image")
        hint = program.child(HINT, "label")
        program.child("Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru", "label")
        address = program.child("Webová adresa", "text")
        wait_for("Start to have the focus", lambda: "focused" in states(start))
        for control in (start, konec, scroll, drawing, address):
            with self.subTest(control=control.name):
                self.assertTrue({"showing", "visible"} <= states(control), states(control))
                self.assertTrue(control.description, "no description")
        self.assertTrue({"showing", "visible"} <= states(hint))
        for caption in CAPTIONS:
            self.assertNotIn("showing", states(program.child(caption, "text")), caption)
        self.assertNotIn("Bod 1", drawing.description)

        # The scroll bar: values 1 to 10, one event for each change, from the keyboard and through AT-SPI.
        value = scroll.queryValue()
        self.assertEqual((value.minimumValue, value.maximumValue, value.currentValue), (1, 10, 1))
        key("Tab", "Tab")
        wait_for("the scroll bar to have the focus", lambda: "focused" in states(scroll))
        key("Right", "Right", "Right")
        wait_for("three value changes", lambda: len(self.events.of(EVENTS[3], scroll.name)) >= 3)
        self.assertEqual(scroll.queryValue().currentValue, 4)
        value.currentValue = 7
        wait_for("the fourth value change", lambda: len(self.events.of(EVENTS[3], scroll.name)) >= 4)
        self.assertEqual(scroll.queryValue().currentValue, 7)
        key("Home")  # back to the fastest, for a short run
        wait_for("the fifth value change", lambda: len(self.events.of(EVENTS[3], scroll.name)) >= 5)
        self.assertEqual(scroll.queryValue().currentValue, 1)
        key("Left")  # at 1 already: no change, no event
        self.assertEqual(scroll.queryValue().currentValue, 1)

        # A run started by Enter on the focused Start: busy while it lasts, announced on and off.
        key("shift+Tab", "shift+Tab")
        wait_for("Start to have the focus again", lambda: "focused" in states(start))
        before = start.description
        key("Return")
        wait_for("the busy state announced", lambda: self.events.of(EVENTS[0], TITLE))
        self.assertEqual(self.events.of(EVENTS[0], TITLE), [(1, "frame")])
        during = states(frame)  # the run lasts seconds: this is read while it goes on
        running = start.description
        wait_for("the end of the busy state announced", lambda: len(self.events.of(EVENTS[0], TITLE)) >= 2)
        self.assertEqual(self.events.of(EVENTS[0], TITLE), [(1, "frame"), (0, "frame")])
        self.assertIn("busy", during)
        self.assertNotIn("busy", states(frame))
        self.assertNotEqual(running, before)
        self.assertTrue(start.description.startswith("Animace doběhla."), start.description)
        self.assertTrue(self.events.of(EVENTS[4], start.name), "Start's description changes were not announced")

        # The result in words, announced; the captions shown; the covered hint no longer shown.
        self.assertTrue(self.events.of(EVENTS[4], drawing.name), "the drawing's description change was not announced")
        sentences = re.findall(r"Bod (\d+): (\d+) pixel", drawing.description)
        self.assertEqual(sentences, [(str(point), str(length)) for point, length in enumerate(BARS, start=1)],
                         drawing.description)
        self.assertIn("Maximum je v bodě 5, minima v bodech 3 a 7.", drawing.description)
        for caption in CAPTIONS:
            with self.subTest(caption=caption):
                self.assertTrue({"showing", "visible"} <= states(program.child(caption, "text")))
                self.assertIn((1, "text"), self.events.of(EVENTS[2], caption))
        self.assertNotIn("showing", states(hint))
        self.assertIn((0, "label"), self.events.of(EVENTS[2], HINT))

        self.assertEqual(len(self.events.of(EVENTS[3], scroll.name)), 5, "a value change announced twice, or none")

        # Enter on the focused KONEC ends the program.
        key("Tab", "Return")
        try:
            self.assertEqual(program.process.wait(timeout=BOUND), 0)
        except subprocess.TimeoutExpired:
            self.fail("Enter on KONEC did not end the program")


def main():
    global PROGRAM, pyatspi, GLIB_CONTEXT
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    arguments, rest = parser.parse_known_args()
    PROGRAM = os.path.abspath(arguments.program)
    if not os.environ.get("DISPLAY"):
        sys.exit("atspi.py: no DISPLAY; run it through tests/on-xvfb.sh")
    stack = Stack()
    try:
        import pyatspi  # connects to the buses named in the environment, so only once they are up
        from gi.repository import GLib
        GLIB_CONTEXT = GLib.MainContext.default()
        program = unittest.main(argv=[sys.argv[0], "-v"] + rest, exit=False)
        status = 0 if program.result.wasSuccessful() else 1
    except BaseException:
        print(f"\n--- the accessibility stack's output ---\n{stack.output()}", file=sys.stderr)
        raise
    finally:
        stack.stop()
    sys.exit(status)


if __name__ == "__main__":
    main()
