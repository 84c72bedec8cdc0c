#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Both Windows installers under wine, as the people they are made for meet them.

PerUserSetup: a teacher without administrator rights runs kestrova-<version>-setup.exe silently; it puts the exe
in the user's own program folder, a Start-menu entry and an entry in Settings > Apps, and the uninstaller leaves
nothing behind.

PerMachineMsi: a school's administrator pushes kestrova-<version>-x64.msi with msiexec /qn. It installs for all
users in Program Files, replaces an earlier version (an MSI of 0.99 made for the test), is not replaced by that
earlier one, and msiexec /x removes all of it, also while the program runs.

    KESTROVA_WINEPREFIX=DIR installer.py --wine on-wine.sh --exe kestrova.exe --version V --setup SETUP PerUserSetup
    KESTROVA_WINEPREFIX=DIR installer.py --wine on-wine.sh --exe kestrova.exe --version V --msi MSI
        --older-msi OLDER_MSI --ico kestrova.ico --msiinfo msiinfo PerMachineMsi"""

import argparse
import os
import shutil
import subprocess
import sys
import time
import unittest
from pathlib import Path

ARGS = None
UNINSTALL = r"Software\Microsoft\Windows\CurrentVersion\Uninstall"
BOUND = 120  # seconds: the most any single wait may take


def wine(*command):
    return subprocess.run([ARGS.wine, *command], capture_output=True, text=True, timeout=BOUND)


def exit_status(windows_code):
    """What a Windows exit code is once wine hands it on as a Unix status: its lowest byte."""
    return windows_code % 256


def registry_values(key):
    """The key's values by name; None when there is no such key."""
    result = wine("reg", "query", key)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.splitlines():
        parts = line.split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) == 3 else ""
    return values


def prefix_path(*parts):
    return Path(os.environ["KESTROVA_WINEPREFIX"], *parts)


def unix_path(windows_path):
    drive, rest = windows_path.split(":", 1)
    assert drive.upper() == "C", windows_path
    return prefix_path("drive_c", *rest.strip("\\").split("\\"))


def files_under(folder, skip=lambda relative: False):
    found = set()
    for parent, subfolders, files in os.walk(folder):
        relative = Path(parent).relative_to(folder)
        subfolders[:] = [s for s in subfolders if not skip(relative / s)]
        found.update(str(relative / name) for name in subfolders + files)
    return found


def files_outside_windows():
    """Every file and folder of drive C but Windows' own and the temporary ones. The user's program folder
    (AppData\\Local\\Programs) is Windows' own too: the first per-user installation makes it, and it stays."""
    found = files_under(prefix_path("drive_c"),
                        lambda relative: relative == Path("windows") or relative.name.lower() == "temp")
    return {f for f in found if not f.endswith(str(Path("AppData", "Local", "Programs")))}


def wait_until(condition, what):
    deadline = time.monotonic() + BOUND
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError(f"{what}: not so after {BOUND} s")
        time.sleep(0.2)


def the_only_shortcut(test, added):
    """The one Start-menu entry among the added files, checked to start kestrova.exe."""
    shortcuts = [f for f in added if f.endswith(".lnk")]
    test.assertEqual(len(shortcuts), 1, added)
    test.assertIn(str(Path("Start Menu", "Programs", "Kestrova.lnk")), shortcuts[0])
    link = prefix_path("drive_c", shortcuts[0]).read_bytes().lower()
    test.assertTrue(b"kestrova.exe" in link or "kestrova.exe".encode("utf-16-le") in link,
                    "the shortcut does not start kestrova.exe")
    return shortcuts[0]


def needs(*options):
    missing = [f"--{o.replace('_', '-')}" for o in options if getattr(ARGS, o) is None]
    if missing:
        raise RuntimeError(f"this test needs {' '.join(missing)}")


