#!/usr/bin/env bash
# Checks that the language library exports the class Localizer and nothing else.
set -euo pipefail

library=${1:?usage: $0 LIBRARY}
symbols=$(nm -DC --defined-only "$library")
others=$(grep -v ' Localizer::' <<<"$symbols" || true)
if [[ -n "$others" ]]; then
  echo "$library exports more than the class Localizer:" >&2
  echo "$others" >&2
  exit 1
fi
if ! grep -q ' Localizer::GetInstance()' <<<"$symbols"; then
  echo "$library does not export Localizer::GetInstance()" >&2
  exit 1
fi
echo "$library exports only the class Localizer ($(wc -l <<<"$symbols") symbols)"
