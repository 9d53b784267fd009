#!/usr/bin/env python3
"""Draws docs/sdf-vs-coverage.png: one 32-pixel character of DejaVu Sans magnified
8 times, from the coverage texture (left) and from the distance-field texture
(right, through the README's smoothstep shader), both sampled bilinearly as a
graphics card would.

    tools/make-sdf-picture.py BUILD_BIN_DIR
"""
import os
import subprocess
import sys
import tempfile

from PIL import Image

SCALE = 8
SPREAD = 8
CHARACTER = "g"


def bake(bake_path, folder, name, extra):
    base = os.path.join(folder, name)
    subprocess.run([bake_path, "--font", "DejaVu Sans", "--height", "32", "--weight", "400",
                    "--texture-width", "512", "-o", base] + extra, check=True)
    records = {}
    with open(base + ".txt", "rb") as params:
        lines = params.read().split(b"\r\n")
    for line in lines[lines.index(b"; Simbol params (x,y,width):") + 1:]:
        if len(line) > 2:
            records.setdefault(line[0], [int(v) for v in line[2:].split(b",")])
    return Image.open(base + ".tga").getchannel("A"), records[ord(CHARACTER)]


def smoothstep(edge0, edge1, x):
    t = min(max((x - edge0) / (edge1 - edge0), 0.0), 1.0)
    return t * t * (3 - 2 * t)


def main():
    bake_path = os.path.join(sys.argv[1], "vantor-bake")
    with tempfile.TemporaryDirectory() as folder:
        coverage, (x, y, width) = bake(bake_path, folder, "coverage", [])
        field, (fx, fy, fwidth) = bake(bake_path, folder, "field", ["--sdf", str(SPREAD)])
    height = 31  # the cell of DejaVu Sans at height 32
    plain = coverage.crop((x, y, x + width, y + height))
    grown = field.crop((fx + SPREAD, fy + SPREAD, fx + SPREAD + width, fy + SPREAD + height))
    size = (width * SCALE, height * SCALE)
    left = plain.resize(size, Image.BILINEAR)
    # The shader: alpha = smoothstep(0.5 - w, 0.5 + w, distance), w about one screen pixel.
    w = 0.5 / SPREAD / SCALE * 2
    right = grown.resize(size, Image.BILINEAR).point(lambda v: round(255 * smoothstep(0.5 - w, 0.5 + w, v / 255)))
    picture = Image.new("L", (size[0] * 2 + 3 * SCALE, size[1] + 2 * SCALE), 255)
    for offset, alpha in ((SCALE, left), (size[0] + 2 * SCALE, right)):
        picture.paste(Image.new("L", size, 0), (offset, SCALE), alpha)
    out = os.path.join(os.path.dirname(__file__), "..", "docs", "sdf-vs-coverage.png")
    picture.save(out, optimize=True)
    print("wrote", os.path.normpath(out))


if __name__ == "__main__":
    main()
