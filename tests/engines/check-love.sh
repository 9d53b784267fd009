#!/usr/bin/env bash
# LÖVE, a real engine, draws baked fonts on a canvas, compared by check_love.py with
# the text their descriptors set by the rules of the format:
#   packed   a text descriptor of glyph boxes on several small pages, white;
#   outline  yellow glyphs with a blue outline and a red shadow, in glyph boxes and
#            in cells, against the same font plain.
#   check-love.sh VANTOR_BAKE packed|outline   (on a display: run through with-display.sh)
set -euo pipefail
bake=$1
mode=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data  # LÖVE's save folder, away from the user's
# The game's folder holds the script and the fonts, where LÖVE reads its files.
cp -r "$here/love" "$work/game"
draw() {  # FONT TEXT WIDTH [rgb] > IMAGE
  SDL_AUDIODRIVER=dummy timeout 60 love "$work/game" "$1.fnt" "$2" "$3" 64 ${4:-}
}
if [[ $mode == packed ]]; then
  text="ÀÍÎÏ Šŷ Wąż AVATAR ǅ ȴ fi"
  "$bake" --font "DejaVu Sans" --height 32 --chars 0x20-0x24F --format fnt --page-size 128 --padding 1 --spacing 2 \
    -o "$work/game/font" 2>/dev/null
  draw font "$text" 640 >"$work/love.pgm"
  /usr/bin/python3 "$here/check_love.py" packed "$work/game" "$text" "$work/love.pgm"
else
  text="HOLA Wąż fi 0123"
  font=(--font "DejaVu Sans" --height 32 --chars 0x20-0x17F --format fnt)
  effects=(--outline 2 --colour 255,255,0 --outline-colour 0,0,255 --shadow 3,3 --shadow-colour 255,0,0)
  "$bake" "${font[@]}" -o "$work/game/plain" 2>/dev/null
  "$bake" "${font[@]}" "${effects[@]}" --page-size 256 -o "$work/game/boxes" 2>/dev/null
  "$bake" "${font[@]}" "${effects[@]}" --layout cells --texture-width 512 -o "$work/game/cells" 2>/dev/null
  for name in plain boxes cells; do draw "$name" "$text" 480 rgb >"$work/$name.ppm"; done
  /usr/bin/python3 "$here/check_love.py" outline "$work/game" "$text" "$work"
fi
