#!/usr/bin/env bash
# Regenerates everything in assets/: the table backgrounds and custom backs (pics/), the sound
# cues (wavs/) and the help file (felton.hlp); and the icon in desktop/icons/. Needs the build tools plus espeak-ng and sox
# (spoken cues) and ImageMagick (the GIF background); the program's own build needs none of them.
#
#   bash scripts/make-assets.sh                   regenerate assets/
#   bash scripts/make-assets.sh --sheet out.png   also render the card contact sheet
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLAN_TOOLS_BUILD:-$root/build-tools}"
sheet=""
if [ "${1:-}" = "--sheet" ]; then sheet="${2:?--sheet needs a file name}"; fi

cmake -S "$root" -B "$build" -G Ninja -DQUILLAN_TESTS=OFF >/dev/null
cmake --build "$build" --target make_assets -j2 >/dev/null
tool="$build/tools/make_assets"

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$stage"

# Pictures. Qt writes no GIF, so GIF backgrounds come out as PNG and are converted here; the
# pixel ratio the tool noted in the PNG's text goes into the GIF's comment, where the table
# looks for it.
"$tool" pictures "$stage/out"
for png in "$stage"/out/pics/*.gif.png; do
  [ -e "$png" ] || continue
  ratio="$(identify -format '%[QuillanPixelRatio]' "$png" 2>/dev/null || true)"
  convert "$png" -dither FloydSteinberg -colors 256 \
    ${ratio:+-set comment "QuillanPixelRatio: $ratio"} "${png%.png}"
  rm "$png"
done

# Spoken cues, recorded with espeak-ng and brought to the cues' sample format with sox.
mkdir -p "$stage/speech"
speak() {
  espeak-ng -v "$2" -s "$3" -p "$4" -w "$stage/speech/raw-$1" "$5"
  sox "$stage/speech/raw-$1" -r 22050 -c 1 -b 16 "$stage/speech/$1"
}
speak ohdear.wav en-gb 120 35 "Oh dear."
speak doh.wav en-us 140 25 "D'oh!"
"$tool" sounds "$stage/out/wavs" "$stage/speech"

rm -rf "$root/assets/pics" "$root/assets/wavs"
mkdir -p "$root/assets"
cp -r "$stage/out/pics" "$stage/out/wavs" "$root/assets/"
cp "$root/tools/help/felton.html" "$root/assets/felton.hlp"

# The program's icon for the desktop, installed into share/icons/hicolor.
rm -rf "$root/desktop/icons"
"$tool" icons "$root/desktop/icons"

if [ -n "$sheet" ]; then
  "$tool" sheet "$sheet" 2
fi
echo "assets regenerated in $root/assets"
