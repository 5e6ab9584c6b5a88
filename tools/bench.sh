#!/usr/bin/env bash
# make bench: measures Vorlane.exe against an empty Win32 window under Wine, on a private
# virtual display with a fresh Wine prefix (tools/wine-session.sh), and prints the figures.
# Builds nothing: `make bench` has built both presets, so build/windows holds the exes.
#
#   tools/bench.sh [RUNS] [IDLE_SECONDS]
#
# Every wine command writes into a file that is printed afterwards, never into a pipe (Wine's
# background processes inherit the first command's output and would hold the pipe open).
set -euo pipefail

runs=${1:-10}
idle=${2:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
session=$root/build/bench-session
vorlane=$build/Vorlane.exe
empty=$build/bench/EmptyWindow.exe
startup=$build/bench/StartupBench.exe
paint=$build/bench/PaintBench.exe

for exe in "$vorlane" "$empty" "$startup" "$paint"; do
    if [[ ! -f $exe ]]; then
        echo "bench: $exe is missing; run make bench (it builds the windows preset)" >&2
        exit 1
    fi
done

t0=$(date +%s)
bash "$root/tools/wine-session.sh" start "$session"
trap 'bash "$root/tools/wine-session.sh" stop "$session"' EXIT
# shellcheck disable=SC1091
source "$session/env.sh"

# The wineserver of this prefix (its environment names the prefix) and the X server of the
# session, so the driver can read their CPU time while a program sits idle.
wineserver_pid=""
for dir in /proc/[0-9]*; do
    [[ $(cat "$dir/comm" 2>/dev/null) == wineserver* ]] || continue
    if { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
        wineserver_pid=${dir#/proc/}
        break
    fi
done
export BENCH_WINESERVER_PID=$wineserver_pid
export BENCH_XVFB_PID
BENCH_XVFB_PID=$(cat "$session/xvfb.pid")

# Strips the CR of Windows line ends from a result file.
show() { tr -d '\r' <"$1"; }

size() { stat -c %s "$1"; }
kib() { awk -v b="$1" 'BEGIN { printf "%.0f KiB", b / 1024 }'; }

wine --version >"$session/wine-version.txt" 2>&1 || true
echo
echo "== Vorlane.exe against an empty Win32 window ($(show "$session/wine-version.txt")," \
    "$(nproc) CPUs, Xvfb $(cat "$session/display")) =="
echo
printf '  %-52s %12s %12s %9s\n' "exe size" "Vorlane.exe" "empty" "ratio"
printf '  %-52s %12s %12s %9s\n' "bytes on disk" "$(kib "$(size "$vorlane")")" \
    "$(kib "$(size "$empty")")" \
    "$(awk -v a="$(size "$vorlane")" -v b="$(size "$empty")" 'BEGIN { printf "%.2fx", a / b }')"
echo

status=0
wine "$startup" "$vorlane" "$empty" "$runs" "$idle" >"$session/startup.txt" 2>"$session/startup.err" ||
    status=$?
show "$session/startup.txt"
if [[ $status -ne 0 ]]; then
    echo "StartupBench ended with status $status"
    show "$session/startup.err"
fi
echo

paint_status=0
wine "$paint" >"$session/paint.txt" 2>"$session/paint.err" || paint_status=$?
echo "In-process paint cost of the real main window (PaintBench.exe)"
show "$session/paint.txt"
if [[ $paint_status -ne 0 ]]; then
    echo "PaintBench ended with status $paint_status"
    show "$session/paint.err"
    status=$paint_status
fi
echo
echo "bench: $(($(date +%s) - t0)) s"
exit "$status"