class PerUserSetup(unittest.TestCase):
    KEY = rf"HKCU\{UNINSTALL}\Kestrova"

    @classmethod
    def setUpClass(cls):
        needs("setup", "exe", "version")

    def test_installs_for_the_user_and_uninstalls_without_a_trace(self):
        wine("reg", "query", self.KEY)  # makes the prefix, if it is new
        if registry_values(self.KEY) is not None:  # left by an interrupted run
            self.uninstall(registry_values(self.KEY))
        before = files_outside_windows()

        result = wine(ARGS.setup, "/S")
        self.assertEqual(result.returncode, 0, result.stderr)
        values = registry_values(self.KEY)
        self.assertIsNotNone(values, "no entry in Settings > Apps")
        self.assertEqual(values.get("DisplayName"), "Kestrova")
        self.assertEqual(values.get("DisplayVersion"), ARGS.version)
        folder = unix_path(values["InstallLocation"])
        self.assertEqual(folder.parent.name, "Programs")
        self.assertEqual(folder.parent.parent.name, "Local", "not in the user's own program folder")
        self.assertEqual((folder / "kestrova.exe").read_bytes(), Path(ARGS.exe).read_bytes())
        the_only_shortcut(self, files_outside_windows() - before)

        self.uninstall(values)
        self.assertIsNone(registry_values(self.KEY), "the entry in Settings > Apps is left behind")
        self.assertEqual(files_outside_windows() - before, set(), "files left behind")

    def uninstall(self, values):
        folder = unix_path(values["InstallLocation"])
        result = wine(values["UninstallString"].strip('"'), "/S")
        self.assertEqual(result.returncode, 0, result.stderr)
        # The uninstaller runs on from a copy of itself, so that it can delete its own file.
        wait_until(lambda: not folder.exists() and registry_values(self.KEY) is None, f"{folder} removed")


def msi_table(msi, table):
    """The rows of one of the package's tables, as dictionaries by column name."""
    lines = subprocess.run([ARGS.msiinfo, "export", msi, table], capture_output=True, text=True, check=True,
                           timeout=60).stdout.splitlines()
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:]]  # after the names, types and key


def msi_properties(msi):
    return {row["Property"]: row["Value"] for row in msi_table(msi, "Property")}


def numeric_version(version):
    """Windows Installer's form of the program's version: 1.02 is 1.2.0."""
    parts = [int(p) for p in version.split(".")]
    return ".".join(str(p) for p in (parts + [0])[:3])


def packed(guid):
    """A product code as Windows Installer keys its registry entries: each group's hex digits reversed, the last
    two groups byte by byte."""
    groups = guid.strip("{}").split("-")
    swapped = "".join(g[i + 1] + g[i] for g in groups[3:] for i in range(0, len(g), 2))
    return "".join(g[::-1] for g in groups[:3]) + swapped


