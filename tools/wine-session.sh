#!/usr/bin/env bash
# A private Wine session for the Win32 and end-to-end tests:
#
#   tools/wine-session.sh start DIR   own Xvfb display, fresh Wine prefix in DIR/prefix,
#                                     persistent primed wineserver, a silent sound device
#                                     where there is no sound card, DIR/env.sh to source
#   tools/wine-session.sh stop DIR    ends that wineserver and that Xvfb, nothing else
#
# The tests never use the user's screen: a virtual display of their own keeps them independent
# of whatever windows are open there. Every Wine command writes into DIR/*.log, never into a
# pipe, because Wine's background processes inherit the first command's output and keep a
# pipe open for minutes. Other Wine servers may run on this machine, so everything is scoped
# by WINEPREFIX and only the Xvfb whose PID this script recorded is ever ended.
set -euo pipefail

usage() {
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}

[[ $# -eq 2 ]] || usage
action=$1
if [[ $action == stop && ! -d $2 ]]; then
    exit 0 # nothing was started there
fi
mkdir -p "$2"
dir=$(cd "$2" && pwd)
prefix=$dir/prefix

export WINEDEBUG=-all
# No Mono and no Gecko: the program needs neither, and their installers would cost a minute.
export WINEDLLOVERRIDES="mscoree,mshtml="

log() { echo "wine-session: $*"; }

# Without a sound card, ALSA has no default device and Wine's MCI cannot open WAV or MP3 files,
# so the alarm-sound tests could not run. The session's programs get a null device that accepts
# and discards the samples: ALSA reads its own configuration and then DIR/asound.conf
# (ALSA_CONFIG_PATH), which nothing outside the session sees. ALSA has no control-device type
# that opens without a card, so ctl.!default names card 0 directly: opening it then fails
# plainly instead of through the noisy default-card lookup, and Wine only opens controls of
# cards it has enumerated anyway (here: none).
no_sound_card() {
    [[ ! -r /proc/asound/cards ]] || grep -q 'no soundcards' /proc/asound/cards
}

silent_sound() {
    printf '%s\n' '# Written by tools/wine-session.sh: this machine has no sound card.' \
        'pcm.!default { type null }' 'ctl.!default { type hw card 0 }' >"$dir/asound.conf"
    local alsa_conf=${ALSA_CONFIG_PATH:-${ALSA_CONFIG_DIR:-/usr/share/alsa}/alsa.conf}
    export ALSA_CONFIG_PATH=$alsa_conf:$dir/asound.conf
}

# True when PID runs (a zombie, which has ended but not been reaped, does not count).
alive() {
    [[ -n $1 && -r /proc/$1/stat ]] && [[ $(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) != Z ]]
}

# True when PID is alive and is an Xvfb process (PIDs are reused: never trust the file alone).
is_our_xvfb() {
    local pid=$1
    [[ -n $pid && -r /proc/$pid/cmdline ]] || return 1
    tr '\0' ' ' </proc/"$pid"/cmdline | grep -q '^[^ ]*Xvfb '
}

stop_session() {
    if [[ -d $prefix ]]; then
        # -k ends the server of this prefix and every Wine process attached to it; -w waits
        # until it is gone. Both are bounded so a wedged server cannot hang the build.
        WINEPREFIX=$prefix timeout 20 wineserver -k >>"$dir/wineserver-stop.log" 2>&1 || true
        WINEPREFIX=$prefix timeout 20 wineserver -w >>"$dir/wineserver-stop.log" 2>&1 || true
    fi
    local pid display
    pid=$(cat "$dir/xvfb.pid" 2>/dev/null || true)
    display=$(cat "$dir/display" 2>/dev/null || true)
    if is_our_xvfb "$pid"; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            is_our_xvfb "$pid" || break
            sleep 0.1
        done
        if is_our_xvfb "$pid"; then
            kill -KILL "$pid" 2>/dev/null || true
        fi
        log "stopped Xvfb $display (pid $pid)"
    fi
    # An Xvfb that was killed hard leaves its lock file and socket behind, which would keep
    # its display number taken. Remove them only when the lock names our (now gone) Xvfb.
    local n=${display#:}
    if [[ -n $pid && -n $n ]] && ! is_our_xvfb "$pid" &&
        [[ $(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock") == "$pid" ]]; then
        rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
    fi
    rm -f "$dir/xvfb.pid" "$dir/display" "$dir/env.sh" "$dir/asound.conf"
}

# A display number is taken while its lock file names a live process, or, without a lock
# file, while its socket exists. A lock left by a dead server does not count: Xvfb replaces it.
display_taken() {
    local n=$1 owner
    if [[ -e /tmp/.X$n-lock ]]; then
        owner=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock" || true)
        [[ -z $owner ]] || alive "$owner"
    else
        [[ -e /tmp/.X11-unix/X$n ]]
    fi
}

# Starts Xvfb on the first free display number from 90 on. Another process may take the same
# number between the check and the start; then Xvfb exits at once and the next one is tried.
start_xvfb() {
    local n pid
    for n in $(seq 90 199); do
        display_taken "$n" && continue
        Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
        pid=$!
        for _ in $(seq 100); do
            if ! alive "$pid"; then
                break # lost the race for :n (or Xvfb failed): try the next number
            fi
            if [[ -S /tmp/.X11-unix/X$n ]] && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                echo "$pid" >"$dir/xvfb.pid"
                echo ":$n" >"$dir/display"
                disown "$pid"
                return 0
            fi
            sleep 0.05
        done
        kill "$pid" 2>/dev/null || true
    done
    echo "wine-session: no free X display between :90 and :199 (see $dir/xvfb.log)" >&2
    return 1
}

start_session() {
    local t0 display
    t0=$(date +%s.%N)
    # A DIR left by an aborted run: end what it recorded, then build everything anew.
    stop_session >/dev/null
    rm -rf "$prefix"
    rm -f "$dir"/*.log

    start_xvfb
    display=$(cat "$dir/display")
    export DISPLAY=$display WINEPREFIX=$prefix
    rm -f "$dir/asound.conf"
    if no_sound_card; then
        silent_sound
    fi

    if ! wineboot -i >"$dir/wineboot.log" 2>&1; then
        echo "wine-session: wineboot failed, see $dir/wineboot.log" >&2
        return 1
    fi
    # No crash dialog (it would keep a crashed program alive until someone clicks it); and
    # unmanaged windows, which spares the 2 s stall that every hide or destroy of a top-level
    # window costs without a window manager. Set before the restart below, so that every Wine
    # process of the session starts with them, the desktop process (explorer) included: an
    # explorer started before the setting keeps the stall for every program.
    printf '%s\r\n' 'REGEDIT4' '' \
        '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' >"$dir/session.reg"
    # Z: is the Unix root in a fresh prefix (winepath would need a pipe, see the top).
    wine regedit /S "Z:${dir//\//\\}\\session.reg" >"$dir/regedit.log" 2>&1

    # Creating a prefix runs its initialisation twice (once by the loader, once by wineboot),
    # which leaves two services.exe behind; then RpcSs never starts and every later start of
    # the desktop process (explorer, which Wine ends a few seconds after the last program
    # closes) waits 10 s for it. A clean restart of the server leaves one of each.
    wineserver -k >>"$dir/wineserver.log" 2>&1 || true
    timeout 20 wineserver -w >>"$dir/wineserver.log" 2>&1 || true
    # A persistent server: every test attaches to this one server for the whole session and
    # pays no server start-up. Its output goes to a file (see the top).
    wineserver -p >>"$dir/wineserver.log" 2>&1

    # Prime: one program start loads the shared libraries, so the first test is not the slow one.
    wine cmd /c exit >"$dir/prime.log" 2>&1 || true

    cat >"$dir/env.sh" <<EOF
# Written by tools/wine-session.sh: the private Wine session in this folder.
export DISPLAY=$display
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
EOF
    if [[ -e $dir/asound.conf ]]; then
        echo "export ALSA_CONFIG_PATH=\"$ALSA_CONFIG_PATH\"" >>"$dir/env.sh"
    fi
    log "started on display $display, prefix $prefix ($(awk -v a="$t0" -v b="$(date +%s.%N)" \
        'BEGIN { printf "%.1f", b - a }') s)"
}

case $action in
start) start_session ;;
stop) stop_session ;;
*) usage ;;
esac
