# Vorlane: build, test and run on Debian (as root: missing packages are installed).
#   make run    build Vorlane.exe and start it under Wine
#   make test   check the layout of the sources, build everything and run every test layer
#   make fuzz   run each parser's fuzz target for FUZZ_SECONDS (60) seconds
#   make bench  measure start-up, memory, idle and paint cost against empty Win32 windows
#   make dist   build the installer, the portable zip and SHA256SUMS into build/dist
#   make repro-check  build Vorlane.exe once more in another folder and compare the bytes
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c
JOBS ?= 2
WINE_SESSION := build/wine-session
RUN_SESSION := build/run-session
FUZZ_SECONDS ?= 60
# The time every file of a release carries: the last commit's, so a rebuild gives the same bytes.
export SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct)

.PHONY: all deps native native-asan fuzzers windows-configure windows windows-exe test \
	test-native test-sanitizers test-fuzzers test-windows fuzz run bench dist repro-check format \
	format-check clean

all: native windows

deps:
	@bash tools/install-deps.sh

native: deps
	@cmake --preset native >build-native.log 2>&1 || { cat build-native.log; exit 1; }
	@rm -f build-native.log
	cmake --build --preset native -j$(JOBS)

# The native tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
native-asan: deps
	@cmake --preset native-asan >build-native-asan.log 2>&1 || { cat build-native-asan.log; exit 1; }
	@rm -f build-native-asan.log
	cmake --build --preset native-asan -j$(JOBS)

# The parsers' fuzz targets, built with clang, libFuzzer and both sanitizers.
fuzzers: deps
	@cmake --preset fuzz >build-fuzz.log 2>&1 || { cat build-fuzz.log; exit 1; }
	@rm -f build-fuzz.log
	cmake --build --preset fuzz -j$(JOBS)

windows-configure: deps
	@cmake --preset windows >build-windows.log 2>&1 || { cat build-windows.log; exit 1; }
	@rm -f build-windows.log

windows: windows-configure
	cmake --build --preset windows -j$(JOBS)

# Only Vorlane.exe, without the test programs.
windows-exe: windows-configure
	cmake --build --preset windows --target Vorlane -j$(JOBS)

# The layout check comes first: it takes a second, the builds take minutes.
test: format-check test-native test-windows

# Every C++ file laid out as .clang-format says (`make format` does it).
format-check: deps
	@bash tools/format-check.sh

# Core rules and the window's behaviour, natively; then the same tests under the sanitizers,
# and each parser's fuzz target briefly over its committed corpus.
test-native: native
	ctest --preset native
	@$(MAKE) --no-print-directory test-sanitizers test-fuzzers

test-sanitizers: native-asan
	ctest --preset native-asan

test-fuzzers: fuzzers
	@bash fuzz/run.sh corpus

# The Win32 layer and the real exe, under Wine on a private virtual display.
test-windows: windows
	@bash tools/wine-session.sh start $(WINE_SESSION)
	@source $(WINE_SESSION)/env.sh; status=0; \
	  ctest --preset windows || status=$$?; \
	  bash tools/wine-session.sh stop $(WINE_SESSION); exit $$status

fuzz: fuzzers
	@bash fuzz/run.sh fuzz $(FUZZ_SECONDS)

run: windows
	@bash tools/run-vorlane.sh build/windows/Vorlane.exe $(RUN_SESSION)

bench: native windows
	@bash tools/bench.sh

# The release into build/dist: Vorlane-<version>-x64.msi, Vorlane-<version>-x64-portable.zip
# and SHA256SUMS; the version is CMake's project version.
dist: windows-exe
	@bash tools/make-dist.sh build/windows/Vorlane.exe \
	  "$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)" build/dist

# Vorlane.exe built a second time from a copy of the sources in another folder must have the
# same bytes. It costs a second build of the exe, so `make test` leaves it out.
repro-check: windows-exe
	@bash tools/repro-check.sh build/windows/Vorlane.exe build/repro

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
