#!/usr/bin/env bash
# End to end: in Gin Rummy the player clicks the Deck, points at the first card of the hand
# and clicks it; the computer must then reply, which shows as a card of its own on top of
# the reject pile. Read off screenshots; waits are generous for a busy machine.
set -euo pipefail
source "$(dirname "$0")/table_lib.sh"
source "$(dirname "$0")/rummy_turn_lib.sh"

start_x
start_program "$1" "isPoker=False" "prfAnimationDelay=0" "prfSound=False"
find_window
wait_for_rummy_deal
sleep 2 # the status line's fade ends the deal
import -window root -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
eval "$(python3 "$here/rummy_turn_pixels.py" places "$work/shot.rgb" 1024 "$X" "$Y" "$WIDTH" \
    "$HEIGHT")"
[ "$MENU" -ge 0 ] || { echo "table not found"; exit 1; }

xdotool mousemove "$DECK_X" "$DECK_Y" click 1
wait_for_drawn_card "clicking the Deck drew no card"

# Point at the first card (it rises), then click it.
xdotool mousemove "$CARD_X" "$((CARD_Y + 10))"
sleep 0.5
xdotool mousemove "$CARD_X" "$CARD_Y"
sleep 1
xdotool click 1
wait_for_computer_reply
finish_program
