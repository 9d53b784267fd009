#!/usr/bin/env bash
# The preview's close box, pressed through the window manager while the main
# dialog runs: the preview hides and "Show texture" is unticked; ticking it
# shows the preview again; the dialog goes on until Esc.
#   preview-close-box.sh BIN_DIR   (on a display with a window manager)
set -euo pipefail
bin=${1:?usage: preview-close-box.sh BIN_DIR}
source "$(dirname "$0")/program.sh"

start_program LANG=C
dialog=$(wait_for_window '^Vantor$')
preview=$(wait_for_window '^Texture$')

# The window manager's close request (WM_DELETE_WINDOW), as its close box sends it.
wmctrl -i -c "$preview"
wait_until_hidden '^Texture$'
kill -0 "$pid" || { echo "closing the preview ended the program" >&2; exit 1; }

# Ticking "Show texture" again (the close unticked it) shows the preview again.
click_show_texture "$dialog"
wait_for_window '^Texture$' >/dev/null

end_with_escape "$dialog"
echo "preview close box: hidden, unticked, shown again; Esc ended the program"
