# One-command set-up on Debian 12: each target installs what is missing, configures and builds.
SHELL := /bin/bash
BUILD ?= build
JOBS ?= $(shell nproc)

# Build and test dependencies, all from Debian.
PACKAGES := cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation \
            xvfb xauth xdotool x11-utils imagemagick \
            binutils-mingw-w64-x86-64 python3 desktop-file-utils appstream dpkg-dev file
# (windres checks the Windows resources; python3 that the icon files match their generator; the rest
#  validate the menu entry and AppStream record and build the .deb: dpkg-shlibdeps needs dpkg-dev and file.)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
		echo "Start it on a desktop, or under Xvfb: Xvfb :99 & DISPLAY=:99 make run"; \
		exit 1; \
	fi
	./$(BUILD)/kestrova

test: build
	cd $(BUILD) && ctest --output-on-failure

bench: build
	@QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/kestrova_bench

# The Debian package, build/kestrova_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
