#!/usr/bin/env bash
# End to end: in Video Poker, the key A opens the Hand Analysis window beside the table while
# the first hand waits for its draw; the window shows its rows (a screenshot finds the
# window's light table area) and the program prints nothing on the console.
set -euo pipefail
source "$(dirname "$0")/table_lib.sh"

start_x
start_program "$1" "isPoker=True" "prfShowPokerPlay=True" "prfSound=False"
find_window
sleep 3 # the first deal is played out
xdotool windowfocus "$window" 2>/dev/null || true
analysis=""
for _ in $(seq 100); do
    xdotool key --window "$window" a 2>/dev/null || true
    analysis="$(xdotool search --onlyvisible --name '^Hand Analysis$' 2>/dev/null | head -1)"
    [ -n "$analysis" ] && break
    sleep 0.2
done
[ -n "$analysis" ] || { echo "the Hand Analysis window did not open"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$analysis")"
[ "$HEIGHT" -ge 400 ] || { echo "the Hand Analysis window is only $HEIGHT pixels high"; exit 1; }
sleep 2 # the values are worked out on a worker thread
import -window root "$work/analysis.png"
[ -n "${QUILLAN_SHOT:-}" ] && cp "$work/analysis.png" "$QUILLAN_SHOT"
# The 32 rows: light cells fill most of the window's middle.
light="$(convert "$work/analysis.png" -crop "$((WIDTH - 40))x$((HEIGHT / 2))+$((X + 20))+$((Y + HEIGHT / 4))" \
    -colorspace Gray -threshold 80% -format '%[fx:mean]' info:)"
python3 -c "import sys; sys.exit(0 if float('$light') > 0.6 else 1)" ||
    { echo "the Hand Analysis window shows no rows (light share $light)"; exit 1; }
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
check_console
echo "ok"
