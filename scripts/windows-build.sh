#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Kestrova for 64-bit Windows, cross-built on Debian 12 from Debian's archive alone.
#   qt       a static Qt for x86_64-w64-mingw32 from Debian's qt6-base source, built once and cached
#   exe      kestrova.exe: one self-contained file
#   package  kestrova-<version>-setup.exe (NSIS, per user), kestrova-<version>-x64.msi (Windows Installer, per
#            machine) and kestrova-<version>-windows.zip
#   test     the Qt Test suites, both installers and the black box, under wine
# No stage means qt exe package. The packages it needs are installed by make windows / make windows-test.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${WINDOWS_BUILD:-$ROOT/build-windows}
case $BUILD in /*) ;; *) BUILD=$ROOT/$BUILD ;; esac
JOBS=${JOBS:-$(nproc)}
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake

QT_VERSION=6.4.2
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/kestrova
QT_PREFIX=$CACHE/qt-$QT_VERSION-x86_64-w64-mingw32-static
QT_STAMP=$QT_PREFIX/kestrova-qt.options
HOST_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

# Only what the program and its tests use; wintab, DirectWrite 3 and Direct2D are left out because Debian's
# source and mingw lack parts of them.
QT_OPTIONS=(
    -release -static -static-runtime -nomake examples -nomake tests
    -qt-zlib -qt-pcre -qt-harfbuzz -qt-libpng -qt-freetype -no-libjpeg -no-icu -no-openssl
    -no-opengl -no-dbus -no-direct2d -no-feature-directwrite3 -no-feature-tabletevent -no-feature-vulkan
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-printsupport
    -qt-host-path /usr
)

say() { printf 'windows-build: %s\n' "$*"; }
die() { printf 'windows-build: %s\n' "$*" >&2; exit 1; }

# --- the static Qt -------------------------------------------------------------------------------------------

qt_is_built() { [ -f "$QT_STAMP" ] && [ "$(cat "$QT_STAMP")" = "${QT_OPTIONS[*]}" ]; }

# The machine's own deb sources, as deb-src entries in deb822: URI, suite and components as apt itself reads
# them (apt-get indextargets), each with the keyring its sources entry names (Signed-By, or signed-by= on a
# one-line entry). An entry without one is checked against apt's trusted keys, as apt does.
machine_sources() {
    local entry uri suite components
    apt-get indextargets --format '$(SOURCESENTRY)	$(REPO_URI)	$(RELEASE)	$(COMPONENT)' 'Target-Of: deb' |
        awk -F '\t' '{ key = $1 FS $2 FS $3
                       if (!(key in components)) { order[++n] = key; components[key] = $4 }
                       else if (index(" " components[key] " ", " " $4 " ") == 0) components[key] = components[key] " " $4 }
                     END { for (i = 1; i <= n; i++) print order[i] FS components[order[i]] }' |
        while IFS=$'\t' read -r entry uri suite components; do
            printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n' "$uri" "$suite" "$components"
            [ -z "$entry" ] || signed_by "${entry%:*}" "${entry##*:}"
            echo
        done
}

# The Signed-By of entry $2 in sources file $1: the stanza's field with its continuation lines, or a one-line
# entry's signed-by= option; nothing when it has none.
signed_by() {
    case $1 in
        *.sources)
            awk -v want="$2" 'BEGIN { RS = ""; FS = "\n" }
                { fields = 0; taking = 0; found = ""
                  for (i = 1; i <= NF; i++) {
                      if ($i ~ /^#/) continue
                      fields++
                      if (taking && $i ~ /^[ \t]/) { found = found "\n" $i; continue }
                      taking = tolower($i) ~ /^signed-by:/
                      if (taking) found = $i
                  }
                  if (fields && ++stanza == want) { if (found != "") print found; exit } }' "$1" ;;
        *) sed -n "$2{s/^[^#]*[[ ]signed-by=\([^] ]*\).*/Signed-By: \1/p}" "$1" ;;
    esac
}

