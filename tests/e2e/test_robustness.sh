#!/bin/bash
# Installations where the system gets in the way: a destination drive whose
# folder takes no new entries, a missing desktop folder, a temporary folder
# that takes no file. Folders are made unwritable with the immutable flag,
# which holds even for root (plain permissions do not).
# Usage: test_robustness.sh BIN_DIR (the folder holding installer.exe)
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/installer.sh"
begin_installation_test robustness "$1"
render_log_texts "${LOG_TEXTS[2]}" "${LOG_TEXTS[3]}"

IMMUTABLE=()
lock_folder() { mkdir -p "$1" && chattr +i "$1" && IMMUTABLE+=("$1"); }
unlock_folders() {
  local folder
  for folder in "${IMMUTABLE[@]}"; do chattr -i "$folder" 2>/dev/null; done
  IMMUTABLE=()
}
trap 'unlock_folders; e2e_end' EXIT
if ! lock_folder "$E2E_TMP/probe-flag"; then
  log "SKIP the file system here has no immutable flag"
  exit 77
fi
unlock_folders

reset() { unlock_folders; rm -rf "${D:?}"/* "$LNK" "$E2E_TEMP_DIR/tool.zip"; }

# --- the destination drive's folder takes no new entries ---------------------
# The archive can be staged in the temporary folder, but no folder can be
# made on D:, so the extraction fails: it is told, and nothing is claimed.
lock_folder "$D"
installer_start locked_d || exit 1
click_install
answer_notice
failure=$(find_other_info_box "$NOTICE" 30)
check "locked D: a message box 信息： tells of the failed extraction" [ -n "$failure" ]
file=$(shot locked-d-failure)
check "locked D: the log does not claim a shortcut" eval '! log_reads "$file" "${LOG_TEXTS[2]}"'
check "locked D: no shortcut" [ ! -e "$LNK" ]
check "locked D: no completion prompt" eval '! window_named "$PROMPT_TITLE"'
key "$failure" Return
check "locked D: the window stays for another try" eval '! wait_until 2 win_exited locked_d'
check "locked D: nothing written on D:" [ -z "$(ls -A "$D")" ]
# Once D: takes entries again, a second click completes.
unlock_folders
run_to_prompt locked-d-retry || exit 1
key "$PROMPT" n
check "locked D: the retry ends with exit code 0" [ "$(win_wait_exit locked_d 20)" = 0 ]
faults=$(python3 "$INSPECT" tree "$PAYLOAD" "$FOLDER")
check "locked D: the retry installs every entry" [ -z "$faults" ]

# --- no desktop folder: the shortcut fails, the installation still ends --------
reset
rm -rf "$E2E_DESKTOP"
lock_folder "$(dirname "$E2E_DESKTOP")"
installer_start no_desktop || exit 1
run_to_prompt no-desktop || exit 1
check "no desktop: the log reads 3.创建快捷方式..失败" log_reads "$PROMPT_SHOT" "${LOG_TEXTS[3]}"
key "$PROMPT" n
check "no desktop: exit code 0" [ "$(win_wait_exit no_desktop 20)" = 0 ]
check "no desktop: no shortcut made elsewhere (the installer's folder)" [ ! -e "$BIN/BrivonaJuniper.lnk" ]
faults=$(python3 "$INSPECT" tree "$PAYLOAD" "$FOLDER")
check "no desktop: every entry installed" [ -z "$faults" ]
check "no desktop: no tool.zip left" eval '[ ! -e "$E2E_TEMP_DIR/tool.zip" ] && [ ! -e "$D/tool.zip" ]'
unlock_folders
mkdir -p "$E2E_DESKTOP"

# --- the temporary folder takes no file: staged at the drive's root -------------
reset
lock_folder "$E2E_TEMP_DIR"
installer_start locked_temp || exit 1
run_to_prompt locked-temp || exit 1
check "locked temp: the installation completes" log_reads "$PROMPT_SHOT" "${LOG_TEXTS[2]}"
check "locked temp: the payload is staged as D:\\tool.zip" cmp -s "$PAYLOAD" "$D/tool.zip"
key "$PROMPT" n
check "locked temp: exit code 0" [ "$(win_wait_exit locked_temp 20)" = 0 ]
check "locked temp: D:\\tool.zip is deleted" [ ! -e "$D/tool.zip" ]
check "locked temp: the shortcut is made" [ -f "$LNK" ]
unlock_folders

e2e_finish
