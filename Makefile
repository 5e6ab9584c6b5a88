# Vorlane: build, test and run on Debian (as root: missing packages are installed).
#   make run    build Vorlane.exe and start it under Wine
#   make test   build everything and run every test layer
#   make fuzz   run each parser's fuzz target for FUZZ_SECONDS (60) seconds
#   make bench  measure start-up, memory, idle and paint cost against empty Win32 windows
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c
JOBS ?= 2
WINE_SESSION := build/wine-session
RUN_SESSION := build/run-session
FUZZ_SECONDS ?= 60

.PHONY: all deps native native-asan fuzzers windows test test-native test-sanitizers \
	test-fuzzers test-windows fuzz run bench format clean

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

windows: deps
	@cmake --preset windows >build-windows.log 2>&1 || { cat build-windows.log; exit 1; }
	@rm -f build-windows.log
	cmake --build --preset windows -j$(JOBS)

test: test-native test-windows

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

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
