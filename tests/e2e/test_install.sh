#!/bin/bash
# Whole installations as a person makes them: to the default folder on D:
# answering No, again answering Yes (the product starts), over a running
# product whose executable cannot be replaced, and to C: when there is no D:.
# Usage: test_install.sh BIN_DIR (the folder holding installer.exe)
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/installer.sh"
begin_installation_test install "$1"
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere"
cd "$elsewhere" || exit 1
render_log_texts "${LOG_TEXTS[@]}" ""

count_info_boxes() {
  local id n=0
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$INFO_TITLE" ] && n=$((n + 1))
  done
  echo "$n"
}
has_line() { grep -qxF -- "$2" <<<"$1"; }
lnk_target_is() { [ "$(python3 "$INSPECT" lnk-target "$LNK")" = "$1" ]; }
tree_matches() {
  local faults
  faults=$(python3 "$INSPECT" tree "$PAYLOAD" "$1") || { log "$faults"; return 1; }
}
finished_top=$(reference finished-top "$ART/finished.jpg" -crop 220x72+0+0 +repage)
finished_bottom=$(reference finished-bottom "$ART/finished.jpg" -crop 205x8+7+72 +repage)
install_bottom=$(reference install-bottom "$ART/install.jpg" -crop 205x8+7+72 +repage)

# What the window shows while the completion prompt is open.
check_prompt_state() {
  local label=$1 file=$PROMPT_SHOT
  check "$label: the log reads 3.创建快捷方式..成功" log_reads "$file" "${LOG_TEXTS[2]}"
  check "$label: the button shows finishedPicture" \
    matches "$file" 15 256 220 72 "$finished_top" 0.02
  check "$label: the progress bar is shown over the button" \
    eval '! matches "$file" "${PROGRESS_BAR[@]}" "$finished_bottom" 0.1'
  check "$label: the bar is full" near "$(pixel "$file" $(at 24 331))" "$(pixel "$file" $(at 224 331))" 4
  check "$label: the shortcut exists before the answer" [ -f "$LNK" ]
}

# What is on disk after an installation into FOLDER (a Linux path) whose
# executable Windows calls TARGET; the staging files are gone from DIRS.
check_installed() {
  local label=$1 folder=$2 target=$3 dir
  shift 3
  check "$label: every entry installed with its bytes, time and attributes" tree_matches "$folder"
  check "$label: the shortcut points at $target" lnk_target_is "$target"
  for dir in "$@"; do
    check "$label: no tool.zip in $dir" [ ! -e "$dir/tool.zip" ]
  done
}

# --- 1. default folder on D:, answering No ----------------------------------
installer_start no || exit 1
run_to_prompt no || exit 1
check "no: the staged archive is the payload, in the temporary folder" \
  cmp -s "$PAYLOAD" "$E2E_TEMP_DIR/tool.zip"
check_prompt_state no
key "$PROMPT" n
check "no: exit code 0" [ "$(win_wait_exit no 20)" = 0 ]
check "no: the product is not started" eval '! wait_until 3 window_named "$PRODUCT_TITLE"'
check_installed no "$D/Brivona软件/BrivonaJuniper" 'D:\Brivona软件\BrivonaJuniper\BrivonaJuniper.exe' \
  "$E2E_TEMP_DIR" "$D"

# --- 2. again, answering Yes --------------------------------------------------
rm -f "$LNK"
installer_start yes || exit 1
run_to_prompt yes || exit 1
check_prompt_state yes
key "$PROMPT" Return
check "yes: exit code 0" [ "$(win_wait_exit yes 20)" = 0 ]
product=$(find_window "$PRODUCT_TITLE" 20)
check "yes: the product's window appears" [ -n "$product" ]
shot product >/dev/null
# The installer has ended; the folder it ran in is now held only as the
# product's current folder.
dirs=$(open_dirs)
check "yes: the product runs in the installer's folder" has_line "$dirs" "$BIN"
check_installed yes "$D/Brivona软件/BrivonaJuniper" 'D:\Brivona软件\BrivonaJuniper\BrivonaJuniper.exe' \
  "$E2E_TEMP_DIR" "$D"

# --- 6. over the running product ----------------------------------------------
rm -f "$LNK"
installer_start held || exit 1
click_install
answer_notice
failure=$(find_other_info_box "$NOTICE" 30)
check "held: a message box 信息： tells of the failed extraction" [ -n "$failure" ]
file=$(shot held-failure)
check "held: the log does not claim the shortcut" eval '! log_reads "$file" "${LOG_TEXTS[2]}"'
check "held: the log tells something" eval '! log_reads "$file" ""'
check "held: no shortcut" [ ! -e "$LNK" ]
check "held: the button keeps installPicture" \
  matches "$file" 15 256 220 72 "$(reference install-top "$ART/install.jpg" -crop 220x72+0+0 +repage)" 0.02
# The worker is still running while its message is open: the install
# button and the folder text ignore the user until it has ended.
click_install
check "held: a second click during the installation shows no second notice" \
  eval '! wait_until 3 eval "[ \$(count_info_boxes) -gt 1 ]"'
click "$INST" 60 380
check "held: the folder text opens no dialog during the installation" \
  eval '! wait_until 3 window_named "$BROWSE_TITLE"'
# Those clicks raised the installer window over the message; a person clicks
# the message to bring it back before answering it.
xdotool windowraise "$failure" 2>/dev/null
click "$failure" 10 40
key "$failure" Return
check "held: the message is answered" wait_until 5 eval '[ "$(count_info_boxes)" = 0 ]'
sleep 1
file=$(shot held-after-message)
check "held: the window stays" eval '! win_exited held'
check "held: the progress bar is hidden" matches "$file" "${PROGRESS_BAR[@]}" "$install_bottom" 0.02
check "held: still no prompt" eval '! window_named "$PROMPT_TITLE"'
close_window "$product"
check "held: the product is closed" wait_until 10 window_gone "$PRODUCT_TITLE"
wait_until 10 eval '[ -z "$(win_pids BrivonaJuniper.exe)" ]'
run_to_prompt held-retry || exit 1
check_prompt_state held-retry
key "$PROMPT" n
check "held: the retry ends with exit code 0" [ "$(win_wait_exit held 20)" = 0 ]
check_installed held-retry "$D/Brivona软件/BrivonaJuniper" \
  'D:\Brivona软件\BrivonaJuniper\BrivonaJuniper.exe' "$E2E_TEMP_DIR" "$D"

# --- without D: -----------------------------------------------------------------
unmap_d
listing() { find "$1" -printf '%p %s %T@\n' | sort; }
d_before=$(listing "$D")
rm -f "$LNK"
installer_start no_d || exit 1
run_to_prompt no-d || exit 1
check_prompt_state no-d
key "$PROMPT" n
check "no D: exit code 0" [ "$(win_wait_exit no_d 20)" = 0 ]
check_installed no-d "$(drive_c)/Brivona软件/BrivonaJuniper" \
  'C:\Brivona软件\BrivonaJuniper\BrivonaJuniper.exe' "$E2E_TEMP_DIR" "$(drive_c)"
check "no D: the folder that was D: is untouched" [ "$(listing "$D")" = "$d_before" ]

e2e_finish
