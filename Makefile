# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# One-command set-up on Debian 12: each target installs what is missing, configures and builds.
SHELL := /bin/bash
BUILD ?= build
JOBS ?= $(shell nproc)

# Build and test dependencies, all from Debian.
PACKAGES := cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation \
            xvfb xauth xdotool x11-utils imagemagick \
            binutils-mingw-w64-x86-64 python3 desktop-file-utils appstream dpkg-dev file \
            libx11-dev clang libclang-rt-14-dev
# (windres checks the Windows resources; python3 that the icon files match their generator; the rest
#  validate the menu entry and AppStream record and build the .deb: dpkg-shlibdeps needs dpkg-dev and file;
#  libx11-dev builds the black-box test's window helper; clang and its runtime build make fuzz.)

# Qt Linguist's lupdate and lrelease, and Qt's own translations, which the program builds in.
PACKAGES += qt6-l10n-tools qt6-translations-l10n

# The black-box test under a window manager: maximise and full screen as on a desktop.
PACKAGES += openbox
# The black box reads the picture copied to the clipboard.
PACKAGES += xclip

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench package sanitize fuzz translations clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# CONFIGURE_FLAGS=-DKESTROVA_TESTS=OFF builds the program and its package alone.
CONFIGURE_FLAGS ?=
configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIGURE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
		echo "Start it on a desktop, or under Xvfb: Xvfb :99 & DISPLAY=:99 make run"; \
		exit 1; \
	fi
	./$(BUILD)/kestrova

# The AT-SPI test: a private session bus, the accessibility bus and its registry, and Debian's Python bindings.
PACKAGES += dbus-daemon at-spi2-core python3-pyatspi

test: build
	cd $(BUILD) && ctest --output-on-failure

# The translations brought up to date with the sources: lupdate adds new messages, unfinished until translated,
# and marks those gone from the sources as vanished; the tests fail on either. Czech is the source language, so its
# own file holds the plural forms alone.
translations: deps
	translations/update.sh translations

# The whole suite again, built with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer (with
# float-cast-overflow, which GCC leaves out of "undefined") in its own
# build directory; any report fails it. tests/lsan.supp lists the leaks of system libraries let through.
SANITIZE_BUILD ?= build-asan
SANITIZE_FLAGS := -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=undefined,float-cast-overflow
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined,float-cast-overflow" > /dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	ctest --output-on-failure

# libFuzzer on the locale-aware number conversion and on the check of the teacher's parameters, each for
# FUZZ_RUNS inputs, built with clang in its own build directory. New inputs go to $(FUZZ_BUILD)/corpus-TARGET;
# fuzz/corpus is the committed seed of both. FUZZ_RUNS=0 fuzzes the first until stopped.
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS ?= 1000000
FUZZ_TARGETS := fuzz_number_from_text fuzz_parameter_check
fuzz: deps
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@set -e; for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus-$$target; \
		echo "== $$target"; \
		./$(FUZZ_BUILD)/$$target -runs=$(if $(filter 0,$(FUZZ_RUNS)),-1,$(FUZZ_RUNS)) -timeout=10 \
			-max_len=128 -dict=fuzz/number.dict -use_value_profile=1 -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_BUILD)/$$target- $(FUZZ_BUILD)/corpus-$$target fuzz/corpus; \
	done

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kestrova_bench > /dev/null
	@QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/kestrova_bench
	@KESTROVA_XVFB_SCREEN=1920x1200x24 tests/on-xvfb.sh ./$(BUILD)/bench/kestrova_bench --zoomed

# The Debian package, build/kestrova_<version>_<arch>.deb.
package: build
	rm -f $(BUILD)/kestrova_*.deb
	cd $(BUILD) && cpack -G DEB

# Checking the package: lintian and reuse; man-db renders the manual pages for the tests.
PACKAGES += lintian reuse man-db

# Time stamps (rcc's, the compiler's, every member of the .deb) are the last commit's time, so two clones
# of one commit give the same .deb. A SOURCE_DATE_EPOCH from outside wins.
KESTROVA_COMMIT_TIME := $(shell git -C $(CURDIR) log -1 --format=%ct 2>/dev/null)
ifneq ($(KESTROVA_COMMIT_TIME),)
export SOURCE_DATE_EPOCH ?= $(KESTROVA_COMMIT_TIME)
endif

.PHONY: package-check reproducible

# lintian's verdict on the package, pedantic tags included: any error or warning fails.
package-check: package
	lintian --pedantic --display-info --fail-on error,warning $(BUILD)/kestrova_*.deb

# Two fresh clones of the last commit in different folders, each built with plain make package: the two
# .debs must be the same bytes.
reproducible: deps
	packaging/reproducible.sh

# Windows: kestrova.exe, kestrova-<version>-setup.exe (per user), kestrova-<version>-x64.msi (per machine) and
# kestrova-<version>-windows.zip in $(WINDOWS_BUILD)/, cross-built with a static Qt that the first run makes from
# Debian's qt6-base source and keeps in ~/.cache/kestrova. windows-test runs the suites, the exe's checks, both
# installers and the black box under wine. wixl builds the MSI; msitools' msiinfo reads it back.
PACKAGES += g++-mingw-w64-x86-64-posix ninja-build wine wine64 fonts-wine nsis icoutils zip msitools wixl
WINDOWS_BUILD ?= build-windows
.PHONY: windows windows-test
windows: deps
	@WINDOWS_BUILD=$(WINDOWS_BUILD) JOBS=$(JOBS) scripts/windows-build.sh qt exe package

windows-test: deps
	@WINDOWS_BUILD=$(WINDOWS_BUILD) JOBS=$(JOBS) scripts/windows-build.sh test

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
