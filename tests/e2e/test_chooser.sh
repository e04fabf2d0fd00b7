#!/bin/bash
# The installation folder chosen in the folder-browse dialog: cancelling keeps
# the caption, picking a drive root or a folder sets it, and the installation
# goes to the picked folder, whose path holds a space; the product then starts
# from there and not a program named like the path's first word.
# Usage: test_chooser.sh BIN_DIR (the folder holding installer.exe)
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/installer.sh"
begin_installation_test chooser "$1"
mkdir -p "$D/甲 目录"
# A program at D:\甲.exe, which an unquoted D:\甲 目录\... command line starts.
cp "$BIN/e2e_probe.exe" "$D/甲.exe"

DEFAULT='D:\Brivona软件\BrivonaJuniper'
ROOT_PICK='D:\BrivonaJuniper'
FOLDER_PICK='D:\甲 目录\BrivonaJuniper'
render_folder_texts "$DEFAULT" "$ROOT_PICK" "$FOLDER_PICK"
render_log_texts "${LOG_TEXTS[2]}"

# choose LABEL ACTION...: a press on the folder text, then in the dialog either
# "cancel" or the key steps of browse_pick; prints a screenshot taken after.
choose() {
  local label=$1 dialog
  shift
  click "$INST" 60 380
  dialog=$(find_window "$BROWSE_TITLE" 15) || { log "no dialog"; return 1; }
  if [ "$1" = cancel ]; then browse_cancel "$dialog"; else browse_pick "$dialog" "$@"; fi
  wait_until 10 window_gone "$BROWSE_TITLE" || log "the dialog stays open"
  sleep 0.3
  shot "$label"
}

installer_start chooser || exit 1
file=$(choose cancel cancel)
check "cancel: the caption stays $DEFAULT" folder_reads "$file" "$DEFAULT"
file=$(choose drive-root 2)
check "the root of D: gives $ROOT_PICK" folder_reads "$file" "$ROOT_PICK"
file=$(choose folder 2 1)
check "the folder D:\\甲 目录 gives $FOLDER_PICK" folder_reads "$file" "$FOLDER_PICK"
file=$(choose cancel-again cancel)
check "cancel after a pick: the caption stays $FOLDER_PICK" folder_reads "$file" "$FOLDER_PICK"

run_to_prompt chosen || exit 1
check "the installation completes: 3.创建快捷方式..成功" log_reads "$PROMPT_SHOT" "${LOG_TEXTS[2]}"
key "$PROMPT" Return
check "exit code 0" [ "$(win_wait_exit chooser 20)" = 0 ]
product=$(find_window "$PRODUCT_TITLE" 20)
check "Yes starts the product from the folder with a space" [ -n "$product" ]
check "and not D:\\甲.exe" eval '! window_named "探针 - 窗口"'
shot product >/dev/null

faults=$(python3 "$INSPECT" tree "$PAYLOAD" "$D/甲 目录/BrivonaJuniper")
check "every entry installed in the picked folder" [ -z "$faults" ]
[ -z "$faults" ] || log "$faults"
check "nothing in the default folder" [ ! -e "$D/Brivona软件" ]
check "the shortcut points into the picked folder" \
  [ "$(python3 "$INSPECT" lnk-target "$LNK")" = 'D:\甲 目录\BrivonaJuniper\BrivonaJuniper.exe' ]
check "no tool.zip left" [ ! -e "$E2E_TEMP_DIR/tool.zip" ] && [ ! -e "$D/tool.zip" ]
close_window "$product"

e2e_finish
