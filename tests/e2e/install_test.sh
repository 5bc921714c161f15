#!/usr/bin/env bash
# End to end: the installed program. `cmake --install` into a temporary DESTDIR lays out the
# program, its files, the menu entry, the icons and the AppStream data; the entry and the data
# pass their validators. The installed program then runs with its share folder read-only
# and an empty home folder: its position dump and its stats.dat land in the player's data
# folder (~/.local/share/Quillan), and stats.dat is read back from there at the next start.
# Run as root, the program runs as the user nobody, for whom the share folder is read-only.
# Then a user-prefix install (--prefix ~/.local), whose share folder its user may write, still
# keeps the scores in the player's data folder. Only the program's own files are installed.
set -euo pipefail

program="$1"
build="$(cd "$(dirname "$program")/.." && pwd)"
[ -f "$build/CMakeCache.txt" ] || { echo "no build folder above $program"; exit 1; }
source "$(dirname "$0")/table_lib.sh"
# The share folder is made read-only below; give it back its write bit so it can be removed.
trap 'chmod -R u+w "$work" 2>/dev/null || true; cleanup' EXIT
for tool in cmake desktop-file-validate appstreamcli identify; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

fail() {
    echo "$@"
    exit 1
}

id=io.github.quillan.Quillan
dest="$work/dest"
root="$dest/usr"
DESTDIR="$dest" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; }

# The layout.
[ -x "$root/bin/quillan" ] || fail "no program in bin/"
share="$root/share/quillan"
for file in felton.hlp pics/vangogh.jpg pics/vpwood.jpg pics/backs/compass.jpg wavs/deal.wav; do
    [ -s "$share/$file" ] || fail "missing share/quillan/$file"
done
[ -z "$(find "$share" -name '*.desktop' -o -name '*.svg' -o -name 'stats.dat' -o -name '.*')" ] ||
    fail "share/quillan holds more than the program's files: $(find "$share" -name '.*')"
entry="$root/share/applications/$id.desktop"
metainfo="$root/share/metainfo/$id.metainfo.xml"
[ -s "$entry" ] || fail "no desktop entry"
[ -s "$metainfo" ] || fail "no AppStream data"
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256 512; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] ||
        fail "icon ${size}x${size} missing or of the wrong size"
done

# The menu entry and the metadata.
desktop-file-validate "$entry" || fail "desktop-file-validate refused the entry"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "appstreamcli refused the metadata"; }
for line in "Exec=quillan" "Icon=$id" "Categories=Game;CardGame;"; do
    grep -qxF "$line" "$entry" || fail "the entry lacks $line"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch the entry"

# The installed program, its share folder read-only, an empty home.
chmod -R a-w "$share"
chmod 755 "$work"
mkdir -p "$work/home"
runner=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$work/home"
    runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
cat >"$work/installed" <<SCRIPT
#!/usr/bin/env bash
exec env -u XDG_DATA_HOME -u XDG_DATA_DIRS ${runner[*]} "$root/bin/quillan"
SCRIPT
chmod 755 "$work/installed"
data="$work/home/.local/share/Quillan"

start_x
launched_program="$work/installed"

# wait_title REGEX: sets window to the main window once its caption matches.
wait_title() {
    window=""
    for _ in $(seq 300); do
        window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
        [ -n "$window" ] && return 0
        relaunch_if_display_refused
        sleep 0.1
    done
    cat "$work/stderr"
    fail "no main window captioned $1"
}

count_windows() { xdotool search --onlyvisible --class quillan 2>/dev/null | wc -l; }

wait_windows_above() { # wait_windows_above N: until more than N windows show
    for _ in $(seq 100); do
        [ "$(count_windows)" -gt "$1" ] && return 0
        sleep 0.1
    done
    fail "$2"
}

# save_position_and_exit DATA SHARE: in a fresh run, Action > Save Position and Game > Exit
# write bug.txt and stats.dat into DATA, the player's data folder, and nothing into SHARE.
save_position_and_exit() {
    local data="$1" share="$2"
    launches=0 # each run may be refused by a busy X server and started again
    launch
    wait_title '^Top Video Poker Expert is anonymous \(20\)$'
    sleep 3.5 # the splash goes
    xdotool windowfocus --sync "$window"
    before="$(count_windows)"

    # Action > Save Position (the last but one item, above Hand Analysis), and its message box.
    xdotool key --clearmodifiers alt+a
    wait_windows_above "$before" "the Action menu did not open"
    xdotool key Up Up Return
    for _ in $(seq 100); do [ -s "$data/bug.txt" ] && break; sleep 0.1; done
    [ -s "$data/bug.txt" ] || fail "no bug.txt in the player's data folder"
    grep -q "^'player hand" "$data/bug.txt" || fail "bug.txt does not hold the hands"
    [ ! -e "$share/bug.txt" ] || fail "bug.txt was written into the share folder"
    sleep 0.5
    xdotool key Return # closes the message box

    # Game > Exit writes stats.dat; a score prompt, if the meter qualifies, takes the default.
    sleep 0.5
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers alt+g
    sleep 0.5
    xdotool key x
    for _ in $(seq 300); do
        kill -0 "$app_pid" 2>/dev/null || break
        prompt="$(xdotool search --onlyvisible --name '^Congratulations$' 2>/dev/null | head -n1 || true)"
        [ -n "$prompt" ] && xdotool windowfocus --sync "$prompt" key Return
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "Game > Exit did not end the program"
    wait "$app_pid" || fail "the program failed"
    app_pid=""
    [ "$(stat -c %s "$data/stats.dat" 2>/dev/null)" = 220 ] ||
        fail "no 220-byte stats.dat in the player's data folder"
    [ ! -e "$share/stats.dat" ] || fail "stats.dat was written into the share folder"
    [ -s "$work/home/.config/Quillan/Quillan.ini" ] || fail "no settings file"
    check_console
}
echo "the installed copy, its share folder read-only"
save_position_and_exit "$data" "$share"

# The next start reads the tables from the player's data folder: a strategy champion
# written there appears in the caption.
chmod u+w "$data/stats.dat" 2>/dev/null || true
python3 - "$data/stats.dat" <<'PY'
import struct, sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
data[3 * 22:4 * 22] = b"Tester".ljust(20) + struct.pack("<h", 500)
open(path, "wb").write(data)
PY
launches=0
launch
wait_title '^Top Video Poker Expert is Tester \(500\)$'
check_console

# A user-prefix install (the README's no-sudo route, --prefix ~/.local), run by the user who
# may write its share folder: the scores still go to the player's data folder, so removing
# the share folder on uninstall keeps them. Run as root this is a root install run as root.
prefix="$work/home/.local"
cmake --install "$build" --prefix "$prefix" >"$work/install-user.log" ||
    { cat "$work/install-user.log"; fail "cmake --install --prefix ~/.local failed"; }
[ -z "$(find "$prefix/share/quillan" -name '.*')" ] || fail "hidden files in ~/.local/share/quillan"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=""
rm -rf "$data"
[ "$(id -u)" -ne 0 ] || chown -R root "$work/home"
cat >"$work/installed" <<SCRIPT
#!/usr/bin/env bash
exec env -u XDG_DATA_HOME -u XDG_DATA_DIRS "$prefix/bin/quillan"
SCRIPT
echo "the user-prefix install"
save_position_and_exit "$data" "$prefix/share/quillan"
echo "ok"
