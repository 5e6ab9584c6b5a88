#!/usr/bin/env bash
# make run: starts Vorlane.exe under Wine on the user's display. Where there is no display,
# it starts the program on a virtual one, saves a screenshot, says where, and ends it.
set -euo pipefail
exe=$1
session=$2
shift 2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting Vorlane on display $DISPLAY (end it with Escape or its close button)."
    exec wine "$exe" "$@" >/dev/null 2>&1
fi

echo "No display found: starting Vorlane on a virtual display (Xvfb) to take a screenshot."
bash "$(dirname "$0")/wine-session.sh" start "$session"
# shellcheck disable=SC1091
source "$session/env.sh"
trap 'bash "$(dirname "$0")/wine-session.sh" stop "$session" >/dev/null' EXIT
wine "$exe" "$@" >"$session/vorlane.log" 2>&1 &
# The main window is the 171 x 238 X window named Vorlane (the hidden owner has the same name).
main_window() { xwininfo -root -tree | grep '"Vorlane"' | grep -m1 ' 171x238+'; }
for _ in $(seq 100); do
    main_window >/dev/null && break
    sleep 0.1
done
sleep 2 # let the start-up stages run and the display count
shot=$(dirname "$session")/vorlane-run.png
# "  0x... "Vorlane": ()  171x238+1234+421  +1234+421": the last field is the absolute position.
position=$(main_window | awk '{print $NF}')
left=$(($(cut -d+ -f2 <<<"$position") - 20))
top=$(($(cut -d+ -f3 <<<"$position") - 20))
import -window root -crop "211x278+${left}+${top}" +repage "$shot"
echo "Vorlane ran on the virtual display; screenshot saved to $shot"
