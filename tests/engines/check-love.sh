#!/usr/bin/env bash
# LÖVE, a real engine, draws a font of glyph boxes packed on several pages: a text
# descriptor baked on small pages, set by LÖVE on a canvas, against the same text
# set from the descriptor by the rules of the format (pen, kerning, offsets,
# advances; each box's alpha laid over black). Every pixel within 2 of 255.
#   check-love.sh VANTOR_BAKE   (on a display: run through with-display.sh)
set -euo pipefail
bake=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data  # LÖVE's save folder, away from the user's
text="ÀÍÎÏ Šŷ Wąż AVATAR ǅ ȴ fi"
# The game's folder holds the script and the font, where LÖVE reads its files.
cp -r "$here/love" "$work/game"
"$bake" --font "DejaVu Sans" --height 32 --chars 0x20-0x24F --format fnt --page-size 128 --padding 1 --spacing 2 \
  -o "$work/game/font" 2>/dev/null
SDL_AUDIODRIVER=dummy timeout 60 love "$work/game" font.fnt "$text" 640 64 >"$work/love.pgm"
/usr/bin/python3 - "$work/game/font.fnt" "$text" "$work/love.pgm" <<'PY'
import os, sys
from PIL import Image
descriptor, text, drawn = sys.argv[1], sys.argv[2], Image.open(sys.argv[3])
folder = os.path.dirname(descriptor)
chars, kernings, pages, common = {}, {}, {}, {}
for line in open(descriptor, encoding="utf-8"):
    tag, *fields = line.split()
    if tag not in ("char", "kerning", "page", "common"):
        continue  # info names the face, which may hold spaces
    values = dict(f.split("=", 1) for f in fields)
    if tag == "char":
        chars[int(values["id"])] = {k: int(v) for k, v in values.items()}
    elif tag == "kerning":
        kernings[(int(values["first"]), int(values["second"]))] = int(values["amount"])
    elif tag == "page":
        pages[int(values["id"])] = Image.open(os.path.join(folder, values["file"].strip('"'))).getchannel("A")
    elif tag == "common":
        common = values
assert int(common["pages"]) >= 3, common
expected = [[0.0] * drawn.width for _ in range(drawn.height)]
pen, before, used = 0, None, set()
for character in text:
    code = ord(character)
    pen += kernings.get((before, code), 0)
    c = chars[code]
    used.add(c["page"])
    page = pages[c["page"]]
    for y in range(c["height"]):
        for x in range(c["width"]):
            a = page.getpixel((c["x"] + x, c["y"] + y)) / 255
            px, py = 4 + pen + c["xoffset"] + x, 8 + c["yoffset"] + y  # where LÖVE prints it
            expected[py][px] = a + expected[py][px] * (1 - a)
    pen += c["xadvance"]
    before = code
assert len(used) >= 2, "the text should come from several pages: %s" % used
worst, inked = 0, 0
for y in range(drawn.height):
    for x in range(drawn.width):
        want = round(expected[y][x] * 255)
        worst = max(worst, abs(drawn.getpixel((x, y)) - want))
        inked += want > 0
assert inked > 2000, inked

assert worst <= 2, "LÖVE's canvas differs from the descriptor's text by up to %d" % worst
print("love: %d inked pixels from %d pages drawn as the descriptor sets them (within %d)" % (inked, len(used), worst))
PY
