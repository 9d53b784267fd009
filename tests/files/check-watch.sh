#!/bin/bash
# --watch: edits to a characters file (in place and by rename) and to the bake
# file bake again; a broken edit keeps the old output; Ctrl+C (SIGINT) ends the
# watch with status 0 and no temporary files.
set -euo pipefail
bake=$1
work=$(mktemp -d)
watcher=
trap '[[ -n $watcher ]] && kill -9 $watcher 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; [[ -f $work/err ]] && cat "$work/err" >&2; exit 1; }
chars() { grep -c '^char id' "$work/out/f.fnt" 2>/dev/null || echo 0; }
# Waits up to 5 s for `chars` to be $1.
await() {
  for _ in $(seq 100); do [[ $(chars) == "$1" ]] && return 0; sleep 0.05; done
  fail "$2: the font holds $(chars) characters, not $1"
}

mkdir "$work/out"
printf 'ABC' > "$work/chars.txt"
cat > "$work/fonts.toml" <<TOML
[[font]]
font = "DejaVu Sans"
height = 20
format = "fnt"
chars-file = "chars.txt"
output = "out/f"
TOML
"$bake" --watch --config "$work/fonts.toml" 2> "$work/err" &
watcher=$!
await 3 "the first bake"

printf 'ABCDE' > "$work/chars.txt"
await 5 "an edit in place"
printf 'AB' > "$work/chars.new" && mv "$work/chars.new" "$work/chars.txt"
await 2 "an edit saved by rename"

# A broken characters file and a broken bake file: errors said, the old font kept.
before=$(cat "$work/out/f.fnt")
printf '\xff' > "$work/chars.txt"
for _ in $(seq 100); do grep -q "is not UTF-8" "$work/err" && break; sleep 0.05; done
grep -q "is not UTF-8" "$work/err" || fail "a broken characters file is not reported"
printf '[[font]\n' > "$work/fonts.toml"
for _ in $(seq 100); do grep -q "fonts.toml:1:" "$work/err" && break; sleep 0.05; done
grep -q "fonts.toml:1:" "$work/err" || fail "a broken bake file is not reported"
[[ $(cat "$work/out/f.fnt") == "$before" ]] || fail "a broken edit changed the font"

# Mended: the bake file changed again bakes with its new settings.
printf 'XYZW' > "$work/chars.txt"
cat > "$work/fonts.toml" <<TOML
[[font]]
font = "DejaVu Sans"
height = 21
format = "fnt"
chars-file = "chars.txt"
output = "out/f"
TOML
await 4 "the mended bake file"
grep -q 'size=21' "$work/out/f.fnt" || fail "the bake file's new height is not baked"
grep -q "baked $work/out/f from $work/fonts.toml:1 in [0-9]* ms" "$work/err" || fail "no line with the bake's time"

kill -INT $watcher
status=0
wait $watcher || status=$?
watcher=
[[ $status == 0 ]] || fail "Ctrl+C ends the watch with status $status"
ls -a "$work/out" | grep -q '^\.vantor-' && fail "temporaries left: $(ls -a "$work/out")"
echo "watch bakes every change, keeps the font through broken edits and ends cleanly"
