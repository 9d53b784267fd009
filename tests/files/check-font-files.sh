#!/bin/sh
# --font-file: a face read from a file fontconfig does not know bakes the same
# bytes as the same file installed; bad files are refused with their cause.
set -eu
bake=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/fonts/private-fonts.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

family='Vantor Only In File'
mkdir "$work/fonts" "$work/cache" "$work/loose" "$work/named" "$work/first" "$work/installed"
/usr/bin/python3 "$here/fonts/rename-family.py" "$(fc-match -f '%{file}' 'DejaVu Serif')" "$work/loose/only.ttf" "$family"
set -- --height 24 --format fnt --chars 32-126,0x410-0x44F --strict
"$bake" --list-fonts | grep -qx "$family" && fail "fontconfig knows the test face already"
"$bake" --list-fonts --font-file "$work/loose/only.ttf" | grep -qx "$family" ||
  fail "--list-fonts does not list the face of --font-file"

# From the file: with its family named, and with no --font (the file's first face).
"$bake" "$@" --font-file "$work/loose/only.ttf" --font "$family" -o "$work/named/f" 2> "$work/err" ||
  fail "baking the named face of the file: $(cat "$work/err")"
[ -s "$work/err" ] && fail "baking from the file says: $(cat "$work/err")"
"$bake" "$@" --font-file "$work/loose/only.ttf" -o "$work/first/f"
# The same file installed.
cp "$work/loose/only.ttf" "$work/fonts/"
private_fonts "$work"
FONTCONFIG_FILE="$work/fonts.conf" "$bake" "$@" --font "$family" -o "$work/installed/f"
for name in named first; do
  cmp -s "$work/$name/f.fnt" "$work/installed/f.fnt" || fail "$name: the descriptor differs from the installed face's"
  cmp -s "$work/$name/f_0.png" "$work/installed/f_0.png" || fail "$name: the page differs from the installed face's"
done
grep -q "face=\"$family\"" "$work/first/f.fnt" || fail "the descriptor does not name the file's face"

# Files that hold no face: each refused with exit 2, its path and cause named, nothing written.
echo "not a font" > "$work/notes.ttf"
for case in "$work/notes.ttf|holds no font face" "$work/missing.ttf|was not found" "$work/loose|is a folder"; do
  path=${case%%|*}
  cause=${case#*|}
  status=0
  "$bake" "$@" --font-file "$path" -o "$work/bad" 2> "$work/err" || status=$?
  [ "$status" = 2 ] || fail "--font-file $path: exit $status, not 2"
  grep -q "^vantor-bake: the font file $path $cause" "$work/err" || fail "--font-file $path says: $(cat "$work/err")"
  [ -e "$work/bad.fnt" ] && fail "--font-file $path wrote a descriptor"
done
echo "a face from a font file bakes as the installed face; bad files are refused"
