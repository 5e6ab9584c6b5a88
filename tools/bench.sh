#!/usr/bin/env bash
# make bench: measures Vorlane.exe against its yardsticks under Wine, on a private virtual
# display with a fresh Wine prefix (tools/wine-session.sh): start-up and memory against an empty
# Win32 window, the idle cost against the same window with one 300 ms timer (visible, and
# hidden for Vorlane in the tray), the limits (a round window with one common-controls edit
# field and a text line repainted each second, against those yardsticks, and Vorlane against
# it), and, in process, the paint cost of the real window and what
# it holds on to after display updates and openings of the info dialog and the tray menu. Every
# start, memory and idle figure of Vorlane is measured without an alarm sound and with a WAV, an
# MP3 and a MIDI file named in the settings (SOUND_RUNS of the RUNS starts with each). Last, in
# process, how long the alarm sound takes from opening to playing through the program's media
# player. Prints the details, then one table of every figure (median, spread, ratios, target)
# and writes it as build/bench.json. Builds nothing: `make bench` has built both presets.
#
#   [BENCH_DPI=192] tools/bench.sh [RUNS] [IDLE_SECONDS] [IDLE_RUNS] [POLL_MS] [SOUND_RUNS]
#
# Every wine command writes into a file that is printed afterwards, never into a pipe (Wine's
# background processes inherit the first command's output and would hold the pipe open).
set -euo pipefail

runs=${1:-10}
idle=${2:-10}
idle_runs=${3:-3}
poll_ms=${4:-10}
sound_runs=${5:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
session=$root/build/bench-session
vorlane=$build/Vorlane.exe
empty=$build/bench/EmptyWindow.exe
floor=$build/bench/FloorWindow.exe
startup=$build/bench/StartupBench.exe
paint=$build/bench/PaintBench.exe
latency=$build/bench/SoundLatencyBench.exe
json=$root/build/bench.json

for exe in "$vorlane" "$empty" "$floor" "$startup" "$paint" "$latency"; do
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
# BENCH_DPI=192 measures at that display scale (the prefix's LogPixels); the yardsticks are not
# DPI-aware and stay at their 96-DPI size.
if [[ -n ${BENCH_DPI:-} ]]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$BENCH_DPI" /f \
        >"$session/dpi.txt" 2>&1
    echo "display scale: $BENCH_DPI DPI"
fi
figures=$session/figures.tsv
rm -f "$figures"

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

wine --version >"$session/wine-version.txt" 2>&1 || true
echo
echo "== Vorlane.exe against empty Win32 windows ($(show "$session/wine-version.txt")," \
    "$(nproc) CPUs, Xvfb $(cat "$session/display")) =="
echo

status=0
wine "$startup" "$vorlane" "$empty" "$floor" "$figures" "$runs" "$idle" "$idle_runs" "$poll_ms" \
    "$sound_runs" >"$session/startup.txt" 2>"$session/startup.err" ||
    status=$?
show "$session/startup.txt"
if [[ $status -ne 0 ]]; then
    echo "StartupBench ended with status $status"
    show "$session/startup.err"
fi
echo

paint_status=0
wine "$paint" "$figures" >"$session/paint.txt" 2>"$session/paint.err" || paint_status=$?
echo "In process: paint cost and growth of the real windows (PaintBench.exe)"
show "$session/paint.txt"
if [[ $paint_status -ne 0 ]]; then
    echo "PaintBench ended with status $paint_status"
    show "$session/paint.err"
    status=$paint_status
fi
echo

latency_status=0
wine "$latency" "$figures" "$vorlane" >"$session/latency.txt" 2>"$session/latency.err" ||
    latency_status=$?
echo "The alarm sound through its helper: opening, and zero to playing (SoundLatencyBench.exe)"
show "$session/latency.txt"
if [[ $latency_status -ne 0 ]]; then
    echo "SoundLatencyBench ended with status $latency_status"
    show "$session/latency.err"
    status=$latency_status
fi
printf 'exe_size_mb\texe size on disk\tMB\t%s\tempty window\t%s\tbelow=1.0\n' \
    "$(awk -v b="$(size "$vorlane")" 'BEGIN { print b / 1048576 }')" \
    "$(awk -v b="$(size "$empty")" 'BEGIN { print b / 1048576 }')" >>"$figures"
echo
echo "== Every figure: median [lowest-highest] of its runs, the ratio of the medians to the"
echo "   baseline's and, with a sound, to the same figure without one, the target"
echo "   (MB are 1024 x 1024 bytes; a missed target is a finding, not a failure) =="
python3 "$root/tools/bench_report.py" "$figures" "$json" || status=$?
echo
echo "bench: $(($(date +%s) - t0)) s"
exit "$status"
