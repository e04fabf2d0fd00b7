#!/bin/bash
# The installer's window as a person meets it: its place and look, the
# pictures of the install button, input that must change nothing, the close
# mark and Alt+F4, the folder shown with and without a drive D:, and the
# current folder when started from elsewhere.
# Usage: test_window.sh BIN_DIR (the folder holding installer.exe)
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/installer.sh"
BIN=$(cd "${1:?usage: $0 BIN_DIR}" && pwd)
INSTALLER="$BIN/installer.exe"
E2E_TEXT_EXE="$BIN/e2e_text.exe"

e2e_begin window
e2e_new_prefix
map_d "$E2E_TMP/d"
free_mb=$(df --output=avail -B1M "$E2E_TMP/d" | tail -n 1)
check "the folder behind D: has more than 1000 MB free ($free_mb)" [ "$free_mb" -gt 1000 ]
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere"
cd "$elsewhere" || exit 1
read -r screen_w screen_h < <(xdotool getdisplaygeometry)

still_running() { ! win_exited "$1"; }
has_line() { grep -qxF -- "$2" <<<"$1"; }
same_geometry() {
  geometry "$INST" && [ "$WIN_X $WIN_Y $WIN_W $WIN_H" = "$INST_X $INST_Y $INST_W $INST_H" ]
}
D_CAPTION='D:\Brivona软件\BrivonaJuniper'
C_CAPTION='C:\Brivona软件\BrivonaJuniper'
render_folder_texts "$D_CAPTION" "$C_CAPTION"

# --- with D: --------------------------------------------------------------
park_pointer
installer_start d_run || exit 1
check "250 x 400" [ "$INST_W x $INST_H" = "250 x 400" ]
check "horizontally centred ($INST_X of $screen_w)" [ "$INST_X" = $(((screen_w - 250) / 2)) ]
check "top edge 300" [ "$INST_Y" = 300 ]

dirs=$(open_dirs)
check "current folder: the executable's, not where it was started" \
  eval 'has_line "$dirs" "$BIN" && ! has_line "$dirs" "$elsewhere"'

rest=$(shot rest)
for place in "125 2" "125 10" "5 100" "5 300" "245 150" "120 28" "160 250" "244 390"; do
  check "page colour at ($place)" page_at "$rest" $place
done
logo=$(reference logo "$ART/logo.jpg" -resize '211x211!')
check "the logo stretched to 211 x 211" matches "$rest" "${LOGO_BOX[@]}" "$logo" 0.06
for place in "12 36" "224 248" "12 140" "224 140" "118 36" "118 248"; do
  check "page colour just outside the logo at ($place)" page_at "$rest" $place
done
check "the install button shows installPicture" \
  matches "$rest" "${INSTALL_BUTTON[@]}" "$ART/install.jpg" 0.02
button_bottom=$(reference button-bottom "$ART/install.jpg" -crop 205x8+7+72 +repage)
check "no progress bar over the button's bottom rows" \
  matches "$rest" "${PROGRESS_BAR[@]}" "$button_bottom" 0.02
check "the log label shows nothing" [ "$(off_page "$rest" "${LOG_LABEL[@]}")" = 0 ]
check "the folder reads $D_CAPTION" folder_reads "$rest" "$D_CAPTION"
check "(and not $C_CAPTION)" eval '! folder_reads "$rest" "$C_CAPTION"'

hover "$INST" 125 290
sleep 0.5
hot=$(shot hover)
check "hovered, it shows installHotPicture" \
  matches "$hot" "${INSTALL_BUTTON[@]}" "$ART/install_hot.jpg" 0.02
xdotool mousedown 1
sleep 0.5
held=$(shot pressed)
check "held down, it shows installPicture" \
  matches "$held" "${INSTALL_BUTTON[@]}" "$ART/install.jpg" 0.02
hover "$INST" 5 300
sleep 0.5
off=$(shot pressed-off)
check "moved off while held, installPicture" \
  matches "$off" "${INSTALL_BUTTON[@]}" "$ART/install.jpg" 0.02
xdotool mouseup 1
check "released off the button: no click, no notice" eval '! wait_until 3 window_named "$INFO_TITLE"'

key "$INST" Escape
sleep 1
check "Esc: still running" still_running d_run
check "Esc: the window has not moved" same_geometry

for from in "120 28" "100 150" "5 300"; do
  hover "$INST" $from
  xdotool mousedown 1
  for step in 1 2 3 4 5; do
    xdotool mousemove_relative -- $((step * 8)) $((step * -6))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.5
  check "dragging from ($from) does not move the window" same_geometry
done
shot after-drags >/dev/null

press "$INST" "${CLOSE_MARK[@]}"
hover "$INST" 120 150
xdotool mouseup 1
check "a press on × released elsewhere: still running" eval '! wait_until 3 win_exited d_run'

click_close_mark
check "a click on × ends with exit code 0" [ "$(win_wait_exit d_run 10)" = 0 ]
check "the window is gone" wait_until 5 window_gone "$INSTALLER_TITLE"

# A press that begins on the logo and is released over the install button is
# a click: the notice appears (the window is disabled while it is open).
installer_start click_run || exit 1
hover "$INST" 100 150
xdotool mousedown 1
hover "$INST" 125 290
xdotool mouseup 1
notice=$(find_window "$INFO_TITLE" 10)
check "a press on the logo released over the button raises the click: the notice" [ -n "$notice" ]
shot notice >/dev/null
click_close_mark
check "while the notice is open the close mark does nothing" eval '! wait_until 2 win_exited click_run'
# Answering the notice would start an installation; Wine ends every process
# of the prefix instead, which is not a test of the installer.
stop_wine
win_wait_exit click_run 10 >/dev/null

# --- without D: -------------------------------------------------------------
unmap_d
installer_start c_run || exit 1
no_d=$(shot without-d)
check "without D: the folder reads $C_CAPTION" folder_reads "$no_d" "$C_CAPTION"
check "(and not $D_CAPTION)" eval '! folder_reads "$no_d" "$D_CAPTION"'
key "$INST" alt+F4
check "Alt+F4 ends with exit code 0" [ "$(win_wait_exit c_run 10)" = 0 ]

# --- a D: of exactly 1000 MB free, then one page less -------------------------
# A memory file system of 1000 MB has exactly 1000 x 1048576 bytes free; a
# one-byte file takes a page of it. Mounting needs privileges the machine may
# not grant; the checks are then left out, and said so.
small="$E2E_TMP/small"
mkdir -p "$small"
if mount -t tmpfs -o size=1000m e2e-small-d "$small" 2>/dev/null; then
  E2E_ON_END+=("umount -l '$small'")
  for case in "exactly 1000 MB:$D_CAPTION" "one page less:$C_CAPTION"; do
    [ "${case%%:*}" = "one page less" ] && printf x >"$small/one-byte"
    map_d "$small"
    installer_start threshold || break
    file=$(shot "threshold-${case%%:*}")
    check "D: with ${case%%:*} free: the folder reads ${case#*:}" folder_reads "$file" "${case#*:}"
    click_close_mark
    win_wait_exit threshold 10 >/dev/null
  done
else
  log "SKIPPED the 1000 MB threshold on D: (no permission to mount a file system)"
fi

e2e_finish