class PerMachineMsi(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        needs("msi", "older_msi", "exe", "version", "ico", "msiinfo")
        cls.product = msi_properties(ARGS.msi)
        cls.older = msi_properties(ARGS.older_msi)
        cls.codes = [cls.product["ProductCode"], cls.older["ProductCode"]]

    def setUp(self):
        subprocess.run([ARGS.wine, "--prepare"], check=True, timeout=BOUND)  # makes the prefix, if it is new
        for code in self.codes:  # whatever an interrupted run left
            if registry_values(self.uninstall_key(code)) is not None:
                wine("msiexec", "/x", code, "/qn")
        shutil.rmtree(unix_path(r"C:\Program Files\Kestrova"), ignore_errors=True)
        self.before = self.traces()

    @staticmethod
    def uninstall_key(code):
        return rf"HKLM\{UNINSTALL}\{code}"

    def traces(self):
        """What of Kestrova drive C and the registry hold: files outside Windows, Windows Installer's own copies
        (C:\\windows\\Installer) and every registry line that names Kestrova or one of its product codes."""
        names = ["kestrova"] + [c.strip("{}").lower() for c in self.codes] + [packed(c).lower() for c in self.codes]
        lines = set()
        for root in ["HKLM\\Software", "HKCU\\Software"]:
            dump = wine("reg", "query", root, "/s").stdout.lower()
            lines.update(f"{root}: {line.strip()}" for line in dump.splitlines() if any(n in line for n in names))
        installer = {f"Installer\\{f}" for f in files_under(prefix_path("drive_c", "windows", "Installer"))}
        return files_outside_windows() | installer | lines

    def install(self, msi, expected_status=0):
        result = wine("msiexec", "/i", msi, "/qn")
        self.assertEqual(result.returncode, exit_status(expected_status), result.stderr)

    def entry(self, properties):
        return registry_values(self.uninstall_key(properties["ProductCode"]))

    def test_the_start_menu_entry_is_for_all_users(self):
        # ProgramMenuFolder with ALLUSERS=1 is the Start menu of all users; wine puts it in the user's whatever
        # ALLUSERS, so this is read from the packages. The rest of what they declare shows in what they install.
        for msi in [ARGS.msi, ARGS.older_msi]:
            self.assertEqual(msi_properties(msi).get("ALLUSERS"), "1")
            self.assertEqual([row["Directory_"] for row in msi_table(msi, "Shortcut")], ["ProgramMenuFolder"])

    def test_replaces_an_earlier_version_is_not_replaced_by_it_and_leaves_nothing_behind(self):
        self.install(ARGS.older_msi)
        self.assertEqual(self.entry(self.older).get("DisplayVersion"), self.older["ProductVersion"])

        self.install(ARGS.msi)
        self.assertIsNone(self.entry(self.older), "the earlier version is still installed")
        values = self.entry(self.product)
        self.assertIsNotNone(values, "no entry in Settings > Apps")
        for name, expected in [("DisplayName", "Kestrova"), ("Publisher", "Kestrova"),
                               ("DisplayVersion", numeric_version(ARGS.version)),
                               ("InstallLocation", "C:\\Program Files\\Kestrova\\")]:
            with self.subTest(value=name):
                self.assertEqual(values.get(name), expected)
        self.assertEqual(unix_path(values["InstallLocation"] + "kestrova.exe").read_bytes(),
                         Path(ARGS.exe).read_bytes())
        icon = registry_values(rf"HKLM\Software\Classes\Installer\Products\{packed(self.product['ProductCode'])}")
        self.assertEqual(unix_path(icon["ProductIcon"]).read_bytes(), Path(ARGS.ico).read_bytes(),
                         "Settings > Apps shows another icon")
        added = self.traces() - self.before
        the_only_shortcut(self, added)

        # An administrator pushing the earlier version again: Windows Installer refuses (1603), nothing changes.
        self.install(ARGS.older_msi, expected_status=1603)
        self.assertIsNone(self.entry(self.older))
        self.assertEqual(self.traces() - self.before, added)

        result = wine("msiexec", "/x", ARGS.msi, "/qn")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.traces() - self.before, set(), "left behind")

    def test_removal_while_the_program_runs(self):
        self.install(ARGS.msi)
        program = "C:\\Program Files\\Kestrova\\kestrova.exe"
        running = subprocess.Popen([ARGS.wine, program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            # Wine names the process after the Windows program once it has loaded it.
            command_line = Path("/proc", str(running.pid), "cmdline")
            wait_until(lambda: command_line.read_bytes().startswith(program.encode()), "kestrova.exe running")
            result = wine("msiexec", "/x", ARGS.msi, "/qn")
        finally:
            running.kill()
            running.wait(timeout=BOUND)
        # Windows Installer closes the program or, failing that, finishes at the next restart (3010); both succeed.
        self.assertIn(result.returncode, [0, exit_status(3010)], result.stderr)
        self.assertIsNone(self.entry(self.product), "the entry in Settings > Apps is left behind")
        # Wine does neither: the program's file stays until the test removes it. What the program remembered for the
        # user who ran it (HKCU\Software\Kestrova) is that user's and stays, as a per-machine removal leaves it.
        left = {trace for trace in self.traces() - self.before
                if not trace.lower().endswith(("\\software\\kestrova", "\\software\\kestrova\\kestrova"))}
        self.assertLessEqual(left, {str(Path("Program Files", "Kestrova")), str(Path("Program Files", "Kestrova",
                                                                                      "kestrova.exe"))})
        shutil.rmtree(unix_path(r"C:\Program Files\Kestrova"), ignore_errors=True)


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--wine", required=True)
    for option in ["--exe", "--version", "--setup", "--msi", "--older-msi", "--ico", "--msiinfo"]:
        parser.add_argument(option)
    ARGS, rest = parser.parse_known_args()
    if not os.environ.get("KESTROVA_WINEPREFIX"):
        sys.exit("installer.py: set KESTROVA_WINEPREFIX")
    unittest.main(argv=[sys.argv[0], "-v"] + rest)


if __name__ == "__main__":
    main()
