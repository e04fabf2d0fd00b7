# Sourced after lib.sh: what the tests know about installer.exe's window, its
# boxes and its product, and the steps a person takes with it.

INSTALLER_TITLE="BrivonaLarch - 安装程序"
INFO_TITLE="信息："       # the notice and the failure messages
PROMPT_TITLE="温馨提示：" # the completion prompt
PRODUCT_TITLE="BrivonaJuniper"
PAGE_RGB="22 131 196"
ART="$E2E_ROOT/resources/art"

# Places relative to the window's top-left corner: a control at (x, y) on the
# page lies at (x + 1, y + 1), inside the page's frame line.
CLOSE_MARK=(236 20) # the middle of the "×" mark, 12 x 12 from (231, 15)
INSTALL_BUTTON=(15 256 220 80)
LOGO_BOX=(13 37 211 211)
LOG_LABEL=(80 345 160 24)
PROGRESS_BAR=(22 328 205 8)
FOLDER_LABEL=(8 368 232 25)

# Texts the log label shows, read by their pixels (render_texts in lib.sh).
LOG_TEXTS=("1.释放压缩包.." "2.开始解压.." "3.创建快捷方式..成功" "3.创建快捷方式..失败")

# installer_start NAME [EXE]: runs the installer from the current folder and
# waits for its window; sets INST (its id) and INST_X, INST_Y, INST_W, INST_H.
installer_start() {
  win_start "$1" "${2:-$INSTALLER}"
  INST=$(find_window "$INSTALLER_TITLE" 30) || {
    log "no installer window; windows: $(list_windows)"
    log "exit code: $(cat "$E2E_TMP/$1.rc" 2>/dev/null); output: $(head -c 2000 "$E2E_TMP/$1.out")"
    log "processes of the prefix: $(wine_processes | xargs -r ps -o pid=,args= -p | tr '\n' ';')"
    shot no-window >/dev/null
    return 1
  }
  geometry "$INST" || return 1
  INST_X=$WIN_X INST_Y=$WIN_Y INST_W=$WIN_W INST_H=$WIN_H
  sleep 0.5 # its first painting
}

# at X Y / rect_on_screen X Y W H: window-relative places on the screen.
at() { echo $((INST_X + $1)) $((INST_Y + $2)); }
rect_on_screen() { echo $((INST_X + $1)) $((INST_Y + $2)) "$3" "$4"; }

park_pointer() { xdotool mousemove 2 2; }
click_install() { click "$INST" 125 290; }
click_close_mark() {
  hover "$INST" "${CLOSE_MARK[@]}" && xdotool mousedown 1 && sleep 0.1 && xdotool mouseup 1
}

# matches FILE X Y W H REFERENCE LIMIT: the window-relative rectangle of the
# screenshot equals the reference picture within a normalised RMSE limit.
matches() {
  local limit=$7 crop="$E2E_TMP/match.png" error
  convert "$1" -crop "${4}x${5}+$(at "$2" "$3" | tr ' ' '+')" +repage "$crop"
  error=$(compare -metric RMSE "$crop" "$6" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
  [ -n "$error" ] && awk -v e="$error" -v l="$limit" 'BEGIN { exit !(e <= l) }'
}

# off_page FILE X Y W H: how many pixels of the window-relative rectangle
# are not the page's colour.
off_page() {
  local -a rgb=($PAGE_RGB)
  local colour="rgb(${rgb[0]},${rgb[1]},${rgb[2]})"
  convert "$1" -crop "${4}x${5}+$(at "$2" "$3" | tr ' ' '+')" +repage \
    -fuzz 3% -fill white +opaque "$colour" -fill black -opaque "$colour" \
    -colorspace gray -format '%[fx:int(mean*w*h+0.5)]' info:
}

# page_at FILE X Y: the window-relative pixel has the page's colour.
page_at() { near "$(pixel "$1" $(at "$2" "$3"))" "$PAGE_RGB" 3; }

# reference NAME CONVERT-ARGS...: a picture cut or scaled from the artwork.
reference() {
  local out="$E2E_TMP/ref-$1.png"
  shift
  [ -f "$out" ] || convert "$@" "$out"
  echo "$out"
}

render_log_texts() { render_texts gui "${LOG_LABEL[2]}" "${LOG_LABEL[3]}" "$@"; }
render_folder_texts() { render_texts b "${FOLDER_LABEL[2]}" "${FOLDER_LABEL[3]}" "$@"; }
log_reads() { shows_text "$1" $(rect_on_screen "${LOG_LABEL[@]}") gui "$2"; }
folder_reads() { shows_text "$1" $(rect_on_screen "${FOLDER_LABEL[@]}") b "$2"; }

# answer_notice: waits for the notice shown before installing and accepts it;
# sets NOTICE to its id.
answer_notice() {
  NOTICE=$(find_window "$INFO_TITLE" 15) || return 1
  key "$NOTICE" Return
}

# run_to_prompt LABEL: a click on the install button, the notice accepted,
# then the completion prompt (at most a minute); sets PROMPT to the prompt's
# id and PROMPT_SHOT to a screenshot taken while it is open.
run_to_prompt() {
  click_install
  answer_notice || { log "no notice"; return 1; }
  PROMPT=$(find_window "$PROMPT_TITLE" 60) || {
    log "no completion prompt; windows: $(list_windows)"
    shot "$1-no-prompt" >/dev/null
    return 1
  }
  sleep 0.3
  PROMPT_SHOT=$(shot "$1-prompt")
}

# find_other_info_box OLD_ID TIMEOUT: a box titled 信息： other than OLD_ID.
other_info_box() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    if [ "$id" != "$1" ] && [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$INFO_TITLE" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
find_other_info_box() {
  wait_until "$2" other_info_box "$1" || return 1
  other_info_box "$1"
}

drive_c() { echo "$WINEPREFIX/drive_c"; }

# begin_installation_test NAME BIN_DIR: the common start of a test that
# installs: the installer and the payload of the build in BIN_DIR, a display,
# a private prefix whose D: is the folder $D, and where the installation and
# its shortcut land by default ($FOLDER, $LNK).
begin_installation_test() {
  BIN=$(cd "${2:?usage: $0 BIN_DIR}" && pwd)
  INSTALLER="$BIN/installer.exe"
  E2E_TEXT_EXE="$BIN/e2e_text.exe"
  PAYLOAD=${E2E_PAYLOAD:-$BIN/../payload/payload.zip}
  [ -f "$PAYLOAD" ] || { echo "no payload archive at $PAYLOAD" >&2; exit 1; }
  INSPECT="$E2E_ROOT/tests/e2e/inspect.py"
  e2e_begin "$1"
  e2e_new_prefix
  D="$E2E_TMP/d"
  map_d "$D"
  LNK="$E2E_DESKTOP/BrivonaJuniper.lnk"
  FOLDER="$D/Brivona软件/BrivonaJuniper"
}
