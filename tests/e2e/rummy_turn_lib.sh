# What the end-to-end tests of a Gin Rummy turn read off the screen. Source after
# table_lib.sh; the table's places (X, Y, WIDTH, HEIGHT, MENU) and the player's thrown card
# (CARD) come from rummy_turn_pixels.py.

# Prints "DRAWN FAN TOP": the player's draw spot, the computer's fan and the reject pile's top.
rummy_turn_state() {
    import -window root -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
    python3 "$here/rummy_turn_pixels.py" state "$work/shot.rgb" 1024 "$X" "$Y" "$WIDTH" \
        "$HEIGHT" "$MENU"
}

# Waits up to 30 s for a card at the player's draw spot; ends the test with MESSAGE if none.
wait_for_drawn_card() {
    local drawn="" fan top
    for _ in $(seq 60); do
        read -r drawn fan top <<<"$(rummy_turn_state)"
        [ "$drawn" = "drawn" ] && return 0
        sleep 0.5
    done
    echo "$1"
    exit 1
}

# Waits up to a minute for the computer's reply: the draw spot empty again and a card of
# its own, not the player's CARD, on top of the reject pile.
wait_for_computer_reply() {
    local drawn="" fan="0" top=""
    for _ in $(seq 120); do
        read -r drawn fan top <<<"$(rummy_turn_state)"
        if [ "$drawn" = "empty" ] && [ "$fan" -ge 2 ] && [ "$top" != "$CARD" ]; then
            return 0
        fi
        sleep 0.5
    done
    echo "the computer did not reply ($drawn $fan $top, player $CARD)"
    exit 1
}
