#!/usr/bin/env bash
# End to end: the table has the size of its picture and no other. The main window tells the
# window manager so (its size hints give a minimum equal to the maximum, which also rules
# out maximising), and a resize asked for from outside snaps back to the picture's size.
set -euo pipefail
source "$(dirname "$0")/table_lib.sh"

# "program specified minimum size: W by H" -> "W H" (and the same for the maximum).
hint() {
    xprop -id "$window" WM_NORMAL_HINTS | sed -n "s/.*program specified $1 size: \([0-9]*\) by \([0-9]*\).*/\1 \2/p"
}

check_hints() {
    local min max
    min="$(hint minimum)"
    max="$(hint maximum)"
    [ -n "$min" ] || { echo "$1: no minimum size hint"; xprop -id "$window" WM_NORMAL_HINTS; exit 1; }
    [ -n "$max" ] || { echo "$1: no maximum size hint"; xprop -id "$window" WM_NORMAL_HINTS; exit 1; }
    [ "$min" = "$max" ] || { echo "$1: minimum $min differs from maximum $max"; exit 1; }
    [ "$min" = "$WIDTH $HEIGHT" ] || { echo "$1: hints $min for a window of $WIDTH x $HEIGHT"; exit 1; }
}

start_x
start_program "$1" "isPoker=False" "prfAnimationDelay=0" "prfSound=False"
find_window
# Wait for the deal to end and the window to settle.
for _ in $(seq 60); do
    [ "$(look rummy)" = "dealt" ] && break
    sleep 0.5
done
eval "$(xdotool getwindowgeometry --shell "$window")"
width="$WIDTH"
height="$HEIGHT"
check_hints "Gin Rummy"

# Larger and smaller, as a dragged border would ask: the window returns to its size.
for size in "$((width + 200)) $((height + 150))" "$((width - 200)) $((height - 150))"; do
    # shellcheck disable=SC2086
    xdotool windowsize "$window" $size
    settled=0
    for _ in $(seq 50); do
        sleep 0.1
        eval "$(xdotool getwindowgeometry --shell "$window")"
        if [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ]; then
            settled=1
            break
        fi
    done
    [ "$settled" -eq 1 ] || { echo "asked for $size, the window stays ${WIDTH}x$HEIGHT (table ${width}x$height)"; exit 1; }
done
check_hints "after the resizes"

finish_program
