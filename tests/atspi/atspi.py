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
import warnings

PROGRAM = None
BOUND = 60  # seconds: the most any single wait may take
TITLE = "Detail Animace spomalené"
# The bars with the starting parameters, lowest point first, in whole pixels.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bars.txt")) as listed:
    BARS = [round(float(line)) for line in listed if line.strip() and not line.startswith("#")]
CAPTIONS = ["Clona", "Detektor", "Součet radiusvektorů", "Pravděpodobnost dopadu", "Zdroj fotonu"]
HINT = "Klikněte na tlačítko Start"
SAVE = "Uložit obrázek"  # the save dialog's title, and its question's
BUSY, FOCUSED, SHOWING, VALUE, DESCRIPTION = EVENTS = [
    "object:state-changed:busy", "object:state-changed:focused", "object:state-changed:showing",
    "object:property-change:accessible-value", "object:property-change:accessible-description"]


def wait_for(what, condition, pump=lambda: None):
    """Until condition() gives something truthy, which is returned; fails after BOUND seconds."""
    deadline = time.monotonic() + BOUND
    while True:
        pump()
        if value := condition():
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"gave up waiting for {what} after {BOUND} s")
        time.sleep(0.02)


def pumped(what, condition):
    """wait_for, taking in the AT-SPI events meanwhile."""
    def pump():
        while GLIB_CONTEXT.iteration(False):
            pass
    return wait_for(what, condition, pump)


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
        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
        session = Gio.DBusConnection.new_for_address_sync(address, flags)

        def call(bus, name, path, interface, method, arguments, reply):
            try:
                return bus.call_sync(name, path, interface, method, arguments, GLib.VariantType(reply),
                                     Gio.DBusCallFlags.NO_AUTO_START, 1000, None).unpack()[0]
            except GLib.Error:
                return None
        a11y = wait_for("the accessibility bus", lambda: call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                                              "GetAddress", None, "(s)"))
        os.environ["AT_SPI_BUS_ADDRESS"] = a11y
        self.spawn(["/usr/libexec/at-spi2-registryd"])
        bus = Gio.DBusConnection.new_for_address_sync(a11y, flags)
        wait_for("the registry", lambda: call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                              "NameHasOwner", GLib.Variant("(s)", ("org.a11y.atspi.Registry",)), "(b)"))
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
    """The built program with no accessibility switch of its own: it finds the screen reader through the bus. Its
    settings are its own, never the user's: it starts as the first time, in Czech."""

    def __init__(self):
        self.log = tempfile.TemporaryFile()
        self.config = tempfile.TemporaryDirectory()
        environment = {name: value for name, value in os.environ.items() if name != "AT_SPI_BUS_ADDRESS"}
        environment["LC_ALL"] = "C.UTF-8"
        environment["XDG_CONFIG_HOME"] = self.config.name
        self.process = subprocess.Popen([PROGRAM], stdin=subprocess.DEVNULL, stdout=self.log,
                                        stderr=subprocess.STDOUT, env=environment)
        try:
            self.application = pumped("the program on the accessibility bus", self._application)
            self.frame = pumped("its window", lambda: next(children(self.application, name=TITLE), None))
        except BaseException:
            print(f"\n--- the program's output ---\n{self.output()}", file=sys.stderr)
            self.stop()
            raise

    def _application(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended with status {self.process.returncode}: {self.output()}")
        for application in pyatspi.Registry.getDesktop(0):
            try:
                if application is not None and application.get_process_id() == self.process.pid:
                    return application
            except Exception:  # an application that is just going away
                pass
        return None

    def child(self, name, role):
        found = [c for c in children(self.frame, name=name) if c.getRoleName() == role]
        if len(found) != 1:
            raise AssertionError(f"{len(found)} children named {name!r} (role {role})")
        return found[0]

    def output(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=BOUND)
        self.log.close()
        self.config.cleanup()

    def window(self, role, name):
        """Its top-level window of that role and name that is showing, or None."""
        for index in range(self.application.childCount):
            try:
                window = self.application.getChildAtIndex(index)
                if window is not None and (window.getRoleName(), window.name) == (role, name) \
                        and "showing" in states(window):
                    return window
            except Exception:  # a window that is just going away
                pass
        return None


def children(accessible, name):
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None and child.name == name:
            yield child


def descendants(accessible, role):
    """Everything of the role within, depth first; lists and tables are not looked into (a folder's files)."""
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is None:
            continue
        if child.getRoleName() == role:
            yield child
        if child.getRoleName() not in ("list", "table", "tree", "tree table"):
            yield from descendants(child, role)


def press(button):
    """The button's own action, as a screen reader does it."""
    from gi.repository import Atspi
    with warnings.catch_warnings():  # from Python only the deprecated call reaches an action's name
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [Atspi.Action.get_action_name(button, index) for index in range(Atspi.Action.get_n_actions(button))]
    if "Press" not in names:
        raise AssertionError(f"{button.name!r} has no Press action: {names}")
    Atspi.Action.do_action(button, names.index("Press"))


def states(accessible):
    return {state.value_nick for state in accessible.getState().getStates()}


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True, timeout=BOUND)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True, timeout=BOUND)


