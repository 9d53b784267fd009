#!/usr/bin/env bash
# The bytes of every output of a fixed list of bakes, against the checksums
# recorded in checksums.txt: a change that moves code around must not change a
# byte of what is written. `golden.sh VANTOR_BAKE --record` writes the list anew.
#   golden.sh VANTOR_BAKE [--record]
set -euo pipefail
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/.." && pwd)/lsan.supp:print_suppressions=0}
bake=$1
record=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dejavu=(--font "DejaVu Sans")
# name | options; each bake writes into its own folder as BASE "out".
bakes=(
  "params-32|--height 32"
  "params-20-cyrillic|--height 20 --weight 700 --charset 204 --italic --texture-width 512 --leading 2 --kerning 1"
  "text-32|--height 32 --format fnt --format params --layout cells"
  "xml-24-bold|--height 24 --weight 700 --format fnt-xml --layout cells"
  "binary-32-mono|--height 32 --quality 3 --format fnt-binary --layout cells"
  "sdf-text-32|--height 32 --sdf 8 --format fnt --format params --layout cells"
  "sdf-xml-32|--height 32 --sdf 8 --format fnt-xml --layout cells"
  "chars-two-pages|--height 64 --chars 0x20-0x24F --format fnt --layout cells"
  "chars-binary-cyrillic|--height 28 --chars 0x20-0x7E,0x400-0x45F --format fnt-binary --kerning -1 --layout cells"
  "packed-text-32|--height 32 --format fnt"
  "packed-marks-italic|--height 40 --italic --chars 0x20-0x17F,0x300-0x36F --format fnt-xml --padding 1,2,3,4 --spacing 2,1"
  "packed-sdf-pages|--height 48 --sdf 6 --chars 0x20-0x24F --format fnt --page-size 256x512 --no-pot"
)
for entry in "${bakes[@]}"; do
  name=${entry%%|*}
  read -r -a options <<<"${entry#*|}"
  mkdir "$work/$name"
  "$bake" "${dejavu[@]}" "${options[@]}" -o "$work/$name/out"
done
# A params file read back writes what it describes.
mkdir "$work/from-params"
"$bake" "$work/params-20-cyrillic/out.txt" -o "$work/from-params/out"

actual=$(cd "$work" && find . -type f | LC_ALL=C sort | xargs sha256sum)
if [[ "$record" == --record ]]; then
  printf '%s\n' "$actual" >"$here/checksums.txt"
  echo "golden: recorded $(wc -l <"$here/checksums.txt") outputs"
  exit 0
fi
if ! diff <(cat "$here/checksums.txt") <(printf '%s\n' "$actual"); then
  echo "golden: the outputs above differ from the recorded bytes (< recorded, > now)" >&2
  exit 1
fi
echo "golden: $(wc -l <"$here/checksums.txt") outputs as recorded"
