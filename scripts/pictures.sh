#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures from the real program on a private Xvfb display:
#   docs/kestrova.png      the finished picture after one run
#   docs/kestrova-bod.gif  the photon's flight to the first detector point, slowed down to 10
#   docs/kestrova-prubeh.png  the whole pattern (F3) and a few seconds of single photons (F4)
# Needs xvfb, xdotool and imagemagick (all installed by `make build`).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/kestrova}
out=docs
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Starts the program; sets program_pid and window.
start_program() {
    "$program" >/dev/null 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "pictures: the window did not appear" >&2; exit 1; }
    sleep 0.5
}

shot() { import -window "$1" -depth 8 "$2"; }

# One run at the fastest setting: the finished picture.
start_program
xdotool key --window "$window" space
sleep 4
shot "$window" "$out/kestrova.png"
kill "$program_pid"

# The slowest setting: Tab twice to the scroll bar, End, Tab back to Start, Space.
start_program
xdotool key --window "$window" Tab Tab End Tab space
end=$((SECONDS + 3))
frame=0
while [ "$SECONDS" -lt "$end" ]; do
    shot "$window" "$work/$(printf '%03d' "$frame").png"
    frame=$((frame + 1))
done
kill "$program_pid"
# The apparatus and the first point; every frame shown for a tenth of a second.
/usr/bin/convert -delay 10 -loop 0 "$work"/*.png -crop 560x300+40+250 +repage -layers Optimize "$out/kestrova-bod.gif"

# The whole pattern and single photons, by real key presses on the focused window.
start_program
xdotool windowfocus --sync "$window"
xdotool key F3 space
sleep 4
xdotool key F4
sleep 4
xdotool key F4
sleep 0.3
shot "$window" "$out/kestrova-prubeh.png"
kill "$program_pid"
echo "pictures: $out/kestrova.png, $out/kestrova-bod.gif ($frame frames), $out/kestrova-prubeh.png"
