#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# lupdate over the program's sources into the .ts files of a folder: translations/ itself (make translations), or a
# copy of it, which --check then inspects: it fails when a message is unfinished or vanished, that is when a text
# of the sources has no translation or a translation no text.
#   update.sh FOLDER [--check]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
folder=$1
lupdate=/usr/lib/qt6/bin/lupdate
# Updating drops the messages gone from the sources; checking keeps them, marked vanished, to fail on them.
keep=(-no-obsolete)
[ "${2:-}" = --check ] && keep=()
sources=("$root/app" "$root/narration" "$root/model" "$root/animation" "$root/fields" "$root/canvas" "$root/translations")
for code in en sk; do
    "$lupdate" -silent -locations none "${keep[@]}" -source-language cs -target-language "$code" "${sources[@]}" \
        -ts "$folder/kestrova_$code.ts" 2>&1 | grep -v '^$' || true
done
"$lupdate" -silent -locations none "${keep[@]}" -pluralonly -source-language cs -target-language cs "${sources[@]}" \
    -ts "$folder/kestrova_cs.ts" 2>&1 | grep -v '^$' || true
if [ "${2:-}" = --check ]; then
    status=0
    for file in "$folder"/kestrova_*.ts; do
        if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$file"; then
            echo "update.sh: $(basename "$file") has messages unfinished or no longer in the sources (make translations)" >&2
            status=1
        fi
    done
    exit $status
fi
