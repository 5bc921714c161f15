#!/usr/bin/env bash
# A random-input soak of the real program under Xvfb: clicks, drags, double clicks and the
# menu keys over both games, with every dialog answered, for a bounded time. Seeded, so a
# run can be replayed exactly: the actions come from bash's RANDOM seeded with --seed, and
# each is written to the log. Not part of CI.
#
#   bash scripts/soak.sh [--seed N] [--seconds S] [--program PATH] [--log FILE]
#
# Defaults: seed 1, 300 seconds, build/bin/quillan. Reports crashes (the program ended by
# itself or by a signal), hangs (no repaint for 10 seconds after the screen was refreshed),
# sanitizer reports, Qt warnings and the resident memory at the start and at the end.
# Exit status 0 only when none of these was seen. Build the program with sanitizers
# (cmake -DQUILLAN_SANITIZE=ON) to have them checked.
set -uo pipefail
cd "$(dirname "$0")/.."

seed=1
seconds=300
program="build/bin/quillan"
log=""
while [ $# -gt 0 ]; do
    case "$1" in
    --seed) seed="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    --program) program="$2"; shift 2 ;;
    --log) log="$2"; shift 2 ;;
    *) echo "unknown option $1"; exit 2 ;;
    esac
done
for tool in Xvfb xdotool xrefresh xwininfo; do
    command -v "$tool" >/dev/null || { echo "missing $tool (bash scripts/install-deps.sh)"; exit 2; }
done
[ -x "$program" ] || { echo "no program at $program"; exit 2; }

work="$(mktemp -d)"
log="${log:-$work/actions.log}"
: >"$log"
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "${app_pid:-}" ] && wait "$app_pid" 2>/dev/null
    [ -n "${xvfb_pid:-}" ] && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work/home"
}
trap cleanup EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
display=""
read -r -t 60 display <&"$display_fd" || true
[ -n "$display" ] || { echo "the X server did not start"; exit 2; }
export DISPLAY=":$display"
for _ in $(seq 300); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# A home of its own: no stored settings, so the first run measures the speed and opens in
# Video Poker; sound off so no audio device is needed.
mkdir -p "$work/home/.config/Quillan" "$work/runtime"
chmod 700 "$work/runtime"
printf '[Preferences]\nprfSound=False\n' >"$work/home/.config/Quillan/Quillan.ini"
diag="$work/diagnostics.txt"
: >"$diag"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-use_tls=0:suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
HOME="$work/home" XDG_CONFIG_HOME="" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb QUILLAN_DIAGNOSTICS="$diag" \
    "$program" >"$work/stdout" 2>"$work/stderr" &
app_pid=$!

rss() { awk '/^VmRSS/ { print $2 " kB" }' "/proc/$app_pid/status" 2>/dev/null; }
main_window() {
    for w in $(xdotool search --onlyvisible --class quillan 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        if [ "${WIDTH:-0}" -ge 400 ] && [ "${HEIGHT:-0}" -ge 400 ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
window=""
for _ in $(seq 600); do
    window="$(main_window)" && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear"; cat "$work/stderr"; exit 1; }
sleep 4 # the splash and the first deal
rss_start="$(rss)"

RANDOM="$seed"
keys=(ctrl+r ctrl+v F5 alt+g alt+a alt+p alt+h Escape Return Down Up Right Left Tab space)
problems=()
hang_seen=0
last_refresh=0
start=$SECONDS
actions=0

act() {
    printf '%s\n' "$*" >>"$log"
    xdotool "$@" >/dev/null 2>&1
}

# Keys go to the focused window as real key presses (Qt ignores keys sent to a window).
press() {
    local target="$1"
    shift
    act windowfocus --sync "$target"
    act key --clearmodifiers "$@"
}

# A window of the program other than the main window (a message box, an input box, the
# Preferences, Top Scores, About, help): answered or closed, picked by the seed.
answer_dialogs() {
    local w
    for w in $(xdotool search --onlyvisible --class quillan 2>/dev/null); do
        [ "$w" = "$window" ] && continue
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        [ "${WIDTH:-0}" -le 5 ] && continue
        case $((RANDOM % 4)) in
        0) act windowfocus --sync "$w"; act type "soak$((RANDOM % 100))"; press "$w" Return ;;
        1) press "$w" Escape ;;
        2) act mousemove --window "$w" $((RANDOM % WIDTH)) $((RANDOM % HEIGHT)) click 1 ;;
        *) press "$w" Return ;;
        esac
    done
}

