#!/usr/bin/env bash
# Measures how long the window leaves the window manager's ping unanswered while it deals the
# opening Gin Rummy hand: the program starts under Xvfb with sound off, and from the moment its
# table shows, tools/wm_ping_probe pings it every 10 ms for SECONDS (12 unless given).
#   scripts/measure-deal-pings.sh [PROGRAM] [ANIMATION-DELAY] [SECONDS]
# With no ANIMATION-DELAY the program measures its own speed at the first start, as it does
# for a new player. Needs the probe built: cmake --build build --target wm_ping_probe
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/bin/quillan}"
delay="${2:-}"
seconds="${3:-12}"
probe="build/tools/wm_ping_probe"
[ -x "$program" ] || { echo "no program at $program"; exit 1; }
[ -x "$probe" ] || { echo "no probe at $probe"; exit 1; }

# The e2e tests' X server (on a display it picks itself), scratch folder and cleanup.
source tests/e2e/table_lib.sh
start_x

mkdir -p "$work/home/.config/Quillan"
{
    printf '[Preferences]\nisPoker=False\nprfSound=False\n'
    [ -n "$delay" ] && printf 'prfAnimationDelay=%s\n' "$delay"
} >"$work/home/.config/Quillan/Quillan.ini"
HOME="$work/home" XDG_CONFIG_HOME="" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb \
    "$program" >/dev/null 2>&1 &
app_pid=$!

window=""
for _ in $(seq 600); do
    for candidate in $(xdotool search --onlyvisible --class quillan 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$candidate")"
        if [ "$WIDTH" -ge 400 ] && [ "$HEIGHT" -ge 400 ]; then
            window="$candidate"
            break 2
        fi
    done
    sleep 0.02
done
[ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
"$probe" "$window" "$seconds" 10
if [ -f "$work/home/.config/Quillan/Quillan.ini" ]; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    grep -h '^prfAnimationDelay=' "$work/home/.config/Quillan/Quillan.ini" || true
fi
