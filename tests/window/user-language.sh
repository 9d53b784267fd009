#!/usr/bin/env bash
# The desktop's language chooses the texts: the preview's title in each case.
#   user-language.sh BIN_DIR   (on a display with a window manager)
set -euo pipefail
bin=${1:?usage: user-language.sh BIN_DIR}
source "$(dirname "$0")/program.sh"

check() {  # expected title, then the environment
  local title=$1
  shift
  start_program "$@"
  local dialog
  dialog=$(wait_for_window '^Vantor$')
  wait_for_title "$title"
  end_with_escape "$dialog"
  echo "$* -> $title"
}
check Textur LANG=de_DE.UTF-8
check Текстура LANG=ru_RU.UTF-8
check Текстура LANGUAGE=ru:de LANG=de_DE.UTF-8
check Texture LANG=C
check Texture LANG=fr_FR.UTF-8
