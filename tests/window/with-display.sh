#!/usr/bin/env bash
# Runs a command on a display of its own with a window manager, as a desktop
# has one: Xvfb on a free display number, openbox managing it. Every real-display
# test starts its display here.
#   with-display.sh COMMAND [ARG...]
set -euo pipefail
(($# > 0)) || { echo "usage: with-display.sh COMMAND [ARG...]" >&2; exit 2; }

# Sanitised programs started by the command skip the system libraries' own leaks.
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../lsan.supp:print_suppressions=0}

# Xvfb picks a free number and writes it to the pipe once it accepts clients,
# so tests running side by side never share a display.
displayFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$displayFile" 2>/dev/null &
xvfb=$!
wm=
cleanup() {
  [[ -n "$wm" ]] && kill "$wm" 2>/dev/null || true
  # Wait for the server to be gone: a server still shutting down removes its
  # socket late and could take the socket of the next run's server with it.
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$displayFile" "${wmLog:-}"
}
trap cleanup EXIT
for _ in $(seq 1 100); do
  [[ -s "$displayFile" ]] && break
  sleep 0.1
done
[[ -s "$displayFile" ]] || { echo "with-display: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$displayFile")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# The window manager is there once it has named itself on the root window. On a
# loaded machine it can take seconds; one that ended before naming itself is
# started again.
wmLog=$(mktemp)
start_wm() {
  openbox --sm-disable >/dev/null 2>>"$wmLog" &
  wm=$!
}
start_wm
for _ in $(seq 1 300); do
  wmctrl -m >/dev/null 2>&1 && break
  kill -0 "$wm" 2>/dev/null || start_wm
  sleep 0.1
done
if ! wmctrl -m >/dev/null 2>&1; then
  echo "with-display: the window manager did not start: $(tail -n 3 "$wmLog")" >&2
  exit 1
fi
rm -f "$wmLog"

"$@"
