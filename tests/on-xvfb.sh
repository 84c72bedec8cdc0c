#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private Xvfb display, a real X server with no window manager:
#   on-xvfb.sh COMMAND [ARGS...]
# Xvfb picks a free display itself; it is stopped when the command ends, fails or is interrupted.
# KESTROVA_XVFB_SCREEN sets the screen, 1280x1024x24 unless given.
set -u

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-xvfb.XXXXXX") || exit 1
xvfb_pid=
child=

stop_server() {
    [ -n "$child" ] && kill "$child" 2>/dev/null
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        # Bounded: a server that ignores TERM is killed after two seconds.
        for _ in $(seq 20); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap stop_server EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# -displayfd: the server chooses an unused display and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 "${KESTROVA_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!

display=
for _ in $(seq 200); do
    display=$(cat "$scratch/display" 2>/dev/null)
    [ -n "$display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "on-xvfb: Xvfb did not start:" >&2
        cat "$scratch/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done
if [ -z "$display" ]; then
    echo "on-xvfb: Xvfb gave no display within 20 s" >&2
    exit 1
fi

export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$scratch/runtime" && export XDG_RUNTIME_DIR="$scratch/runtime"
unset WAYLAND_DISPLAY
# In the background, so that a signal reaches the trap at once rather than when the command ends.
"$@" &
child=$!
wait "$child"
status=$?
child=
exit "$status"
