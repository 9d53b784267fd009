#!/usr/bin/env bash
# Starts the real program under a virtual display from the folder that holds
# it and its language files, waits for the main dialog and the preview to
# appear, ends it with Esc and expects exit status 0.
set -euo pipefail
# Sanitised builds skip the system libraries' own leaks, as under CTest.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/.." && pwd)/../tests/lsan.supp:print_suppressions=0}
bin=${1:?usage: run-smoke.sh BIN_DIR}
cd "$bin"

# A virtual display of our own; Xvfb picks a free number and writes it to the
# pipe once it accepts clients, so no other display is ever used by mistake.
displayFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$displayFile" 2>/dev/null &
xvfb=$!
pid=
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
  # Wait for the server to be gone: a server still shutting down removes its
  # socket late and could take the socket of the next run's server with it.
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$displayFile"
}
trap cleanup EXIT
for _ in $(seq 1 100); do
  [[ -s "$displayFile" ]] && break
  sleep 0.1
done
[[ -s "$displayFile" ]] || { echo "smoke: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$displayFile")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

./vantor &
pid=$!

wait_for_window() {  # name pattern; prints the window ID
  for _ in $(seq 1 150); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "smoke: the program ended early" >&2; return 1; }
    sleep 0.2
  done
  echo "smoke: no window named '$1' appeared" >&2
  return 1
}

dialog=$(wait_for_window '^Vantor$')
preview=$(wait_for_window '^Texture$')
echo "smoke: main dialog $(xdotool getwindowgeometry "$dialog" | tr '\n' ' ')"
echo "smoke: preview $(xdotool getwindowgeometry "$preview" | tr '\n' ' ')"

# No window manager runs here: give the dialog the focus and type Esc into it.
xdotool windowfocus --sync "$dialog"
xdotool key Escape
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "smoke: Esc did not end the program" >&2
  exit 1
fi
set +e
wait "$pid"
status=$?
set -e
pid=
echo "smoke: exit status $status"
exit "$status"
