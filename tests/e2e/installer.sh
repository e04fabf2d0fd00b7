# Sourced after lib.sh: what the tests know about installer.exe's window, its
# boxes and its product, and the steps a person takes with it.

INSTALLER_TITLE="BrivonaLarch - 安装程序"
INFO_TITLE="信息："   # the notice and the failure messages
PROMPT_TITLE="温馨提示：" # the completion prompt
PRODUCT_TITLE="BrivonaJuniper"
PAGE_RGB="22 131 196"
ART="$E2E_ROOT/resources/art"

# Places relative to the window's top-left corner: a control at (x, y) on the
# page lies at (x + 1, y + 1), inside the page's frame line.
CLOSE_MARK=(236 20)         # the "×" mark, 12 x 12 from (231, 15)
INSTALL_BUTTON=(15 256 220 80)
LOGO_BOX=(13 37 211 211)
LOG_LABEL=(80 345 160 24)
PROGRESS_BAR=(22 328 205 8)
FOLDER_LABEL=(8 368 232 25)

# installer_start NAME [EXE]: runs the installer from the current folder and
# waits for its window; sets INST (its id) and WIN_X/WIN_Y/WIN_W/WIN_H.
installer_start() {
  win_start "$1" "${2:-$INSTALLER}"
  INST=$(find_window "$INSTALLER_TITLE" 30) || {
    log "no installer window; windows: $(list_windows)"
    shot no-window >/dev/null
    return 1
  }
  geometry "$INST"
}

# Window-relative pointer actions on the installer window.
at() { echo $((WIN_X + $1)) $((WIN_Y + $2)); }
park_pointer() { xdotool mousemove 2 2; }

# click_install: a click in the middle of the install button.
click_install() { click "$INST" 125 290; }

# rect_of NAME: "X Y W H" in screen coordinates for a window-relative box.
rect_on_screen() { echo $((WIN_X + $1)) $((WIN_Y + $2)) "$3" "$4"; }

# matches FILE X Y W H REFERENCE LIMIT: the window-relative rectangle of the
# screenshot equals the reference image within a normalised RMSE limit.
matches() {
  local file=$1 limit=$7 crop="$E2E_TMP/match.png" error
  convert "$file" -crop "${4}x${5}+$((WIN_X + $2))+$((WIN_Y + $3))" +repage "$crop"
  error=$(compare -metric RMSE "$crop" "$6" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
  [ -n "$error" ] || return 1
  awk -v e="$error" -v l="$limit" 'BEGIN { exit !(e <= l) }'
}

# off_page FILE X Y W H: how many pixels of the window-relative rectangle are
# not the page's colour.
off_page() {
  local -a rgb=($PAGE_RGB)
  local colour="rgb(${rgb[0]},${rgb[1]},${rgb[2]})"
  convert "$1" -crop "${4}x${5}+$((WIN_X + $2))+$((WIN_Y + $3))" +repage \
    -fuzz 3% -fill white +opaque "$colour" -fill black -opaque "$colour" \
    -colorspace gray -format '%[fx:int(mean*w*h+0.5)]' info:
}

# page_at FILE X Y: the window-relative pixel is the page's colour.
page_at() { near "$(pixel "$1" $((WIN_X + $2)) $((WIN_Y + $3)))" "$PAGE_RGB" 3; }

# A reference picture cut or scaled for comparisons.
reference() {
  local out="$E2E_TMP/ref-$1.png"
  shift
  [ -f "$out" ] || convert "$@" "$out"
  echo "$out"
}

# answer_notice: waits for the notice before installing and accepts it; sets
# NOTICE to the box's id.
answer_notice() {
  NOTICE=$(find_window "$INFO_TITLE" 15) || return 1
  key "$NOTICE" Return
  wait_until 10 window_id_gone "$NOTICE"
}

window_id_gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || ! visible_id "$1"; }
visible_id() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }

# another_info_box OLD_ID TIMEOUT: a box titled 信息： other than OLD_ID.
other_info_box() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [ "$id" != "$1" ] && [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$INFO_TITLE" ] &&
      echo "$id" && return 0
  done
  return 1
}
find_other_info_box() {
  wait_until "$2" other_info_box "$1" || return 1
  other_info_box "$1"
}

# Drive letters as Wine lays them out for the current prefix.
drive_c() { echo "$WINEPREFIX/drive_c"; }
