#!/usr/bin/env bash
# Shared by the table's end-to-end tests: an X server, the program started with a given
# settings file, its main window, and screenshots read by table_pixels.py.

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for tool in Xvfb xdotool import python3; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

work="$(mktemp -d)"
# Both processes are waited for, so that a dying X server never overlaps the next test's.
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "${app_pid:-}" ] && wait "$app_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && wait "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# An X server on a display it picks itself (no race with other servers starting at the same
# moment), waited for as long as a busy machine needs. Its screen is 1024 x 768 unless given.
start_x() {
    exec {display_fd}<> <(:)
    Xvfb -displayfd "$display_fd" -screen 0 "${1:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local display=""
    read -r -t 60 display <&"$display_fd" || true
    [ -n "$display" ] || { echo "the X server did not start"; exit 1; }
    export DISPLAY=":$display"
    for _ in $(seq 300); do
        xdotool getmouselocation >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "the X server does not answer"
    exit 1
}

# start_program BINARY SETTINGS-LINES...
start_program() {
    local program="$1"
    shift
    mkdir -p "$work/home/.config/Quillan"
    printf '[Preferences]\n' >"$work/home/.config/Quillan/Quillan.ini"
    for line in "$@"; do
        printf '%s\n' "$line" >>"$work/home/.config/Quillan/Quillan.ini"
    done
    launched_program="$program"
    launches=0
    launch
}

launch() {
    HOME="$work/home" XDG_CONFIG_HOME="" QT_QPA_PLATFORM=xcb \
        "$launched_program" >"$work/stdout" 2>"$work/stderr" &
    app_pid=$!
    launches=$((${launches:-0} + 1))
}

# On a loaded machine the X server now and then refuses a new client for a moment, and the
# program ends at once saying it could not open its display. That is the test machine, not
# the program: start it again, at most twice.
relaunch_if_display_refused() {
    if ! kill -0 "$app_pid" 2>/dev/null && [ "$launches" -lt 3 ] &&
        grep -q 'platform plugin' "$work/stderr" 2>/dev/null; then
        wait "$app_pid" 2>/dev/null || true
        sleep 1
        launch
    fi
}

# The splash stays above the main window for its three seconds, over the middle of the table;
# a test that reads the table in that time takes it off the screen first.
unmap_splash() {
    local splash=""
    for _ in $(seq 200); do
        splash="$(xdotool search --onlyvisible --name '^Quillan Version ' 2>/dev/null | head -n1 || true)"
        [ -n "$splash" ] && { xdotool windowunmap "$splash" 2>/dev/null || true; return 0; }
        relaunch_if_display_refused
        sleep 0.05
    done
    echo "no splash window"
    exit 1
}

# Sets X, Y, WIDTH, HEIGHT of the main window (its title changes with the game).
find_window() {
    window=""
    for _ in $(seq 300); do
        for candidate in $(xdotool search --onlyvisible --class quillan 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$candidate")"
            if [ "$WIDTH" -ge 400 ] && [ "$HEIGHT" -ge 400 ]; then
                window="$candidate"
                return 0
            fi
        done
        relaunch_if_display_refused
        sleep 0.1
    done
    echo "the main window did not appear"
    cat "$work/stderr" 2>/dev/null || true
    exit 1
}

# Prints what table_pixels.py sees in a fresh screenshot.
look() {
    import -window root -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
    eval "$(xdotool getwindowgeometry --shell "$window")"
    python3 "$here/table_pixels.py" "$1" "$work/shot.rgb" 1024 "$X" "$Y" "$WIDTH" "$HEIGHT"
}

# Waits up to a minute for a finished Gin Rummy deal on the table; ends the test if none comes.
wait_for_rummy_deal() {
    local seen=""
    for _ in $(seq 120); do
        seen="$(look rummy)"
        [ "$seen" = "dealt" ] && return 0
        sleep 0.5
    done
    echo "no finished deal on the table ($seen)"
    exit 1
}

check_console() {
    if [ -s "$work/stdout" ] || [ -s "$work/stderr" ]; then
        echo "the program printed on the console:"
        cat "$work/stdout" "$work/stderr"
        exit 1
    fi
}

# The end of a test: a screenshot to $QUILLAN_SHOT when it is set, the program closed, its
# console checked, "ok".
finish_program() {
    if [ -n "${QUILLAN_SHOT:-}" ]; then
        import -window root "$QUILLAN_SHOT"
    fi
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    check_console
    echo "ok"
}
