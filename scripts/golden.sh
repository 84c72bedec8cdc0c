#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the reference pictures in tests/golden from the program, at device pixel ratios 1 and 2:
#   scripts/golden.sh [BUILD]
# Look at every picture before committing it: the test checks the finished pictures' bar lengths, not the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target tst_golden >/dev/null
for ratio in 1 2; do
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QT_SCALE_FACTOR=$ratio KESTROVA_UPDATE_GOLDEN=1 \
        "$build/tests/tst_golden" picture
done
git status --short tests/golden
