#!/usr/bin/env bash
# Checks that Vorlane.exe is reproducible: builds the exe once more from a copy of the sources
# in another folder (other path, other length, later time) and compares it byte for byte with
# the exe of the windows build.
#
#   tools/repro-check.sh [EXE] [WORKDIR]
#
# EXE defaults to build/windows/Vorlane.exe, WORKDIR to build/repro. Only the Vorlane target is
# built there. Prints both SHA-256 sums; exits 1 when they differ.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$root/build/windows/Vorlane.exe}")
# Absolute: CMake looks for a relative toolchain file from the build folder, not from here.
work=$(realpath -m "${2:-$root/build/repro}")
jobs=${JOBS:-2}

[[ -f $exe ]] || { echo "repro-check: $exe is missing (make windows)" >&2; exit 2; }

# The copy holds the files git knows of, as they are in the working tree, so uncommitted edits
# that built the first exe build the second one too.
rm -rf "$work"
copy=$work/elsewhere/with-a-longer-path/vorlane-src
mkdir -p "$copy"
(cd "$root" && git ls-files -z | tar --null -T - --ignore-failed-read -cf - 2>/dev/null) |
    tar -xf - -C "$copy"

log=$work/build.log
if ! { cmake -S "$copy" -B "$copy/out" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$copy/out" --target Vorlane -j"$jobs"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "repro-check: the second build failed" >&2
    exit 2
fi

first=$(sha256sum "$exe" | cut -d' ' -f1)
second=$(sha256sum "$copy/out/Vorlane.exe" | cut -d' ' -f1)
echo "repro-check: $first  $exe"
echo "repro-check: $second  $copy/out/Vorlane.exe"
if [[ $first != "$second" ]]; then
    echo "repro-check: Vorlane.exe differs between the two builds" >&2
    cmp -l "$exe" "$copy/out/Vorlane.exe" | head -20 >&2 || true
    exit 1
fi
echo "repro-check: Vorlane.exe is byte-identical ($(stat -c %s "$exe") bytes)"
