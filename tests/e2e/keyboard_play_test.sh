#!/usr/bin/env bash
# End to end, with the keyboard alone: in Video Poker keys 1 and 3 hold the first and third
# cards and Enter draws the other three; in Gin Rummy Right chooses a card and Home sends it
# to the left end, D takes from the Deck, Right raises the first card and Enter throws it,
# and the computer replies. Read off screenshots; QUILLAN_SHOTS names a folder that keeps
# them.
set -euo pipefail
source "$(dirname "$0")/table_lib.sh"
source "$(dirname "$0")/rummy_turn_lib.sh"

shot() {
    import -window root -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

keep_shot() {
    if [ -n "${QUILLAN_SHOTS:-}" ]; then
        mkdir -p "$QUILLAN_SHOTS"
        import -window root "$QUILLAN_SHOTS/$1.png"
    fi
}

keys() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.4
    done
}

poker_state() {
    shot
    python3 "$here/keyboard_pixels.py" "$work/shot.rgb" 1024 "$X" "$Y" "$WIDTH" "$HEIGHT"
}

stop_program() {
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    check_console
}

start_x

# ---- Video Poker ----
start_program "$1" "isPoker=True" "prfShowPokerPlay=True" "prfPokerAutoDeal=False" \
    "prfAnimationDelay=100" "prfSound=False"
find_window
dealt=""
for _ in $(seq 240); do
    read -r faces held c0 c1 c2 c3 c4 <<<"$(poker_state) x x x x x x x"
    if [ "$faces" = 5 ] && [ "$held" = 00000 ]; then
        dealt="$c0 $c1 $c2 $c3 $c4"
        break
    fi
    sleep 0.25
done
[ -n "$dealt" ] || { echo "the first deal did not show five faces"; exit 1; }
sleep 1 # the status line settles
keys 1 3
read -r faces held c0 c1 c2 c3 c4 <<<"$(poker_state) x x x x x x x"
[ "$held" = 10100 ] || { echo "keys 1 and 3 did not hold cards 1 and 3 ($held)"; exit 1; }
keep_shot poker_held
read -r d0 d1 d2 d3 d4 <<<"$dealt"
keys Return
drawn=""
for _ in $(seq 240); do
    read -r faces held c0 c1 c2 c3 c4 <<<"$(poker_state) x x x x x x x"
    if [ "$faces" = 5 ] && [ "$c1" != "$d1" ] && [ "$c3" != "$d3" ] && [ "$c4" != "$d4" ]; then
        drawn="yes"
        break
    fi
    sleep 0.25
done
[ -n "$drawn" ] || { echo "Enter did not draw three new cards"; exit 1; }
[ "$c0 $c2" = "$d0 $d2" ] || { echo "the held cards were replaced"; exit 1; }
[ "$held" = 00000 ] || { echo "the hold outlines stayed after the draw"; exit 1; }
sleep 3 # any payout counts up
keep_shot poker_drawn
stop_program

# ---- Gin Rummy ----
rummy_places() {
    shot
    eval "$(python3 "$here/rummy_turn_pixels.py" places "$work/shot.rgb" 1024 "$X" "$Y" \
        "$WIDTH" "$HEIGHT")"
}

start_program "$1" "isPoker=False" "prfAnimationDelay=0" "prfSound=False" "prfQNAutoSort=False"
find_window
wait_for_rummy_deal
sleep 2 # the status line's fade ends the deal
rummy_places
[ "$MENU" -ge 0 ] || { echo "table not found"; exit 1; }
first="$CARD"
keys Right Right Right
keep_shot rummy_chosen
keys Home
rummy_places
[ "$MENU" -ge 0 ] && [ "$CARD" != "$first" ] ||
    { echo "Home did not bring the third card to the left end"; exit 1; }

keys d
wait_for_drawn_card "D drew no card"
keys Right
keep_shot rummy_raised
keys Return
wait_for_computer_reply
keep_shot rummy_replied
stop_program
echo "ok"
