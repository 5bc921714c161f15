#!/usr/bin/env bash
# End to end: the window's size on large screens. At 100% the window is the table's own
# size; Automatic draws it at 200% on a 3840 x 2160 screen and at 125% on 1920 x 1080; a
# scale set in the environment (QT_SCALE_FACTOR) is left as the player set it.
set -euo pipefail

program="$1"
source "$(dirname "$0")/table_lib.sh"

stop_program() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

stop_x() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}

# measure SETTINGS-LINES...: WIDTH and HEIGHT of the main window started with them.
measure() {
    start_program "$program" "$@"
    find_window
    sleep 0.5 # the window may still be taking its picture's size
    eval "$(xdotool getwindowgeometry --shell "$window")"
    check_console
    stop_program
}

# expect_scaled WHAT PERCENT: the last measured window is PERCENT of the base size.
expect_scaled() {
    local want_w=$((base_w * $2 / 100)) want_h=$((base_h * $2 / 100))
    # Qt rounds a fractional size either way.
    if [ $((WIDTH - want_w)) -lt -1 ] || [ $((WIDTH - want_w)) -gt 1 ] ||
        [ $((HEIGHT - want_h)) -lt -1 ] || [ $((HEIGHT - want_h)) -gt 1 ]; then
        echo "$1: window ${WIDTH}x${HEIGHT}, expected about ${want_w}x${want_h} ($2%)"
        exit 1
    fi
    echo "$1: ${WIDTH}x${HEIGHT}"
}

start_x 3840x2160
measure "[Display]" "TableSize=100"
base_w="$WIDTH"
base_h="$HEIGHT"
[ "$base_w" -eq 800 ] || { echo "at 100% the window is ${WIDTH}x${HEIGHT}, not 800 wide"; exit 1; }
expect_scaled "100% on 3840x2160" 100

measure
expect_scaled "Automatic on 3840x2160" 200
measure "[Display]" "TableSize=150"
expect_scaled "150% on 3840x2160" 150
QT_SCALE_FACTOR=1 measure
expect_scaled "QT_SCALE_FACTOR=1 set in the environment" 100
stop_x

start_x 1920x1080
measure
expect_scaled "Automatic on 1920x1080" 125
stop_x

start_x 1024x768
measure
expect_scaled "Automatic on 1024x768" 100
echo "ok"
