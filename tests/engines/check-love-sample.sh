#!/usr/bin/env bash
# The export window's sample text is drawn as a real engine draws it: LÖVE sets a
# text from a written descriptor and its pages, at 1x, 2x and 3x with linear
# filtering, and the window's sample drawing of the same files (sample_dump)
# gives the same canvas, every pixel within a few levels of LÖVE's.
#   check-love-sample.sh VANTOR_BAKE SAMPLE_DUMP   (on a display: run through with-display.sh)
set -euo pipefail
bake=$1
dump=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data  # LÖVE's save folder, away from the user's
text="AVATAR Wąż ÀÍ fi To,"
cp -r "$here/love" "$work/game"
"$bake" --font "DejaVu Sans" --height 24 --chars 0x20-0x17F --format fnt --page-size 128 --padding 1 --spacing 2 \
  -o "$work/game/font" 2>/dev/null
for scale in 1 2 3; do
  width=$((12 + 300 * scale))
  height=$((16 + 32 * scale))
  SDL_AUDIODRIVER=dummy timeout 60 love "$work/game" font.fnt "$text" $width $height grey $scale >"$work/love$scale.pgm"
  "$dump" "$work/game/font.fnt" "$text" $width $height $scale >"$work/sample$scale.pgm"
  /usr/bin/python3 - "$work/love$scale.pgm" "$work/sample$scale.pgm" $scale <<'PY'
import sys
from PIL import Image
love, sample, scale = Image.open(sys.argv[1]), Image.open(sys.argv[2]), int(sys.argv[3])
assert love.size == sample.size, (love.size, sample.size)
worst, inked = 0, 0
for y in range(love.height):
    for x in range(love.width):
        a, b = love.getpixel((x, y)), sample.getpixel((x, y))
        worst = max(worst, abs(a - b))
        inked += a > 0
assert inked > 500 * scale * scale, inked
allowed = 1 if scale == 1 else 3  # filtering rounds in the GPU's own precision
assert worst <= allowed, "at %dx the sample differs from LÖVE's canvas by up to %d" % (scale, worst)
print("love sample %dx: %d inked pixels, within %d" % (scale, inked, worst))
PY
done