def focus(window):
    """What a window manager does when a window is mapped, or another over it goes away: it gets the keyboard."""
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=BOUND)


class ScreenReader(unittest.TestCase):
    def setUp(self):
        self.seen = []  # every event of the kinds above, as it came: (type, detail1, source name, source role)
        for kind in EVENTS:
            pyatspi.Registry.registerEventListener(self._record, kind)
            self.addCleanup(pyatspi.Registry.deregisterEventListener, self._record, kind)
        self.program = Program()
        self.addCleanup(self._stop_program)
        window = wait_for("the window to be mapped", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.program.process.pid), "--name", TITLE],
            capture_output=True, text=True, timeout=BOUND).stdout.split())[0]
        self.window = window
        focus(window)

    def _record(self, event):
        try:
            self.seen.append((event.type, event.detail1, event.source.name, event.source.getRoleName()))
        except Exception:  # a source that has gone away
            pass

    def events(self, kind, name):
        return [(detail, role) for (t, detail, source, role) in self.seen if t == kind and source == name]

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
        pumped("Start to have the focus", lambda: "focused" in states(start))
        for control in (start, konec, scroll, drawing, address):
            self.assertTrue({"showing", "visible"} <= states(control), control.name)
            self.assertTrue(control.description, f"{control.name}: no description")
        self.assertTrue({"showing", "visible"} <= states(hint))
        for caption in CAPTIONS:
            self.assertNotIn("showing", states(program.child(caption, "text")), caption)
        self.assertNotIn("Bod 1", drawing.description)

        # The scroll bar: values 1 to 10, one event for each change, from the keyboard and through AT-SPI.
        value = scroll.queryValue()
        self.assertEqual((value.minimumValue, value.maximumValue, value.currentValue), (1, 10, 1))
        key("Tab", "Tab")
        pumped("the scroll bar to have the focus", lambda: "focused" in states(scroll))
        for change, (act, expected) in enumerate([(lambda: key("Right", "Right", "Right"), 4),
                                                  (lambda: setattr(value, "currentValue", 7), 7),
                                                  (lambda: key("Home"), 1)]):  # back to the fastest, for a short run
            act()
            pumped("the value change", lambda: len(self.events(VALUE, scroll.name)) >= change + 3)
            self.assertEqual(scroll.queryValue().currentValue, expected)
        key("Left")  # at 1 already: no change, no event
        self.assertEqual(scroll.queryValue().currentValue, 1)

        # A run started by Enter on the focused Start: busy while it lasts, announced on and off.
        key("shift+Tab", "shift+Tab")
        pumped("Start to have the focus again", lambda: "focused" in states(start))
        before = start.description
        key("Return")
        pumped("the busy state announced", lambda: self.events(BUSY, TITLE))
        self.assertEqual(self.events(BUSY, TITLE), [(1, "frame")])
        during = states(frame)  # the run lasts seconds: this is read while it goes on
        running = start.description
        pumped("the end of the busy state announced", lambda: len(self.events(BUSY, TITLE)) >= 2)
        self.assertEqual(self.events(BUSY, TITLE), [(1, "frame"), (0, "frame")])
        self.assertIn("busy", during)
        self.assertNotIn("busy", states(frame))
        self.assertNotEqual(running, before)
        self.assertTrue(start.description.startswith("Animace doběhla."), start.description)
        self.assertTrue(self.events(DESCRIPTION, start.name), "Start's description changes were not announced")

        # The result in words, announced; the captions shown; the covered hint no longer shown.
        self.assertTrue(self.events(DESCRIPTION, drawing.name), "the drawing's description change was not announced")
        sentences = re.findall(r"Bod (\d+): (\d+) pixel", drawing.description)
        self.assertEqual(sentences, [(str(point), str(length)) for point, length in enumerate(BARS, start=1)],
                         drawing.description)
        self.assertIn("Maximum je v bodě 5, minima v bodech 3 a 7.", drawing.description)
        for caption in CAPTIONS:
            self.assertTrue({"showing", "visible"} <= states(program.child(caption, "text")), caption)
            self.assertIn((1, "text"), self.events(SHOWING, caption))
        self.assertNotIn("showing", states(hint))
        self.assertIn((0, "label"), self.events(SHOWING, HINT))
        self.assertEqual(len(self.events(VALUE, scroll.name)), 5, "a value change announced twice, or none")

        # Enter on the focused KONEC ends the program.
        key("Tab", "Return")
        try:
            self.assertEqual(program.process.wait(timeout=BOUND), 0)
        except subprocess.TimeoutExpired:
            self.fail("Enter on KONEC did not end the program")


    def test_saving_over_a_file_asks_with_qts_own_czech_buttons(self):
        program = self.program
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        path = os.path.join(folder.name, "obrazek.png")

        def save_dialog():
            """Ctrl+S in the window, and the file dialog once it has the keyboard."""
            focus(self.window)
            key("ctrl+s")
            dialog = pumped("the save dialog", lambda: program.window("dialog", SAVE))
            pumped("the save dialog to be active", lambda: "active" in states(dialog))
            return dialog

        def saved():
            with open(path, "rb") as file:
                return file.read().endswith(b"IEND\xaeB`\x82")  # a PNG written to its end
        save_dialog()
        key("ctrl+a")
        type_text(path)
        key("Return")
        wait_for("the picture saved", lambda: os.path.exists(path) and saved())
        pumped("the save dialog gone", lambda: program.window("dialog", SAVE) is None)
        with open(path, "wb") as file:  # what a replaced file would no longer hold
            file.write(b"kept")

        # Again, the same name: the program asks first, with Qt's own buttons in Czech.
        save_dialog()
        key("ctrl+a")
        type_text(path)
        key("Return")
        question = pumped("the question whether to replace the file", lambda: program.window("alert", SAVE))
        self.assertTrue(any(path in label.name for label in descendants(question, "label")),
                        "the question does not name the file")
        buttons = {button.name: button for button in descendants(question, "push button")}
        self.assertEqual(sorted(buttons), ["Ano", "Ne"])

        # No: the file is left as it was, and the dialog is back for another name; cancelled, and the program ends.
        press(buttons["Ne"])
        pumped("the question gone", lambda: program.window("alert", SAVE) is None)
        dialog = pumped("the save dialog back", lambda: program.window("dialog", SAVE))
        with open(path, "rb") as file:
            self.assertEqual(file.read(), b"kept", "the file was replaced")
        cancel = [button for button in descendants(dialog, "push button") if button.name == "Zrušit"]
        self.assertEqual(len(cancel), 1, "no single button Zrušit in the save dialog")
        press(cancel[0])
        pumped("the save dialog gone", lambda: program.window("dialog", SAVE) is None)
        focus(self.window)
        press(program.child("Konec", "push button"))
        try:
            self.assertEqual(program.process.wait(timeout=BOUND), 0)
        except subprocess.TimeoutExpired:
            self.fail("Konec did not end the program")
        with open(path, "rb") as file:
            self.assertEqual(file.read(), b"kept", "the file was replaced")


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
