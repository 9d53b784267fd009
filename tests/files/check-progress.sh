#!/bin/bash
# A bake longer than a second shows its progress when stderr is a terminal (a
# pseudo-terminal from script(1) here), and never with --quiet or into a file.
set -euo pipefail
bake=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
long=(--font "DejaVu Sans" --height 250 --format fnt --chars 0x20-0xFFFF --page-size 2048 -o "$work/f")
printf -v command '%q ' "$bake" "${long[@]}"
script -qec "$command" /dev/null > "$work/tty" || fail "the bake failed: $(cat "$work/tty")"
grep -aq "pages drawn (.* characters)" "$work/tty" || fail "no progress on a terminal: $(cat -v "$work/tty")"
script -qec "$command --quiet" /dev/null > "$work/quiet"
[[ -s $work/quiet ]] && fail "--quiet says: $(cat -v "$work/quiet")"
"$bake" "${long[@]}" 2> "$work/file"
grep -aq "pages drawn" "$work/file" && fail "progress written into a file"
echo "progress shows on a terminal only"
