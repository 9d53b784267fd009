#!/usr/bin/env bash
# Bakes a Unicode character set on small pages, so that it needs several, in the
# three BMFont variants and as an 8-bit descriptor of the same font, once in the
# cells of a narrow texture and once as glyph boxes packed on pages of at most
# 128 x 128 (more than 10, so the page numbers are zero-padded), and both again
# with an outline and a shadow in colour; then the npm
# BMFont parsers read them and PIL checks every page file.
#   check-pages.sh VANTOR_BAKE
set -euo pipefail
bake=$1
here=$(cd "$(dirname "$0")" && pwd)
if [[ ! -d "$here/node_modules/parse-bmfont-binary" ]]; then
  echo "check-pages: the BMFont readers are missing; run tools/install-deps (npm ci in tests/bmfont)" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for layout in cells packed effects cell-effects; do
if [[ $layout == cells || $layout == cell-effects ]]; then
  font=(--font "DejaVu Sans" --height 24 --weight 400 --texture-width 40 --kerning 1 --leading 2 --layout cells)
else
  font=(--font "DejaVu Sans" --height 24 --weight 400 --kerning 1 --leading 2 --page-size 128x128 --spacing 2,1)
fi
if [[ $layout == effects || $layout == cell-effects ]]; then
  font+=(--outline 2 --shadow 2,2 --colour 255,200,0 --outline-colour '#2040A0')
fi
rm -rf "${work:?}"/*
# Latin and Cyrillic, and Han characters the face lacks.
chars=(--chars 32-126,0xA0-0x24F,0x400-0x4FF --chars 0x4E00-0x4E09)
mkdir "$work/text" "$work/xml" "$work/binary" "$work/eight"
"$bake" "${font[@]}" "${chars[@]}" --format fnt -o "$work/text/font" 2>"$work/stderr"
grep -q "^vantor-bake: 10 characters not in the face, left out: U+4E00 U+4E01" "$work/stderr"
"$bake" "${font[@]}" "${chars[@]}" --format fnt-xml -o "$work/xml/font"
"$bake" "${font[@]}" "${chars[@]}" --format fnt-binary -o "$work/binary/font"
"$bake" "${font[@]}" --charset 204 --format fnt -o "$work/eight/font"

node "$here/check-pages.js" "$work"/{text,xml,binary}/font.fnt "$work/eight/font.fnt" "${layout/#effects/packed}"

/usr/bin/python3 - "$work/text" "$work/xml/font.fnt" "$layout" <<'PY'
import os, sys
import xml.etree.ElementTree as ElementTree
from PIL import Image
folder = sys.argv[1]
packed = sys.argv[3] in ("packed", "effects")
effects = sys.argv[3] in ("effects", "cell-effects")
xml_pages = [(p.get("id"), p.get("file")) for p in ElementTree.parse(sys.argv[2]).getroot().find("pages")]
# Numbers of one width from 11 pages on, as a binary descriptor needs.
digits = len(str(len(xml_pages) - 1)) if len(xml_pages) > 10 else 1
def page_name(i):
    return "font_%0*d.png" % (digits, i)
assert xml_pages == [(str(i), page_name(i)) for i in range(len(xml_pages))], xml_pages
pages = sorted(n for n in os.listdir(folder) if n.endswith(".png"))
chars = []
for line in open(os.path.join(folder, "font.fnt"), encoding="utf-8"):
    if line.startswith("char "):
        chars.append(dict(f.split("=") for f in line.split()[1:]))
assert len(pages) == len(xml_pages), (pages, xml_pages)
for i, name in enumerate(pages):
    assert name == page_name(i), pages
    page = Image.open(os.path.join(folder, name))
    width, height = page.size
    assert page.mode == "RGBA", (name, page.mode)
    assert width == 40 or packed and width <= 128 and width & (width - 1) == 0, (name, page.size)
    assert height <= (128 if packed else 4096) and height & (height - 1) == 0, (name, height)
    alpha = page.getchannel("A")
    on_page = [c for c in chars if int(c["page"]) == i]
    bottom = max(int(c["y"]) + int(c["height"]) for c in on_page)
    assert bottom <= height, (name, bottom, height)
    if packed:
        # Boxes inside the page, each at least the spacing (2 across, 1 down) from every other.
        boxes = [tuple(int(c[k]) for k in ("x", "y", "width", "height")) for c in on_page if int(c["width"]) > 0]
        for x, y, w, h in boxes:
            assert x >= 0 and y >= 0 and x + w <= width and y + h <= height, (name, x, y, w, h)
        for i, (x, y, w, h) in enumerate(boxes):
            for u, v, s, t in boxes[i + 1:]:
                assert x + w + 2 <= u or u + s + 2 <= x or y + h + 1 <= v or v + t + 1 <= y, (name, (x, y, w, h), (u, v, s, t))
    # Every letter has ink in its own cell on its own page.
    for c in on_page:
        if chr(int(c["id"])).isalpha():
            x, y, w, h = (int(c[k]) for k in ("x", "y", "width", "height"))
            assert alpha.crop((x, y, x + w, y + h)).getbbox() is not None, ("no ink", c["id"], name)
            if effects and c["id"] in ("65", "72"):
                # A and H: the glyph's colour inside, the outline's around it, both opaque.
                colours = set(page.crop((x, y, x + w, y + h)).getdata())
                assert (255, 200, 0, 255) in colours and (0x20, 0x40, 0xA0, 255) in colours, (c["id"], name)
print("png: %s: %d pages, every letter inked in its box" % (sys.argv[3], len(pages)))
PY
done
