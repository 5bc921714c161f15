#!/usr/bin/env bash
# End to end: started in Video Poker, the pay column shows its 21 labels and the five cards
# arrive face down one after another (screenshots see fewer than five, then all five).
set -euo pipefail
source "$(dirname "$0")/table_lib.sh"

start_x
start_program "$1" "isPoker=True" "prfAnimationDelay=400" "prfSound=False"
unmap_splash
find_window
partial=0
final=""
for _ in $(seq 200); do
    seen="$(look poker)"
    case "$seen" in
        [1-4]" labels") partial=1 ;;
        "5 labels") final="$seen"; break ;;
    esac
    sleep 0.05
done
[ "$final" = "5 labels" ] || { echo "five face-down cards and 21 labels not seen ($seen)"; exit 1; }
[ "$partial" -eq 1 ] || { echo "the cards were not seen arriving one by one"; exit 1; }
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
check_console
echo "ok"
