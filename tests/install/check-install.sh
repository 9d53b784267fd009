#!/usr/bin/env bash
# Installs into a temporary prefix and uses the installed programs from another
# folder: a bake equal byte for byte to the build folder's, and the program's
# English texts from the installed language files; then the installed desktop
# entry, metadata and manual pages go through their validators.
#   check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR SOURCE_DIR}
source=${2:?usage: check-install.sh BUILD_DIR SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

# From a folder with no language files and nothing of the build in it.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
font=(--font "DejaVu Sans" --height 24 --texture-width 128)
"$prefix/bin/vantor-bake" "${font[@]}" -o installed
"$build/bin/vantor-bake" "${font[@]}" -o built
cmp installed.tga built.tga
cmp installed.txt built.txt
echo "install: the installed vantor-bake bakes the build's bytes"

# The installed program, started here, shows the installed English texts and ends on Esc.
bin=$prefix/bin
"$source/tests/window/with-display.sh" bash -c '
  set -euo pipefail
  bin=$1
  source "$2/tests/window/program.sh"
  (exec env LANG=C "$bin/vantor") &
  pid=$!
  dialog=$(wait_for_window "^Vantor\$")
  wait_for_title Texture
  end_with_escape "$dialog"
' check "$bin" "$source"
echo "install: the installed vantor shows its texts from any folder and ends on Esc"

desktop-file-validate "$prefix/share/applications/vantor.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.vantor.Vantor.metainfo.xml" >/dev/null
for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [[ -z "$warnings" ]] || { echo "$page: $warnings" >&2; exit 1; }
done
echo "install: desktop entry, metadata and manual pages validate"
