#!/usr/bin/env bash
# LÖVE, a real engine, draws an outlined font in colour: yellow glyphs with a blue
# outline and a shadow, baked in glyph boxes and again in cells, set by LÖVE on a
# black canvas. Its canvas must be the descriptor's text composited by the rules
# of the format (each box's RGBA laid over what is drawn, not premultiplied), every
# channel within 2; and it must show the glyph's colour where the plain font's
# glyphs are full, and the outline's colour in the pixels just around them (within
# 8 of each: a neighbour's faint edge may lie over them).
#   check-love-outline.sh VANTOR_BAKE   (on a display: run through with-display.sh)
set -euo pipefail
bake=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data  # LÖVE's save folder, away from the user's
text="HOLA Wąż fi 0123"
cp -r "$here/love" "$work/game"
font=(--font "DejaVu Sans" --height 32 --chars 0x20-0x17F --format fnt)
effects=(--outline 2 --colour 255,255,0 --outline-colour 0,0,255 --shadow 3,3 --shadow-colour 255,0,0)
"$bake" "${font[@]}" -o "$work/game/plain" 2>/dev/null
"$bake" "${font[@]}" "${effects[@]}" --page-size 256 -o "$work/game/boxes" 2>/dev/null
"$bake" "${font[@]}" "${effects[@]}" --layout cells --texture-width 512 -o "$work/game/cells" 2>/dev/null
for name in plain boxes cells; do
  SDL_AUDIODRIVER=dummy timeout 60 love "$work/game" "$name.fnt" "$text" 480 64 rgb >"$work/$name.ppm"
done
/usr/bin/python3 - "$work/game" "$text" "$work" <<'PY'
import os, sys
from PIL import Image
game, text, work = sys.argv[1], sys.argv[2], sys.argv[3]

def read(name):
    chars, kernings, pages = {}, {}, {}
    for line in open(os.path.join(game, name + ".fnt"), encoding="utf-8"):
        tag, *fields = line.split()
        if tag not in ("char", "kerning", "page"):
            continue  # info names the face, which may hold spaces
        values = dict(f.split("=", 1) for f in fields)
        if tag == "char":
            chars[int(values["id"])] = {k: int(v) for k, v in values.items()}
        elif tag == "kerning":
            kernings[(int(values["first"]), int(values["second"]))] = int(values["amount"])
        else:
            pages[int(values["id"])] = Image.open(os.path.join(game, values["file"].strip('"'))).convert("RGBA")
    return chars, kernings, pages

def expected(name, size):
    # The text as the format sets it: pen, kerning, offsets, advances; each box over what lies under it.
    chars, kernings, pages = read(name)
    width, height = size
    canvas = [[(0.0, 0.0, 0.0)] * width for _ in range(height)]
    pen, before = 0, None
    for character in text:
        code = ord(character)
        pen += kernings.get((before, code), 0)
        c = chars[code]
        page = pages[c["page"]]
        for y in range(c["height"]):
            for x in range(c["width"]):
                r, g, b, a = page.getpixel((c["x"] + x, c["y"] + y))
                a /= 255
                px, py = 4 + pen + c["xoffset"] + x, 8 + c["yoffset"] + y  # where LÖVE prints it
                under = canvas[py][px]
                canvas[py][px] = (r * a + under[0] * (1 - a), g * a + under[1] * (1 - a), b * a + under[2] * (1 - a))
        pen += c["xadvance"]
        before = code
    return canvas

plain = Image.open(os.path.join(work, "plain.ppm")).convert("L")
for name in ("boxes", "cells"):
    drawn = Image.open(os.path.join(work, name + ".ppm")).convert("RGB")
    want = expected(name, drawn.size)
    worst = 0
    for y in range(drawn.height):
        for x in range(drawn.width):
            got = drawn.getpixel((x, y))
            worst = max(worst, max(abs(got[i] - round(want[y][x][i])) for i in range(3)))
    assert worst <= 2, "%s: LÖVE's canvas differs from the descriptor's text by up to %d" % (name, worst)
    # Where the plain glyphs are full the canvas holds yellow; next to them, where the plain
    # glyphs leave nothing, the outline's blue, over the shadow's red.
    inside = around = 0
    for y in range(1, drawn.height - 1):
        for x in range(1, drawn.width - 1):
            if plain.getpixel((x, y)) == 255:
                r, g, b = drawn.getpixel((x, y))
                assert r >= 247 and g >= 247 and b <= 8, (name, x, y, (r, g, b))
                inside += 1
            elif plain.getpixel((x, y)) == 0 and any(
                    plain.getpixel((x + dx, y + dy)) == 255 for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                r, g, b = drawn.getpixel((x, y))
                assert r <= 8 and g <= 8 and b >= 247, (name, x, y, (r, g, b))
                around += 1
    assert inside > 500 and around > 100, (name, inside, around)
    print("love: %s: the canvas is the descriptor's text within %d; %d glyph pixels yellow, %d around them blue"
          % (name, worst, inside, around))
PY
