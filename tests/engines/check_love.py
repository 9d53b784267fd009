"""What LÖVE drew, against the text the descriptor sets by the rules of the format
(pen, kerning, offsets, advances; each box's RGBA laid over what lies under it,
not premultiplied, on black at (4, 8)).

  check_love.py packed GAME TEXT DRAWN.pgm
      font.fnt of glyph boxes on several pages: every pixel within 2.
  check_love.py outline GAME TEXT FOLDER
      boxes.fnt and cells.fnt, yellow with a blue outline, against plain.fnt: each
      canvas within 2 of its text; yellow where the plain glyphs are full, blue in
      the pixels next to them that the plain glyphs leave empty (within 8 of each:
      a neighbour's faint edge may lie over them).
"""
import os
import sys

from PIL import Image


def read_font(descriptor):
    folder = os.path.dirname(descriptor)
    font = {"chars": {}, "kernings": {}, "pages": {}, "common": {}}
    for line in open(descriptor, encoding="utf-8"):
        tag, *fields = line.split()
        if tag not in ("char", "kerning", "page", "common"):
            continue  # info names the face, which may hold spaces
        values = dict(f.split("=", 1) for f in fields)
        if tag == "char":
            font["chars"][int(values["id"])] = {k: int(v) for k, v in values.items()}
        elif tag == "kerning":
            font["kernings"][(int(values["first"]), int(values["second"]))] = int(values["amount"])
        elif tag == "page":
            path = os.path.join(folder, values["file"].strip('"'))
            font["pages"][int(values["id"])] = Image.open(path).convert("RGBA")
        else:
            font["common"] = values
    return font


def set_text(font, text, width, height):
    """The canvas the text makes, rows of (r, g, b) from 0 to 255, and the pages it used."""
    canvas = [[(0.0, 0.0, 0.0)] * width for _ in range(height)]
    pen, before, used = 0, None, set()
    for character in text:
        code = ord(character)
        pen += font["kernings"].get((before, code), 0)
        c = font["chars"][code]
        used.add(c["page"])
        page = font["pages"][c["page"]]
        for y in range(c["height"]):
            for x in range(c["width"]):
                r, g, b, a = page.getpixel((c["x"] + x, c["y"] + y))
                a /= 255
                px, py = 4 + pen + c["xoffset"] + x, 8 + c["yoffset"] + y  # where LÖVE prints it
                under = canvas[py][px]
                canvas[py][px] = (r * a + under[0] * (1 - a), g * a + under[1] * (1 - a), b * a + under[2] * (1 - a))
        pen += c["xadvance"]
        before = code
    return canvas, used


def worst_difference(drawn, canvas):
    worst = 0
    for y in range(drawn.height):
        for x in range(drawn.width):
            got = drawn.getpixel((x, y))
            worst = max(worst, max(abs(g - round(w)) for g, w in zip(got, canvas[y][x])))
    return worst


def check_packed(game, text, drawn_path):
    font = read_font(os.path.join(game, "font.fnt"))
    assert int(font["common"]["pages"]) >= 3, font["common"]
    drawn = Image.open(drawn_path).convert("RGB")
    canvas, used = set_text(font, text, drawn.width, drawn.height)
    assert len(used) >= 2, "the text should come from several pages: %s" % used
    inked = sum(round(pixel[0]) > 0 for row in canvas for pixel in row)
    assert inked > 2000, inked
    worst = worst_difference(drawn, canvas)
    assert worst <= 2, "LÖVE's canvas differs from the descriptor's text by up to %d" % worst
    print("love: %d inked pixels from %d pages drawn as the descriptor sets them (within %d)" % (inked, len(used), worst))


def check_outline(game, text, folder):
    plain = Image.open(os.path.join(folder, "plain.ppm")).convert("L")
    for name in ("boxes", "cells"):
        drawn = Image.open(os.path.join(folder, name + ".ppm")).convert("RGB")
        canvas, _ = set_text(read_font(os.path.join(game, name + ".fnt")), text, drawn.width, drawn.height)
        worst = worst_difference(drawn, canvas)
        assert worst <= 2, "%s: LÖVE's canvas differs from the descriptor's text by up to %d" % (name, worst)
        inside = around = 0
        for y in range(1, drawn.height - 1):
            for x in range(1, drawn.width - 1):
                r, g, b = drawn.getpixel((x, y))
                if plain.getpixel((x, y)) == 255:
                    assert r >= 247 and g >= 247 and b <= 8, (name, x, y, (r, g, b))
                    inside += 1
                elif plain.getpixel((x, y)) == 0 and any(
                        plain.getpixel((x + dx, y + dy)) == 255 for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                    assert r <= 8 and g <= 8 and b >= 247, (name, x, y, (r, g, b))
                    around += 1
        assert inside > 500 and around > 100, (name, inside, around)
        print("love: %s: the canvas is the descriptor's text within %d; %d glyph pixels yellow, %d around them blue"
              % (name, worst, inside, around))


if __name__ == "__main__":
    mode, game, text, drawn = sys.argv[1:5]
    (check_packed if mode == "packed" else check_outline)(game, text, drawn)
