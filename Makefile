# Vorlane: build, test and run on Debian (as root: missing packages are installed).
#   make run    build Vorlane.exe and start it under Wine
#   make test   build everything and run every test layer
#   make bench  measure start-up, memory and paint cost against an empty Win32 window
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c
JOBS ?= 2
WINE_SESSION := build/wine-session
RUN_SESSION := build/run-session

.PHONY: all deps native windows test test-native test-windows run bench format clean

all: native windows

deps:
	@bash tools/install-deps.sh

native: deps
	@cmake --preset native >build-native.log 2>&1 || { cat build-native.log; exit 1; }
	@rm -f build-native.log
	cmake --build --preset native -j$(JOBS)

windows: deps
	@cmake --preset windows >build-windows.log 2>&1 || { cat build-windows.log; exit 1; }
	@rm -f build-windows.log
	cmake --build --preset windows -j$(JOBS)

test: test-native test-windows

# Core rules and the window's behaviour, natively.
test-native: native
	ctest --preset native

# The Win32 layer and the real exe, under Wine on a private virtual display.
test-windows: windows
	@bash tools/wine-session.sh start $(WINE_SESSION)
	@source $(WINE_SESSION)/env.sh; status=0; \
	  ctest --preset windows || status=$$?; \
	  bash tools/wine-session.sh stop $(WINE_SESSION); exit $$status

run: windows
	@bash tools/run-vorlane.sh build/windows/Vorlane.exe $(RUN_SESSION)

bench: native windows
	@bash tools/bench.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
