#!/usr/bin/env bash
# End to end: the real program in an X server with an empty home folder. The main window
# must appear with its menu bar, Game > Exit must close it, and the settings file must then
# hold every key with its default. Needs Xvfb and xdotool (scripts/install-deps.sh).
set -euo pipefail

program="$1"
source "$(dirname "$0")/table_lib.sh"
start_x

mkdir -p "$work/home"
launched_program="$program"
launch

# The main window (the splash goes after three seconds), opened in Video Poker: its caption
# names the top strategy player of the default tables.
window=""
for _ in $(seq 400); do
    window="$(xdotool search --onlyvisible --name '^Top Video Poker Expert is anonymous \(20\)$' \
        2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && [ "$(xdotool search --onlyvisible --class quillan 2>/dev/null | wc -l)" -eq 1 ] && break
    relaunch_if_display_refused
    sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear"; cat "$work/stderr"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -ge 640 ] || { echo "window only $WIDTH pixels wide"; exit 1; }

# Alt+G opens the Game menu: a new pop-up window of the program appears.
xdotool windowfocus --sync "$window"
before="$(xdotool search --onlyvisible --class quillan | wc -l)"
xdotool key --clearmodifiers alt+g
opened=0
for _ in $(seq 100); do
    now="$(xdotool search --onlyvisible --class quillan | wc -l)"
    [ "$now" -gt "$before" ] && { opened=1; break; }
    sleep 0.1
done
[ "$opened" -eq 1 ] || { echo "the Game menu did not open from the menu bar"; exit 1; }

# E&xit.
xdotool key x
for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    echo "Game > Exit did not close the program"
    exit 1
fi
wait "$app_pid" || { echo "the program failed"; exit 1; }
app_pid=""

if [ -s "$work/stdout" ] || [ -s "$work/stderr" ]; then
    echo "the program printed on the console:"
    cat "$work/stdout" "$work/stderr"
    exit 1
fi

ini="$work/home/.config/Quillan/Quillan.ini"
[ -f "$ini" ] || { echo "no settings file at $ini"; exit 1; }
expected=(
    "isPoker=True" "prfAnimation=True" "prfCardOutlineColor=65280"
    "prfCardSpace=16" "prfHideDesktop=False" "prfIsPKCustomCardBack=False"
    "prfIsQNCustomCardBack=False" "prfOpOklahoma=False" "prfOpQN=False" "prfOpStandard=True"
    "prfPKBackFace=65" "prfPKBackground=vpwood.jpg" "prfPokerAutoDeal=False"
    "prfQNAutoSort=True" "prfQNBackFace=54" "prfQNBackground=vangogh.jpg" "prfQNScores=True"
    "prfShowHide=True" "prfShowPokerPlay=False" "prfSound=True"
    "prfMouseRightLeft%20=0"
)
grep -qx '\[Preferences\]' "$ini" || { echo "no [Preferences] section"; cat "$ini"; exit 1; }
for line in "${expected[@]}"; do
    grep -qxF "$line" "$ini" || { echo "missing: $line"; cat "$ini"; exit 1; }
done
# The first run measures the animation speed: a delay of 0 or more, and the speed slider
# set from it (1000 - delay up to 500, 400 up to 750, else 250).
delay="$(sed -n 's/^prfAnimationDelay=//p' "$ini")"
slider="$(sed -n 's/^prfScrollVal=//p' "$ini")"
[[ "$delay" =~ ^[0-9]+$ ]] || { echo "no measured animation delay: '$delay'"; exit 1; }
if [ "$delay" -le 500 ]; then want=$((1000 - delay)); elif [ "$delay" -le 750 ]; then want=400; else want=250; fi
[ "$slider" = "$want" ] || { echo "slider $slider for delay $delay, expected $want"; exit 1; }
expected+=("prfAnimationDelay=$delay" "prfScrollVal=$slider")
keys="$(grep -c '=' "$ini")"
[ "$keys" -eq "${#expected[@]}" ] || { echo "expected ${#expected[@]} keys, found $keys"; cat "$ini"; exit 1; }
echo "ok"
