#!/bin/bash
# Where the archive is staged when the temporary folder cannot take it, what
# happens when no place can, and the close mark during an installation.
# Usage: test_staging.sh BIN_DIR (the folder holding installer.exe)
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/installer.sh"
begin_installation_test staging "$1"
render_log_texts "${LOG_TEXTS[0]}" "${LOG_TEXTS[2]}"
install_bottom=$(reference install-bottom "$ART/install.jpg" -crop 205x8+7+72 +repage)

# blocked_zip FOLDER: a folder named tool.zip, which no file can replace.
# (A read-only file does not stop Wine when the tests run as root, who may
# write any file.)
blocked_zip() {
  mkdir -p "$1/tool.zip"
  echo "ours" >"$1/tool.zip/marker"
}
unchanged_zip() { [ "$(ls "$1/tool.zip" 2>/dev/null)" = marker ]; }
reset() {
  rm -rf "$D/Brivona软件" "$LNK"
  rm -rf "$D/tool.zip" "$E2E_TEMP_DIR/tool.zip"
}

# --- the temporary folder cannot take it: staged at the drive's root ---------
blocked_zip "$E2E_TEMP_DIR"
installer_start fallback || exit 1
run_to_prompt fallback || exit 1
check "fallback: the installation completes" log_reads "$PROMPT_SHOT" "${LOG_TEXTS[2]}"
check "fallback: the payload is staged as D:\\tool.zip" cmp -s "$PAYLOAD" "$D/tool.zip"
check "fallback: the tool.zip in the way is untouched" unchanged_zip "$E2E_TEMP_DIR"
key "$PROMPT" n
check "fallback: exit code 0" [ "$(win_wait_exit fallback 20)" = 0 ]
check "fallback: D:\\tool.zip is deleted" [ ! -e "$D/tool.zip" ]
faults=$(python3 "$INSPECT" tree "$PAYLOAD" "$FOLDER")
check "fallback: every entry installed" [ -z "$faults" ]
[ -z "$faults" ] || log "$faults"

# --- neither place takes it: the failure message, then the end ----------------
reset
blocked_zip "$E2E_TEMP_DIR"
blocked_zip "$D"
installer_start neither || exit 1
click_install
answer_notice
failure=$(find_other_info_box "$NOTICE" 30)
check "neither: a message box 信息： tells of the failed write" [ -n "$failure" ]
file=$(shot neither-failure)
check "neither: the log reads 1.释放压缩包.." log_reads "$file" "${LOG_TEXTS[0]}"
check "neither: no progress bar" matches "$file" "${PROGRESS_BAR[@]}" "$install_bottom" 0.02
key "$failure" Return
check "neither: after OK the program ends with exit code 0" [ "$(win_wait_exit neither 20)" = 0 ]
check "neither: nothing extracted" [ ! -e "$D/Brivona软件" ]
check "neither: no shortcut" [ ! -e "$LNK" ]
check "neither: both tool.zip in the way are untouched" eval 'unchanged_zip "$E2E_TEMP_DIR" && unchanged_zip "$D"'

# --- the close mark while the completion prompt is open -------------------------
# The end cuts the completion short: the staging file, which it deletes after
# the answer, stays, and nothing is started.
reset
installer_start close_at_prompt || exit 1
run_to_prompt close-at-prompt || exit 1
click_close_mark
check "close at the prompt: exit code 0 at once" [ "$(win_wait_exit close_at_prompt 5)" = 0 ]
check "close at the prompt: the prompt is gone" wait_until 5 window_gone "$PROMPT_TITLE"
check "close at the prompt: tool.zip stays in the temporary folder" \
  cmp -s "$PAYLOAD" "$E2E_TEMP_DIR/tool.zip"
check "close at the prompt: the product is not started" eval '! wait_until 2 window_named "$PRODUCT_TITLE"'

# --- the close mark as soon as the installation has begun ------------------------
reset
installer_start close_early || exit 1
click_install
answer_notice
click_close_mark
check "close during the installation: exit code 0 at once" [ "$(win_wait_exit close_early 5)" = 0 ]
check "close during the installation: no prompt is left" wait_until 5 window_gone "$PROMPT_TITLE"
log "(the installation had come as far as: $(ls "$FOLDER" 2>/dev/null | wc -l) files," \
  "shortcut $([ -e "$LNK" ] && echo made || echo not made))"

e2e_finish
