#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the last commit twice, from two fresh clones in folders of different names and depths, each with
# `make package` (without the tests, which the package does not hold), and compares the two .debs byte for
# byte. Uncommitted changes take no part.
# On a difference it names the members and files that differ.
set -euo pipefail
top=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$top" rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT

clones=("$work/a/kestrova" "$work/another/folder/kestrova-second-clone")
debs=()
for clone in "${clones[@]}"; do
    git clone -q "$top" "$clone"
    git -C "$clone" checkout -q --detach "$commit"
    echo "reproducible: make package in $clone"
    if ! make -C "$clone" package CONFIGURE_FLAGS=-DKESTROVA_TESTS=OFF > "$clone.log" 2>&1; then
        cat "$clone.log"
        exit 1
    fi
    debs+=("$(ls "$clone"/build/kestrova_*.deb)")
done

if cmp "${debs[0]}" "${debs[1]}"; then
    echo "reproducible: $(basename "${debs[0]}") is the same in both clones ($(sha256sum < "${debs[0]}" | cut -c1-16)...)"
    exit 0
fi

echo "reproducible: the two packages differ"
for i in 0 1; do
    mkdir -p "$work/unpacked$i"
    (cd "$work/unpacked$i" && ar x "${debs[$i]}" && mkdir data control &&
        tar -xf data.tar.* -C data && tar -xf control.tar.* -C control)
done
for member in debian-binary control.tar.gz data.tar.gz; do
    cmp -s "$work/unpacked0/$member" "$work/unpacked1/$member" || echo "  member $member differs"
done
diff -r "$work/unpacked0/data" "$work/unpacked1/data" | sed 's/^/  /' || true
diff -r "$work/unpacked0/control" "$work/unpacked1/control" | sed 's/^/  /' || true
diff <(tar -tvf "$work"/unpacked0/data.tar.*) <(tar -tvf "$work"/unpacked1/data.tar.*) | sed 's/^/  /' || true
exit 1
