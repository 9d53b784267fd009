#!/usr/bin/env bash
# Bakes one font as a params pair and as the three BMFont descriptors, then has
# independent readers check them: the npm BMFont parsers for the descriptors,
# PIL for the PNG page against the TGA texture.
#   check-export.sh VANTOR_BAKE
set -euo pipefail
# Sanitised builds skip the system libraries' own leaks, as under CTest.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/.." && pwd)/../tests/lsan.supp:print_suppressions=0}
bake=$1
here=$(cd "$(dirname "$0")" && pwd)
if [[ ! -d "$here/node_modules/parse-bmfont-binary" ]]; then
  echo "check-export: the BMFont readers are missing; run tools/install-deps (npm ci in tests/bmfont)" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The cells of the params texture, so every box can be checked against its record there.
font=(--font "DejaVu Sans" --height 24 --weight 400 --charset 204 --italic --kerning 2 --leading 3 --layout cells)
# One folder a variant, the same base name in each, so the page names agree.
mkdir "$work/text" "$work/xml" "$work/binary"
"$bake" "${font[@]}" --format params --format fnt -o "$work/text/font"
"$bake" "${font[@]}" --format fnt-xml -o "$work/xml/font"
"$bake" "${font[@]}" --format fnt-binary -o "$work/binary/font"

node "$here/check-bmfont.js" "$work"/{text,xml,binary}/font.fnt "$work/text/font.txt" windows-1251

# The same font as distance fields.
mkdir "$work/field" "$work/field/xml" "$work/field/binary"
"$bake" "${font[@]}" --sdf 6 --format params --format fnt -o "$work/field/font"
"$bake" "${font[@]}" --sdf 6 --format fnt-xml -o "$work/field/xml/font"
"$bake" "${font[@]}" --sdf 6 --format fnt-binary -o "$work/field/binary/font"
node "$here/check-bmfont.js" "$work"/field/{,xml/,binary/}font.fnt "$work/field/font.txt" windows-1251 6

/usr/bin/python3 - "$work/text/font.tga" "$work"/{text,xml,binary}/font_0.png <<'PY'
import sys
from PIL import Image
tga = Image.open(sys.argv[1]).convert("RGBA")
for path in sys.argv[2:]:
    png = Image.open(path)
    assert png.mode == "RGBA", (path, png.mode)
    assert png.size == tga.size, (path, png.size, tga.size)
    assert png.tobytes() == tga.tobytes(), path + " differs from the TGA"
print("png: %dx%d pages equal the TGA texture" % tga.size)
PY
