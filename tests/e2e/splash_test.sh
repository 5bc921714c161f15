#!/usr/bin/env bash
# End to end: the splash ("Version 1.0.0") stays above the main window, centred on the
# screen, for its three seconds, and is gone afterwards. Stacking is read from the X server
# (xwininfo lists the root's children from the top down).
set -euo pipefail

program="$1"
source "$(dirname "$0")/table_lib.sh"
start_x
start_program "$program" "prfAnimationDelay=0" "prfSound=False"

splash=""
for _ in $(seq 300); do
    splash="$(xdotool search --onlyvisible --name '^Quillan Version 1\.0\.0$' 2>/dev/null | head -n1 || true)"
    [ -n "$splash" ] && break
    relaunch_if_display_refused
    sleep 0.05
done
[ -n "$splash" ] || { echo "no splash window"; cat "$work/stderr"; exit 1; }
find_window

# above: the splash is listed before (above) the main window among the root's children.
above() {
    local order
    order="$(xwininfo -root -children | awk '/^ +0x/ { print $1 }')"
    local s w
    s="$(printf '0x%x' "$splash")"
    w="$(printf '0x%x' "$window")"
    local si wi
    si="$(printf '%s\n' "$order" | grep -nx "$s" | cut -d: -f1)"
    wi="$(printf '%s\n' "$order" | grep -nx "$w" | cut -d: -f1)"
    [ -n "$si" ] && [ -n "$wi" ] && [ "$si" -lt "$wi" ]
}

checks=0
while xdotool search --onlyvisible --name '^Quillan Version 1\.0\.0$' >/dev/null 2>&1; do
    above || { echo "the main window covers the splash"; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$splash")"
    cx=$((X + WIDTH / 2))
    cy=$((Y + HEIGHT / 2))
    if [ $((cx - 512)) -gt 2 ] || [ $((512 - cx)) -gt 2 ] || [ $((cy - 384)) -gt 2 ] || [ $((384 - cy)) -gt 2 ]; then
        echo "splash centred at $cx,$cy, not on the screen's centre"
        exit 1
    fi
    checks=$((checks + 1))
    sleep 0.2
done
[ "$checks" -ge 3 ] || { echo "the splash was seen only $checks times"; exit 1; }
check_console
echo "ok ($checks looks at the splash)"
