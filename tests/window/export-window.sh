#!/usr/bin/env bash
# The export window on a real display: Ctrl+E, the button and the background
# menu open it, Esc closes it and leaves the program running, Ctrl+S with a
# typed path writes the descriptor and its page, and under a German desktop
# the save chooser has Qt's German title.
#   export-window.sh BIN_DIR   (on a display with a window manager)
set -euo pipefail
bin=${1:?usage: export-window.sh BIN_DIR}
source "$(dirname "$0")/program.sh"
work=$(mktemp -d)
trap 'stop_program; rm -rf "$work"' EXIT

close_export() {  # export window ID; Esc hides it and the program goes on
  wmctrl -i -a "$1"
  sleep 0.2
  xdotool key Escape
  wait_until_hidden '^Export for game engines$'
  kill -0 "$pid" || { echo "Esc in the export window ended the program" >&2; return 1; }
}

click_units() {  # window ID, x and y in the main dialog's 305 x 182 units, button
  local width height
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  wmctrl -i -a "$1"
  xdotool mousemove --window "$1" $((WIDTH * $2 / 305)) $((HEIGHT * $3 / 182)) click "$4"
}

start_program LANG=C XDG_CONFIG_HOME="$work/config"
dialog=$(wait_for_window '^Vantor$')

wmctrl -i -a "$dialog"
sleep 0.2
xdotool key ctrl+e
export=$(wait_for_window '^Export for game engines$')
close_export "$export"
echo "Ctrl+E opens it, Esc closes it"

click_units "$dialog" 40 172 1
export=$(wait_for_window '^Export for game engines$')
close_export "$export"
echo "the button opens it"

# The background right of the frames holds no control.
click_units "$dialog" 302 60 3
sleep 0.5
xdotool key Down Down Return
export=$(wait_for_window '^Export for game engines$')
echo "the menu item opens it"

mkdir -p "$work/out"
wmctrl -i -a "$export"
sleep 0.2
xdotool key ctrl+s
wait_for_title "Save As"
sleep 0.3
xdotool type --delay 20 "$work/out/font.fnt"
xdotool key Return
for _ in $(seq 1 200); do
  [[ -s "$work/out/font.fnt" && -s "$work/out/font_0.png" ]] && break
  sleep 0.1
done
[[ -s "$work/out/font.fnt" && -s "$work/out/font_0.png" ]] || { echo "nothing written: $(ls "$work/out")" >&2; exit 1; }
grep -q '^info face=' "$work/out/font.fnt"
grep -q 'file="font_0.png"' "$work/out/font.fnt"
echo "Ctrl+S, a typed path and Enter write the descriptor and its page"
# The program's starting settings are vantor-bake's: the same bytes.
mkdir -p "$work/bake"
face=$(sed -n 's/^info face="\([^"]*\)".*/\1/p' "$work/out/font.fnt")
"$bin/vantor-bake" --font "$face" --height 32 --weight 300 --format fnt -o "$work/bake/font"
for name in font.fnt font_0.png; do
  cmp -s "$work/out/$name" "$work/bake/$name" || { echo "$name differs from vantor-bake's" >&2; exit 1; }
done
echo "they equal vantor-bake's for the same settings"
sleep 0.5
xdotool key Escape  # the notice: the folder is not opened
end_with_escape "$dialog"
grep -q '^lastPath=' "$work/config/vantor/vantor.conf" 2>/dev/null || grep -q 'lastPath' "$work/config/vantor/vantor.conf" ||
  { echo "the window's settings are not kept in the configuration folder" >&2; exit 1; }
echo "the window's settings are kept in the configuration folder"

start_program LANG=de_DE.UTF-8 XDG_CONFIG_HOME="$work/config-de"
dialog=$(wait_for_window '^Vantor$')
wmctrl -i -a "$dialog"
sleep 0.2
xdotool key ctrl+e
wait_for_title "Für Spiel-Engines exportieren"
sleep 0.2
xdotool key ctrl+s
wait_for_title "Speichern unter"
echo "the German save chooser is titled Speichern unter"
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.3
end_with_escape "$dialog"