while [ $((SECONDS - start)) -lt "$seconds" ]; do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        problems+=("crash: the program ended by itself after $actions actions")
        break
    fi
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || true
    w="${WIDTH:-640}"
    h="${HEIGHT:-480}"
    x=$((RANDOM % w))
    y=$((RANDOM % h))
    case $((RANDOM % 10)) in
    0 | 1 | 2) act mousemove --window "$window" "$x" "$y" click 1 ;;
    3) act mousemove --window "$window" "$x" "$y" click 3 ;;
    4) act mousemove --window "$window" "$x" "$y" click --repeat 2 --delay 80 1 ;;
    5) act mousemove --window "$window" "$x" "$y" mousedown 1 \
        mousemove --window "$window" $((RANDOM % w)) "$y" mouseup 1 ;;
    6 | 7) press "$window" "${keys[$((RANDOM % ${#keys[@]}))]}" ;;
    *) answer_dialogs ;;
    esac
    actions=$((actions + 1))
    answer_dialogs
    # Every few seconds the whole screen is exposed again; a working window repaints.
    if [ $((SECONDS - last_refresh)) -ge 3 ]; then
        xrefresh >/dev/null 2>&1
        last_refresh=$SECONDS
    fi
    age=$(($(date +%s) - $(stat -c %Y "$diag")))
    if [ "$age" -ge 10 ] && [ "$hang_seen" -eq 0 ]; then
        problems+=("hang: no repaint for $age seconds after $actions actions")
        hang_seen=1
    elif [ "$age" -lt 10 ]; then
        hang_seen=0
    fi
    sleep 0.0$((RANDOM % 10))
done
rss_end="$(rss)"

# Game > Exit, then every question at close answered, and the program waited for.
if kill -0 "$app_pid" 2>/dev/null; then
    answer_dialogs
    press "$window" Escape
    press "$window" Escape
    press "$window" alt+g
    act key x
    for _ in $(seq 300); do
        kill -0 "$app_pid" 2>/dev/null || break
        answer_dialogs
        sleep 0.2
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        problems+=("hang: the program did not end after Game > Exit")
        kill "$app_pid" 2>/dev/null
    fi
fi
wait "$app_pid" 2>/dev/null
status=$?
app_pid=""
if [ "$status" -ne 0 ] && [ "$status" -ne 143 ]; then
    problems+=("the program ended with status $status")
fi
if grep -qE 'Sanitizer|runtime error:' "$work/stderr"; then
    problems+=("sanitizer reports: $(grep -cE 'ERROR: |runtime error:' "$work/stderr")")
fi
# A machine without a sound server makes Qt Multimedia say so once; that is the machine.
no_audio='PulseAudioService: pa_context_connect|pulseaudio'
environment="$(grep '^Qt message:' "$diag" | grep -cE "$no_audio")"
warnings="$(grep '^Qt message:' "$diag" | grep -cvE "$no_audio")"
[ "$warnings" -gt 0 ] && problems+=("Qt warnings: $warnings")

echo "seed $seed, $seconds s, $actions actions (log: $log)"
echo "RSS at start: ${rss_start:-?}, at end: ${rss_end:-?}"
echo "Qt warnings: $warnings (and $environment about the missing sound server)"
if [ ${#problems[@]} -eq 0 ]; then
    echo "no crash, hang, sanitizer report or Qt warning"
    exit 0
fi
printf 'PROBLEM: %s\n' "${problems[@]}"
echo "--- program's stderr (first 60 lines)"
head -n 60 "$work/stderr"
echo "--- Qt messages (first 20)"
grep '^Qt message:' "$diag" | sort | uniq -c | sort -rn | head -n 20
exit 1
