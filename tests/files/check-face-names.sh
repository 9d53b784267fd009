#!/bin/sh
# Every face --list-fonts prints can be baked by the name as printed: a family
# name longer than a font description holds (two such families sharing their
# first 31 bytes), and one whose name holds a line break, listed on one line.
set -eu
bake=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/fonts/private-fonts.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

sans=$(fc-match -f '%{file}' 'DejaVu Sans')
serif=$(fc-match -f '%{file}' 'DejaVu Serif')
mkdir "$work/fonts" "$work/cache"
long_sans='Vantor Long Family Name For Testing Sans'
long_serif='Vantor Long Family Name For Testing Serif'
broken='Vantor
Broken'
/usr/bin/python3 "$here/fonts/rename-family.py" "$sans" "$work/fonts/a.ttf" "$long_sans"
/usr/bin/python3 "$here/fonts/rename-family.py" "$serif" "$work/fonts/b.ttf" "$long_serif"
/usr/bin/python3 "$here/fonts/rename-family.py" "$serif" "$work/fonts/c.ttf" "$broken"
private_fonts "$work"
export FONTCONFIG_FILE="$work/fonts.conf"

"$bake" --list-fonts > "$work/list"
grep -qx "$long_sans" "$work/list" || fail "--list-fonts does not print \"$long_sans\""
grep -qx "$long_serif" "$work/list" || fail "--list-fonts does not print \"$long_serif\""
grep -qx 'Vantor\\nBroken' "$work/list" || fail "--list-fonts does not print the broken name on one line as Vantor\\nBroken"
grep -qx 'Broken' "$work/list" && fail "--list-fonts prints part of a name as a line of its own"

# Each listed name bakes its own face, under --strict (no substitute), named whole in the descriptor.
n=0
for face in "$long_sans" "$long_serif" 'Vantor\nBroken'; do
  n=$((n + 1))
  "$bake" --strict --font "$face" --height 24 --format fnt --chars 65-90 -o "$work/f$n" 2> "$work/err$n" ||
    fail "--font \"$face\" does not bake: $(cat "$work/err$n")"
  [ -s "$work/err$n" ] && fail "--font \"$face\" says: $(cat "$work/err$n")"
done
grep -q "face=\"$long_serif\"" "$work/f2.fnt" || fail "the descriptor does not name \"$long_serif\": $(head -1 "$work/f2.fnt")"
cmp -s "$work/f1_0.png" "$work/f2_0.png" && fail "the two long names bake the same face"
cmp -s "$work/f2_0.png" "$work/f3_0.png" || fail "\"Vantor\\nBroken\" does not bake its own face (a copy of the serif)"
echo "every listed face bakes by its listed name"
