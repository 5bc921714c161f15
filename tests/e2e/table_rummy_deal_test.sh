#!/usr/bin/env bash
# End to end: started in Gin Rummy, the deal runs to the end: ten backs in the computer's
# hand, ten faces in the player's and the upcard on the reject pile, read off a screenshot.
set -euo pipefail
source "$(dirname "$0")/table_lib.sh"

start_x
start_program "$1" "isPoker=False" "prfAnimationDelay=0" "prfSound=False"
find_window
seen=""
for _ in $(seq 60); do
    seen="$(look rummy)"
    [ "$seen" = "dealt" ] && break
    sleep 0.5
done
[ "$seen" = "dealt" ] || { echo "no finished deal on the table ($seen)"; exit 1; }
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
check_console
echo "ok"
