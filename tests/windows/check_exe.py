#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""kestrova.exe as Windows sees it, read back with objdump and wrestool: a 64-bit window program that needs
only Windows' own DLLs, carrying the icon's three images, the version record and a manifest asking for
per-monitor DPI awareness; the installer's version record; and the zip holding exactly that exe.

    check_exe.py --exe kestrova.exe --setup kestrova-V-setup.exe --zip kestrova-V-windows.zip --version V
                 --ico resources/kestrova.ico --objdump x86_64-w64-mingw32-objdump --wrestool wrestool"""

import argparse
import re
import struct
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree
import zipfile

ARGS = None

# DLLs that every Windows 10 and 11 installation has in System32, and the API sets its loader resolves.
SYSTEM_DLLS = {
    "advapi32.dll", "authz.dll", "comctl32.dll", "comdlg32.dll", "crypt32.dll", "d3d11.dll", "d3d9.dll",
    "dwmapi.dll", "dwrite.dll", "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll", "msvcrt.dll",
    "netapi32.dll", "ole32.dll", "oleaut32.dll", "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll", "ws2_32.dll", "wtsapi32.dll",
    "api-ms-win-core-synch-l1-2-0.dll", "api-ms-win-core-winrt-l1-1-0.dll",
    "api-ms-win-core-winrt-string-l1-1-0.dll",
}

# (width, height, bits per pixel) in the order of the icon's directory.
ICON_IMAGES = [(32, 32, 1), (32, 32, 4), (16, 16, 4)]


def run(*command):
    return subprocess.run(command, capture_output=True, check=True, timeout=60).stdout


def resource(type_id, name, path=None):
    return run(ARGS.wrestool, "-x", "--raw", f"--type={type_id}", f"--name={name}", path or ARGS.exe)


def version_node(data, at=0):
    """One node of VS_VERSIONINFO: (key, value, children), value as text for text nodes."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_end = at + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    value_at = (key_end + 2 + 3) & ~3
    size = value_length * 2 if kind == 1 else value_length
    value = data[value_at:value_at + size]
    if kind == 1:
        value = value.decode("utf-16-le").rstrip("\0")
    children = []
    child = (value_at + size + 3) & ~3
    while child < end:
        node = version_node(data, child)
        children.append(node)
        child = (child + struct.unpack_from("<H", data, child)[0] + 3) & ~3
    return key, value, children


def child(node, key):
    found = [c for c in node[2] if c[0] == key]
    assert len(found) == 1, f"{node[0]} has {len(found)} nodes named {key}"
    return found[0]


class Exe(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.headers = run(ARGS.objdump, "-p", ARGS.exe).decode()

    def test_a_64_bit_window_program(self):
        self.assertIn("file format pei-x86-64", self.headers)
        self.assertRegex(self.headers, r"Subsystem\s+00000002\s+\(Windows GUI\)", "a console program")

    def test_imports_only_windows_own_dlls(self):
        imported = re.findall(r"DLL Name: (\S+)", self.headers)
        self.assertTrue(imported, "no import table found")
        for name in imported:
            with self.subTest(dll=name):
                self.assertIn(name.lower(), SYSTEM_DLLS, "not part of Windows: it would have to ship with the exe")

    def test_icon_is_the_three_images(self):
        with open(ARGS.ico, "rb") as committed:
            ico = committed.read()
        group = resource(14, 1)  # RT_GROUP_ICON: the .ico's directory, with resource ids for file offsets
        self.assertEqual(struct.unpack_from("<HHH", group), (0, 1, len(ICON_IMAGES)))
        for index, (width, height, bits) in enumerate(ICON_IMAGES):
            with self.subTest(image=index):
                w, h, colours, _, _, count, size, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * index)
                self.assertEqual((w, h, count, colours), (width, height, bits, 2 ** bits % 256))
                image = resource(3, icon_id)  # RT_ICON
                self.assertEqual(len(image), size)
                offset = struct.unpack_from("<I", ico, 6 + 16 * index + 12)[0]
                self.assertEqual(image, ico[offset:offset + size], "differs from resources/kestrova.ico")

    def test_version_records(self):
        major, minor = (int(part) for part in ARGS.version.split("."))
        numbers = ((major << 16) | minor, 0) * 2  # file and product version, each as two 32-bit halves
        for path, table in [(ARGS.exe, "040904B0"), (ARGS.setup, "000004b0")]:  # the installer's: neutral, as makensis spells it
            with self.subTest(file=path):
                root = version_node(resource(16, 1, path))  # RT_VERSION, VS_VERSION_INFO
                self.assertEqual(root[0], "VS_VERSION_INFO")
                signature, _, *found = struct.unpack_from("<6I", root[1])
                self.assertEqual(signature, 0xFEEF04BD)
                self.assertEqual(tuple(found), numbers, f"not the version {ARGS.version}")
                strings = child(child(root, "StringFileInfo"), table)
                for key, expected in [("FileVersion", ARGS.version), ("ProductVersion", ARGS.version),
                                      ("ProductName", "Kestrova"), ("CompanyName", "Kestrova")]:
                    with self.subTest(key=key):
                        self.assertEqual(child(strings, key)[1], expected)
        translation = child(child(version_node(resource(16, 1)), "VarFileInfo"), "Translation")[1]
        self.assertEqual(struct.unpack("<HH", translation), (0x0409, 1200))

    def test_manifest_asks_for_per_monitor_dpi_and_no_elevation(self):
        manifest = ElementTree.fromstring(resource(24, 1))  # RT_MANIFEST, the one Windows reads at start
        awareness = [e.text for e in manifest.iter("{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness")]
        self.assertEqual(len(awareness), 1)
        self.assertEqual(awareness[0].split(",")[0].strip(), "PerMonitorV2")
        levels = [e.get("level") for e in manifest.iter("{urn:schemas-microsoft-com:asm.v3}requestedExecutionLevel")]
        self.assertEqual(levels, ["asInvoker"])

    def test_zip_holds_the_exe(self):
        with zipfile.ZipFile(ARGS.zip) as archive, open(ARGS.exe, "rb") as exe:
            self.assertEqual(archive.namelist(), ["kestrova.exe"])
            self.assertEqual(archive.read("kestrova.exe"), exe.read())


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    for option in ["--exe", "--setup", "--zip", "--ico", "--version", "--objdump", "--wrestool"]:
        parser.add_argument(option, required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0], "-v"] + rest)


if __name__ == "__main__":
    main()
