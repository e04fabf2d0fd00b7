#!/bin/bash
# The harness itself, on a window of known colour and title: finding it by a
# Chinese title, its geometry, a pixel of a screenshot, mouse and keys, a
# task-modal message box, exit codes, and the current-folder observable that
# the installer's tests rely on.
# Usage: test_probe.sh BIN_DIR (the folder holding e2e_probe.exe)
. "$(dirname "$0")/lib.sh"
BIN=$(cd "${1:?usage: $0 BIN_DIR}" && pwd)
TITLE="探针 - 窗口"

e2e_begin probe
e2e_new_prefix
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere"
cd "$elsewhere" || exit 1

has_line() { grep -qxF -- "$2" <<<"$1"; }

# Started from another folder without --chdir, the process's current folder
# is that folder; with --chdir it is the executable's. Wine keeps no Unix
# working directory in step with it, but the wineserver holds the directory
# behind the current-folder handle, which changes with it.
win_start plain "$BIN/e2e_probe.exe"
id=$(find_window "$TITLE" 30)
check "the window is found by its Chinese title" [ -n "$id" ]
geometry "$id"
check "geometry 200 x 150 at (100,100)" [ "$WIN_X $WIN_Y $WIN_W $WIN_H" = "100 100 200 150" ]
file=$(shot window)
check "a pixel inside is the window's colour" near "$(pixel "$file" $((WIN_X + 20)) $((WIN_Y + 20)))" "200 40 90" 0
check "a pixel outside is not" eval '! near "$(pixel "$file" $((WIN_X - 5)) $((WIN_Y + 20)))" "200 40 90" 40'
dirs=$(open_dirs)
check "current folder: where it was started" has_line "$dirs" "$elsewhere"
check "current folder: not the executable's" eval '! has_line "$dirs" "$BIN"'
click "$id" 50 50
check "a left click ends it with 7" [ "$(win_wait_exit plain 10)" = 7 ]
check "its window is gone" wait_until 5 window_gone "$TITLE"

win_start chdir "$BIN/e2e_probe.exe" --chdir
id=$(find_window "$TITLE" 30)
dirs=$(open_dirs)
check "--chdir: the executable's folder" has_line "$dirs" "$BIN"
check "--chdir: not where it was started" eval '! has_line "$dirs" "$elsewhere"'
key "$id" alt+F4
check "Alt+F4 ends it with 0" [ "$(win_wait_exit chdir 10)" = 0 ]

# A message box is found by its title and answered with keys.
for answer in "n 11" "Return 10"; do
  set -- $answer
  win_start box "$BIN/e2e_probe.exe"
  id=$(find_window "$TITLE" 30)
  hover "$id" 50 50
  xdotool click 3
  box=$(find_window "信息：" 10)
  check "the box titled 信息： appears" [ -n "$box" ]
  shot "box-$1" >/dev/null
  key "$box" "$1"
  check "key $1 answers the box (exit $2)" [ "$(win_wait_exit box 10)" = "$2" ]
done

# The folder-browse dialog as the installer opens it, driven with keys: a
# folder with a space and Chinese in its name, a drive root, and cancel.
map_d "$E2E_TMP/d"
mkdir -p "$E2E_TMP/d/甲 目录"
win_start browse "$BIN/e2e_probe.exe"
id=$(find_window "$TITLE" 30)
for pick in "2 1:D:\\甲 目录" "2:D:\\" "cancel:取消"; do
  expected=${pick#*:}
  hover "$id" 50 50
  xdotool click 2
  dialog=$(find_window "$BROWSE_TITLE" 10)
  check "the dialog $BROWSE_TITLE opens" [ -n "$dialog" ]
  if [ "${pick%%:*}" = cancel ]; then browse_cancel "$dialog"; else browse_pick "$dialog" ${pick%%:*}; fi
  check "the dialog yields $expected" wait_until 10 window_named "$expected"
  id=$(window_named "$expected")
done
key "$id" alt+F4
check "Alt+F4 after the dialogs ends it with 0" [ "$(win_wait_exit browse 10)" = 0 ]

e2e_finish
