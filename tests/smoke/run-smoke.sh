#!/usr/bin/env bash
# Starts the real program from the folder that holds it and its language files,
# waits for the main dialog and the preview to appear, ends it with Esc and
# expects exit status 0. Runs on a display with a window manager:
#   tests/window/with-display.sh tests/smoke/run-smoke.sh BIN_DIR
set -euo pipefail
bin=${1:?usage: run-smoke.sh BIN_DIR}
source "$(dirname "$0")/../window/program.sh"

start_program
dialog=$(wait_for_window '^Vantor$')
preview=$(wait_for_window '^Texture$')
echo "smoke: main dialog $(xdotool getwindowgeometry "$dialog" | tr '\n' ' ')"
echo "smoke: preview $(xdotool getwindowgeometry "$preview" | tr '\n' ' ')"
end_with_escape "$dialog"
echo "smoke: exit status 0"
