#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The installer under wine, as a user without administrator rights meets it: a silent installation puts
the exe in the user's own program folder, a Start-menu entry and an entry in Settings > Apps; the
uninstaller then leaves nothing behind.

    KESTROVA_WINEPREFIX=DIR installer.py --setup kestrova-1.00-setup.exe --exe kestrova.exe --wine on-wine.sh"""

import argparse
import os
import subprocess
import sys
import time
import unittest
from pathlib import Path

ARGS = None
KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrova"
BOUND = 120  # seconds: the most any single wait may take


def wine(*command):
    return subprocess.run([ARGS.wine, *command], capture_output=True, text=True, timeout=BOUND)


def registry_values():
    """The uninstall entry's values by name; None when there is no entry."""
    result = wine("reg", "query", KEY)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.splitlines():
        parts = line.split(None, 2)
        if len(parts) == 3 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2]
    return values


def unix_path(windows_path):
    drive, rest = windows_path.split(":", 1)
    assert drive.upper() == "C", windows_path
    return Path(os.environ["KESTROVA_WINEPREFIX"], "drive_c", *rest.strip("\\").split("\\"))


def files_outside_windows():
    """Every file and folder of drive C but Windows' own and the temporary ones. The user's program folder
    (AppData\\Local\\Programs) is Windows' own too: the first per-user installation makes it, and it stays."""
    drive = Path(os.environ["KESTROVA_WINEPREFIX"], "drive_c")
    found = set()
    for folder, subfolders, files in os.walk(drive):
        relative = Path(folder).relative_to(drive)
        if relative == Path("windows"):
            subfolders.clear()
            continue
        subfolders[:] = [s for s in subfolders if s.lower() != "temp"]
        found.update(str(relative / name) for name in subfolders + files)
    return {f for f in found if not f.endswith(str(Path("AppData", "Local", "Programs")))}


class Installer(unittest.TestCase):
    def test_installs_for_the_user_and_uninstalls_without_a_trace(self):
        wine("reg", "query", KEY)  # makes the prefix, if it is new
        if registry_values() is not None:  # left by an interrupted run
            self.uninstall(registry_values())
        before = files_outside_windows()

        result = wine(ARGS.setup, "/S")
        self.assertEqual(result.returncode, 0, result.stderr)
        values = registry_values()
        self.assertIsNotNone(values, "no entry in Settings > Apps")
        self.assertEqual(values.get("DisplayName"), "Kestrova")
        self.assertEqual(values.get("DisplayVersion"), "1.00")
        folder = unix_path(values["InstallLocation"])
        self.assertEqual(folder.parent.name, "Programs")
        self.assertEqual(folder.parent.parent.name, "Local", "not in the user's own program folder")
        with open(ARGS.exe, "rb") as built:
            self.assertEqual((folder / "kestrova.exe").read_bytes(), built.read())

        added = files_outside_windows() - before
        shortcuts = [f for f in added if f.endswith(".lnk")]
        self.assertEqual(len(shortcuts), 1, added)
        self.assertIn(str(Path("Start Menu", "Programs", "Kestrova.lnk")), shortcuts[0])
        link = Path(os.environ["KESTROVA_WINEPREFIX"], "drive_c", shortcuts[0]).read_bytes().lower()
        self.assertTrue(b"kestrova.exe" in link or "kestrova.exe".encode("utf-16-le") in link,
                        "the shortcut does not start kestrova.exe")

        self.uninstall(values)
        self.assertIsNone(registry_values(), "the entry in Settings > Apps is left behind")
        self.assertEqual(files_outside_windows() - before, set(), "files left behind")

    def uninstall(self, values):
        folder = unix_path(values["InstallLocation"])
        result = wine(values["UninstallString"].strip('"'), "/S")
        self.assertEqual(result.returncode, 0, result.stderr)
        # The uninstaller runs on from a copy of itself, so that it can delete its own file.
        deadline = time.monotonic() + BOUND
        while folder.exists() or registry_values() is not None:
            self.assertLess(time.monotonic(), deadline, f"{folder} still there after {BOUND} s")
            time.sleep(0.2)


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    for option in ["--setup", "--exe", "--wine"]:
        parser.add_argument(option, required=True)
    ARGS, rest = parser.parse_known_args()
    if not os.environ.get("KESTROVA_WINEPREFIX"):
        sys.exit("installer.py: set KESTROVA_WINEPREFIX")
    unittest.main(argv=[sys.argv[0], "-v"] + rest)


if __name__ == "__main__":
    main()
