# Shared by the real-display tests: start the program from its folder, find its
# windows, end it. Sourced; expects $bin and a display with a window manager.

pid=
stop_program() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  pid=
}
trap stop_program EXIT

start_program() {  # [VAR=VALUE...]: starts ./vantor in $bin with that environment
  (cd "$bin" && exec env "$@" ./vantor) &
  pid=$!
}

# A sanitised build can take many seconds to show its first window.
wait_for_window() {  # name pattern; prints the ID of the visible window so named
  for _ in $(seq 1 600); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; return 1; }
    sleep 0.1
  done
  echo "no visible window named '$1'" >&2
  return 1
}

wait_for_title() {  # exact title; waits for a managed window with it (as the window manager reads it, UTF-8)
  for _ in $(seq 1 600); do
    wmctrl -l | cut -d ' ' -f 5- | grep -qxF "$1" && return 0
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; return 1; }
    sleep 0.1
  done
  echo "no window titled '$1'; the window manager has: $(wmctrl -l | cut -d ' ' -f 5- | tr '\n' '|')" >&2
  return 1
}

wait_until_hidden() {  # name pattern
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "the window named '$1' is still visible" >&2
  return 1
}

click_show_texture() {  # dialog window ID
  # The box sits at 12,108 of the 305 x 182 dialog units of the main dialog
  # (its template's 166 and the export button's row below); its square is 5 units in. Dialog units scale with the window.
  local width height
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  width=$WIDTH
  height=$HEIGHT
  wmctrl -i -a "$1"
  xdotool mousemove --window "$1" $((width * 17 / 305)) $((height * 113 / 182)) click 1
}

end_with_escape() {  # dialog window ID; the program must end with status 0
  wmctrl -i -a "$1"
  sleep 0.2
  xdotool key Escape
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  local status=0
  wait "$pid" || status=$?
  pid=
  [[ $status -eq 0 ]] || { echo "the program ended with status $status" >&2; return 1; }
}
