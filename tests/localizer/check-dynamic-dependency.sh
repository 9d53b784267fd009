#!/usr/bin/env bash
# Checks that each program binds the language library when it starts: its dynamic section
# names libLocalizer.so as NEEDED and carries a run path with $ORIGIN, so the library is
# found beside the program wherever the bin folder lands.
set -euo pipefail

if (( $# == 0 )); then
  echo "usage: $0 BINARY..." >&2
  exit 2
fi

status=0
for binary in "$@"; do
  if ! dynamic=$(readelf -d "$binary" 2>&1); then
    echo "$binary: cannot read its dynamic section: $dynamic" >&2
    status=1
    continue
  fi
  if ! grep -q '(NEEDED).*\[libLocalizer\.so\]' <<<"$dynamic"; then
    echo "$binary: libLocalizer.so is not a NEEDED library" >&2
    status=1
  fi
  if ! grep -Eq '\((RUNPATH|RPATH)\).*\$ORIGIN' <<<"$dynamic"; then
    echo "$binary: no RUNPATH or RPATH with \$ORIGIN" >&2
    status=1
  fi
  (( status == 0 )) && echo "$binary: binds libLocalizer.so through \$ORIGIN"
done
exit "$status"
