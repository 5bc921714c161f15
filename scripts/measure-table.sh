#!/usr/bin/env bash
# Measures the table: CPU time of a whole Gin Rummy deal and of a 400-pixel AnimateCard at
# delay 0 (Google Benchmark on the real window, offscreen), and the idle CPU of the running
# program under Xvfb over 10 seconds in each game once its deal has finished.
# Needs the benchmarks built: cmake -S . -B build -DQUILLAN_BENCH=ON && cmake --build build
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$build/bin/quillan"
bench="$build/bin/table_window_bench"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
[ -x "$program" ] || { echo "no program at $program"; exit 1; }

if [ -x "$bench" ]; then
    echo "== CPU time on the real window (offscreen, delay 0)"
    "$bench" 2>/dev/null | grep -E "^BM_|^Benchmark"
else
    echo "(no $bench: configure with -DQUILLAN_BENCH=ON to measure the deal and a card move)"
fi

work="$(mktemp -d)"
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
sleep 1

ticks_per_second="$(getconf CLK_TCK)"
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# idle_cpu GAME-SETTING: starts the program, lets the splash and the deal finish, then
# samples its CPU time over 10 seconds.
idle_cpu() {
    rm -rf "$work/home"
    mkdir -p "$work/home/.config/Quillan"
    printf '[Preferences]\nisPoker=%s\nprfAnimationDelay=0\nprfSound=False\n' "$1" \
        >"$work/home/.config/Quillan/Quillan.ini"
    HOME="$work/home" XDG_CONFIG_HOME="" QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
    app_pid=$!
    sleep 8
    local before after
    before="$(cpu_ticks "$app_pid")"
    sleep 10
    after="$(cpu_ticks "$app_pid")"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    awk -v t=$((after - before)) -v hz="$ticks_per_second" \
        'BEGIN { printf "%.2f%% of a core (%d ms of CPU in 10 s)\n", t / hz / 10 * 100, t * 1000 / hz }'
}

echo "== idle CPU under Xvfb over 10 s"
echo "Gin Rummy:   $(idle_cpu False)"
echo "Video Poker: $(idle_cpu True)"