# Debian's qt6-base source of the installed Qt, fetched with a private apt configuration: the machine's sources
# as deb-src, own lists and cache in $1/apt, removed afterwards. The machine's apt set-up is not touched.
fetch_qt_source() {
    local work=$1 apt=$1/apt version
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    case $version in "$QT_VERSION"+*) ;; *) die "the installed qt6-base-dev is $version, not $QT_VERSION" ;; esac

    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts"
    machine_sources > "$apt/parts/machine.sources"
    grep -q '^URIs:' "$apt/parts/machine.sources" ||
        die "apt has no deb sources on this machine (apt-get indextargets lists none), so qt6-base's source" \
            "cannot be fetched: add the Debian archive to /etc/apt/sources.list.d and run apt-get update"
    : > "$apt/sources.list"
    local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
                -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
                -o "APT::Sandbox::User=$(id -un)" -qq)
    say "fetching qt6-base $version source from the machine's apt sources: $(sed -n 's/^URIs: //p' \
        "$apt/parts/machine.sources" | sort -u | paste -sd ' ')"
    apt-get "${opts[@]}" update
    (cd "$work" && apt-get "${opts[@]}" source "qt6-base=$version" > /dev/null) ||
        die "qt6-base $version source is in none of the machine's apt sources"
    rm -rf "$apt"
}

build_qt() {
    qt_is_built && return 0
    mkdir -p "$CACHE"
    exec 9> "$CACHE/qt.lock"
    flock 9 # another build may be making the same Qt
    qt_is_built && return 0

    local work=$CACHE/qt-build started=$SECONDS src
    rm -rf "$work" "$QT_PREFIX"
    mkdir -p "$work"
    fetch_qt_source "$work"
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
    [ -n "$src" ] || die "qt6-base source not unpacked in $work"

    say "configuring the static Qt $QT_VERSION for x86_64-w64-mingw32 (log: $work/configure.log)"
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" -prefix "$QT_PREFIX" "${QT_OPTIONS[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DQT_HOST_PATH_CMAKE_DIR="$HOST_CMAKE_DIR" \
        > "$work/configure.log" 2>&1) || { tail -n 40 "$work/configure.log"; die "Qt configure failed"; }
    say "building the static Qt with $JOBS jobs, about 20 minutes on 2 cores (log: $work/build.log)"
    (cd "$work/build" && cmake --build . --parallel "$JOBS" > "$work/build.log" 2>&1 &&
        cmake --install . > "$work/install.log" 2>&1) || { tail -n 40 "$work/build.log"; die "Qt build failed"; }
    echo "${QT_OPTIONS[*]}" > "$QT_STAMP"
    rm -rf "$work"
    say "static Qt ready in $QT_PREFIX after $(( (SECONDS - started) / 60 )) min $(( (SECONDS - started) % 60 )) s"
}

# --- Kestrova ------------------------------------------------------------------------------------------------

configured=
configure() {
    [ -n "$configured" ] && return 0
    build_qt
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DKESTROVA_QT_PREFIX="$QT_PREFIX" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$HOST_CMAKE_DIR" > /dev/null
    configured=1
}

build_exe() {
    configure
    cmake --build "$BUILD" --parallel "$JOBS" --target kestrova
}

build_packages() {
    configure
    cmake --build "$BUILD" --parallel "$JOBS" --target windows_packages
    local version # the project's, as CMake read it
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
    say "built:"
    ls -l "$BUILD/kestrova.exe" "$BUILD/kestrova-$version-setup.exe" "$BUILD/kestrova-$version-x64.msi" \
        "$BUILD/kestrova-$version-windows.zip"
}

# Everything the build defines, then CTest: the suites, the exe's resources, the installers and the black box,
# under wine in the build's own prefixes. Whatever a failed test left running in them is ended afterwards.
run_tests() {
    configure
    cmake --build "$BUILD" --parallel "$JOBS"
    local status=0 prefix
    (cd "$BUILD" && ctest --output-on-failure --parallel "$JOBS") || status=$?
    for prefix in "$BUILD"/wine "$BUILD"/wine-*/; do
        if [ -d "$prefix" ]; then WINEPREFIX=${prefix%/} wineserver -k 2> /dev/null || true; fi
    done
    return "$status"
}

main() {
    local stages=("$@")
    [ ${#stages[@]} -gt 0 ] || stages=(qt exe package)
    for stage in "${stages[@]}"; do
        case $stage in
            qt) build_qt ;;
            exe) build_exe ;;
            package) build_packages ;;
            test) run_tests ;;
            *) die "unknown stage: $stage (qt, exe, package, test)" ;;
        esac
    done
}

main "$@"
