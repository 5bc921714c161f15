#!/usr/bin/env bash
# End to end: a Gin Rummy hand played with the mouse until it ends (the player takes from
# the Deck and throws the card taken), then Video Poker hands, each counted in the
# statistics file in the user's data folder; then the Statistics window is opened from the
# Preferences menu with the keyboard. QUILLAN_SHOT, when set, keeps screenshots of it.
set -euo pipefail
source "$(dirname "$0")/table_lib.sh"

stats="$work/home/.local/share/Quillan/statistics.txt"

# The sum of the figures whose keys match `$1` in the statistics file (0 without a file).
figure() {
    [ -f "$stats" ] || { echo 0; return; }
    awk -F= -v pattern="$1" '$1 ~ pattern { n += $2 } END { print n + 0 }' "$stats"
}

rummy_hands() { figure '^rummy\.[a-z]+\.(won|lost|ties)'; }
poker_hands() { figure '^poker\.final\.'; }

start_x
start_program "$1" "isPoker=False" "prfAnimationDelay=0" "prfSound=False" \
    "prfShowPokerPlay=True" "prfPokerAutoDeal=True"
find_window
wait_for_rummy_deal
sleep 2
import -window root -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
eval "$(python3 "$here/rummy_turn_pixels.py" places "$work/shot.rgb" 1024 "$X" "$Y" "$WIDTH" \
    "$HEIGHT")"
[ "$MENU" -ge 0 ] || { echo "table not found"; exit 1; }

# Take from the Deck and throw the card taken, until the hand ends by a knock, a gin or a
# tie (the stock runs down within twenty turns).
drawn_state() {
    import -window root -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
    python3 "$here/rummy_turn_pixels.py" state "$work/shot.rgb" 1024 "$X" "$Y" "$WIDTH" \
        "$HEIGHT" "$MENU" | cut -d' ' -f1
}
wait_drawn() {
    for _ in $(seq 40); do
        [ "$(drawn_state)" = "$1" ] && return 0
        [ "$(rummy_hands)" -ge 1 ] && return 1
        sleep 0.25
    done
    return 1
}
for _ in $(seq 40); do
    [ "$(rummy_hands)" -ge 1 ] && break
    xdotool mousemove "$DECK_X" "$DECK_Y" click 1
    wait_drawn drawn || continue
    xdotool mousemove "$((CARD_X + 254))" "$((CARD_Y - 10))"
    sleep 0.3
    xdotool click 1
    wait_drawn empty || continue
    sleep 1 # the computer's turn
done
[ "$(rummy_hands)" -ge 1 ] || { echo "no Gin Rummy hand was recorded"; exit 1; }
xdotool key Escape # a tie asks a question: No
sleep 1

xdotool key ctrl+v
FACES=0
for _ in $(seq 120); do
    import -window root -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
    eval "$(xdotool getwindowgeometry --shell "$window")"
    read -r FACES CARDS METER DECK_X DECK_Y < <(python3 "$here/poker_play.py" state \
        "$work/shot.rgb" 1024 "$X" "$Y" "$WIDTH" "$HEIGHT") || true
    [ "$FACES" = 5 ] && break
    sleep 0.5
done
[ "$FACES" = 5 ] || { echo "no Video Poker hand was dealt"; exit 1; }
for hand in 1 2 3 4 5; do
    for _ in $(seq 40); do
        [ "$(poker_hands)" -ge "$hand" ] && break
        xdotool mousemove "$DECK_X" "$DECK_Y" click 1
        sleep 1
    done
    [ "$(poker_hands)" -ge "$hand" ] || { echo "Video Poker hand $hand was not recorded"; exit 1; }
done
[ "$(figure '^poker\.credits\.bet')" = "$((5 * $(poker_hands)))" ] ||
    { echo "the credits bet do not match the hands"; exit 1; }

# Preferences, then the item after "Show Scores" (Show Hand is greyed out in Video Poker).
sleep 2
statistics=""
for downs in 1 2; do
    xdotool key alt+p
    sleep 0.5
    for _ in $(seq "$downs"); do xdotool key Down; sleep 0.2; done
    xdotool key Return
    for _ in $(seq 50); do
        statistics="$(xdotool search --onlyvisible --name '^Statistics$' 2>/dev/null | head -1 ||
            true)"
        [ -n "$statistics" ] && break 2
        sleep 0.1
    done
    xdotool key Escape
done
[ -n "$statistics" ] || { echo "the Statistics window did not open"; exit 1; }
sleep 1.5
if [ -n "${QUILLAN_SHOT:-}" ]; then
    import -window root "$QUILLAN_SHOT"
    xdotool key ctrl+Tab
    sleep 1
    import -window root "${QUILLAN_SHOT%.png}-poker.png"
fi
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
check_console
echo "ok"
