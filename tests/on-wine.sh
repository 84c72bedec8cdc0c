#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under wine, in a prefix of the build's own:
#   KESTROVA_WINEPREFIX=DIR on-wine.sh PROGRAM.exe [ARGS...]
#   KESTROVA_WINEPREFIX=DIR on-wine.sh --prepare      only makes the prefix
# The prefix is made on first use, for the display of that moment: with DISPLAY set, its windows go to that
# X server; without, to wine's null display, where windows exist and paint but no one sees them (the
# Qt Test suites run there). Debian's wine leaves C:\windows\Fonts empty, so wine's own fonts are
# put there, and the fonts the window asks for are answered as on a Debian desktop: Times New Roman with
# Liberation Serif, which has its metrics, and MS Sans Serif with DejaVu Sans. A Qt Test suite
# (tst_*.exe) writes its report to a file, shown when it ends: under wine its console output is lost.
# Exits with the program's status.
set -u

prefix=$(realpath -m "${KESTROVA_WINEPREFIX:?KESTROVA_WINEPREFIX names the wine prefix to use}")
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# No Gecko or Mono installers; no menu entries on this machine for shortcuts made inside the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# on-xvfb.sh asks Qt for xcb; a Windows Qt has its own platform plugin.
[ "${QT_QPA_PLATFORM:-}" = xcb ] && unset QT_QPA_PLATFORM
# Wine keeps the host's QT_* variables from Windows programs and hands on WINEQT_* as QT_* instead.
for name in $(compgen -e | grep '^QT_'); do
    export "WINE$name=${!name}"
done

# Wine's own font replacement: the name is then a family of its own, which Qt finds by name.
replace_font() {
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$1" /t REG_SZ /d "$2" /f >> "$prefix.log" 2>&1
}

display=${DISPLAY:+x11}
display=${display:-null}

make_prefix() {
    wineboot --init > "$prefix.log" 2>&1 &&
        cp /usr/share/wine/fonts/*.tt? "$prefix/drive_c/windows/Fonts/" &&
        replace_font 'Times New Roman' 'Liberation Serif' && replace_font 'MS Sans Serif' 'DejaVu Sans' &&
        { [ "$display" = x11 ] || wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f \
            >> "$prefix.log" 2>&1; } &&
        wineserver --wait &&
        echo "$display" > "$prefix/kestrova-ready"
}

mkdir -p "$(dirname "$prefix")"
{
    flock 9
    if [ ! -e "$prefix/kestrova-ready" ]; then
        rm -rf "$prefix"
        make_prefix || { echo "on-wine: could not make the wine prefix $prefix:" >&2; cat "$prefix.log" >&2; exit 1; }
    fi
} 9> "$prefix.lock"
if [ "$(cat "$prefix/kestrova-ready")" != "$display" ]; then
    echo "on-wine: $prefix is for the $(cat "$prefix/kestrova-ready") display, not $display (DISPLAY=${DISPLAY:-})" >&2
    exit 1
fi

program=$1
shift
[ "$program" = --prepare ] && exit 0
case $(basename "$program") in
    tst_*)
        report=$(mktemp "${TMPDIR:-/tmp}/kestrova-wine-report.XXXXXX") || exit 1
        trap 'rm -f "$report"' EXIT
        wine "$program" "$@" -o "Z:${report//\//\\},txt"
        status=$?
        cat "$report"
        exit "$status"
        ;;
    *)
        exec wine "$program" "$@"
        ;;
esac
