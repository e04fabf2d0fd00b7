# Sourced by the end-to-end tests and scripts/run-installer: a virtual display,
# a private Wine prefix per run, Windows programs in the background, windows
# found by title, mouse and keys through xdotool, screenshots and pixel reads.
# Every wait is bounded; the clean-up stops only what this script started.
#
# Variables a caller may set before e2e_begin:
#   E2E_KEEP=1     keep the temporary folders (prefixes, mapped drives)
#   E2E_SCREEN     the virtual screen, default 1024x768x24

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_MASTER_PREFIX="$E2E_ROOT/build/wineprefix"
E2E_SCREEN=${E2E_SCREEN:-1024x768x24}
E2E_XVFB_PID=""
E2E_PREFIXES=()
E2E_FAILURES=0

. "$E2E_ROOT/tests/e2e/pixels.sh"

log() { printf "[%s] %s\n" "$(date +%H:%M:%S.%3N)" "$*" >&2; }

# wait_until TIMEOUT_SECONDS COMMAND... : polls the command every 0.1 s until it
# succeeds; fails when the time runs out.
wait_until() {
  local timeout=$1 deadline
  shift
  deadline=$(($(date +%s%N) + ${timeout%.*} * 1000000000))
  until "$@" >/dev/null 2>&1; do
    (($(date +%s%N) < deadline)) || return 1
    sleep 0.1
  done
}

# --- start and end -------------------------------------------------------

# e2e_begin NAME [SHOTS_DIR]: the run's folders, the clean-up trap and the
# display. Screenshots go to build/screens/e2e/NAME, emptied first, or to
# SHOTS_DIR, left as it is.
e2e_begin() {
  E2E_NAME=$1
  if [ -n "${2:-}" ]; then
    E2E_SHOTS=$2
  else
    E2E_SHOTS="$E2E_ROOT/build/screens/e2e/$E2E_NAME"
    rm -rf "$E2E_SHOTS"
  fi
  mkdir -p "$E2E_SHOTS" "$E2E_ROOT/build/e2e"
  E2E_TMP=$(mktemp -d "$E2E_ROOT/build/e2e/$E2E_NAME.XXXXXX")
  trap e2e_end EXIT
  trap 'exit 130' INT TERM
  e2e_start_display
}

# Stops the wineservers of this run's prefixes, runs the commands a test
# added to E2E_ON_END, then stops the display.
E2E_ON_END=()
e2e_end() {
  local prefix command
  for prefix in "${E2E_PREFIXES[@]}"; do
    WINEPREFIX="$prefix" stop_wine
  done
  for command in "${E2E_ON_END[@]}"; do eval "$command"; done
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  if [ "${E2E_KEEP:-0}" != 1 ] && [ -n "${E2E_TMP:-}" ]; then rm -rf "$E2E_TMP"; fi
}

# Starts Xvfb on the first free display number from 90 on and waits until it
# answers. Another server may take the number between the check and the
# start; Xvfb then exits and the next number is tried.
e2e_start_display() {
  local n
  for n in $(seq 90 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "$E2E_SCREEN" -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    if wait_until 10 e2e_display_answers ":$n"; then
      export DISPLAY=":$n"
      return 0
    fi
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
  done
  log "no free display for Xvfb"
  return 1
}

e2e_display_answers() {
  kill -0 "$E2E_XVFB_PID" 2>/dev/null && xdpyinfo -display "$1" >/dev/null 2>&1
}

# --- Wine prefixes -------------------------------------------------------

# e2e_new_prefix: a private prefix copied from the project's initialised one,
# exported as WINEPREFIX. The system folder's DLLs, which Wine only reads,
# are hard links (a full copy is 700 MB and 1.3 s; this takes 0.4 s);
# everything else, registry included, is a real copy. The desktop becomes a
# private folder instead of Wine's link to the home folder, and D: is absent.
e2e_new_prefix() {
  # The project's prefix is made once, under a lock that its maker holds.
  [ -f "$E2E_MASTER_PREFIX/system.reg" ] ||
    "$E2E_ROOT/scripts/wine-run" cmd /c exit 0 >/dev/null 2>&1 </dev/null
  flock "$E2E_MASTER_PREFIX.lock" true
  [ -f "$E2E_MASTER_PREFIX/system.reg" ] || { log "no Wine prefix at $E2E_MASTER_PREFIX"; return 1; }
  local prefix entry src=$E2E_MASTER_PREFIX
  prefix=$(mktemp -d "$E2E_TMP/prefix.XXXX")
  cp -a "$src/dosdevices" "$src"/*.reg "$src/.update-timestamp" "$prefix/"
  mkdir -p "$prefix/drive_c/windows"
  for entry in "$src"/drive_c/*; do
    [ "${entry##*/}" = windows ] || cp -a "$entry" "$prefix/drive_c/"
  done
  for entry in "$src"/drive_c/windows/*; do
    if [ "${entry##*/}" = system32 ]; then
      cp -al "$entry" "$prefix/drive_c/windows/"
    else
      cp -a "$entry" "$prefix/drive_c/windows/"
    fi
  done
  export WINEPREFIX=$prefix
  E2E_PREFIXES+=("$prefix")
  E2E_USER_DIR="$prefix/drive_c/users/$(id -un)"
  E2E_DESKTOP="$E2E_USER_DIR/Desktop"
  E2E_TEMP_DIR="$E2E_USER_DIR/Temp"
  rm -f "$E2E_DESKTOP"
  mkdir -p "$E2E_DESKTOP" "$E2E_TEMP_DIR"
  # No window manager runs on the virtual display, so Wine manages the
  # windows itself: it draws their frames and sets the keyboard focus to the
  # active window. (Left to a window manager that never answers, Wine waits
  # 2 s for it whenever a window closes.)
  printf '\n[Software\\\\Wine\\\\X11 Driver] 1700000000\n"Managed"="N"\n' >>"$prefix/user.reg"
  rm -f "$prefix/dosdevices/d:" "$prefix/dosdevices/d::"
}

# map_d FOLDER: drive D: of the current prefix becomes that folder. Wine's
# mount manager reads the drive links when it starts, so the prefix's
# processes are stopped first (which ends any program still running in it).
map_d() {
  stop_wine
  mkdir -p "$1"
  ln -sfn "$(cd "$1" && pwd)" "$WINEPREFIX/dosdevices/d:"
}
unmap_d() {
  stop_wine
  rm -f "$WINEPREFIX/dosdevices/d:"
}

# Stops every process of the current prefix and waits until they are gone:
# a program started while the old wineserver is still going away can find it
# and die with it.
# (`wineserver -w` is no help: with no server running it starts one and
# waits for it to time out.)
stop_wine() {
  wineserver -k >/dev/null 2>&1
  wait_until 20 prefix_idle || log "processes of $WINEPREFIX remain: $(wine_processes)"
}
prefix_idle() { [ -z "$(wine_processes)" ]; }

# wine_processes: the Wine processes (programs and wineserver) of the prefix.
wine_processes() {
  local pid
  for pid in $(win_pids .); do
    case $(readlink "/proc/$pid/exe" 2>/dev/null) in
      */wine*) echo "$pid" ;;
    esac
  done
}

# --- Windows programs ----------------------------------------------------

# win_start NAME EXE [ARG...]: runs the program in the background from the
# current folder; its exit code lands in $E2E_TMP/NAME.rc when it ends.
win_start() {
  local name=$1
  shift
  rm -f "$E2E_TMP/$name.rc"
  (
    env LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all \
      WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
      wine "$@" >"$E2E_TMP/$name.out" 2>&1 </dev/null
    echo $? >"$E2E_TMP/$name.rc.part"
    mv "$E2E_TMP/$name.rc.part" "$E2E_TMP/$name.rc"
  ) &
}

win_exited() { [ -f "$E2E_TMP/$1.rc" ]; }

# win_wait_exit NAME TIMEOUT: prints the exit code (Wine passes the low 8 bits,
# so -1 reads 255); fails when the program is still running after TIMEOUT.
win_wait_exit() {
  wait_until "$2" win_exited "$1" || return 1
  cat "$E2E_TMP/$1.rc"
}

# win_pids PATTERN: the Linux processes of the current prefix whose command
# line holds the pattern (Wine runs each Windows process as one).
win_pids() {
  local file pid
  for file in $(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${file#/proc/}
    pid=${pid%/environ}
    { tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null | grep -q -- "$1" && echo "$pid"
  done
}

# The wineserver of the current prefix, which holds the Unix file descriptors
# behind every handle of its processes.
wineserver_pid() { win_pids '^/usr/lib/wine/wineserver' | head -n 1; }

# open_dirs: the folders the current prefix's processes hold handles on.
open_dirs() {
  local pid
  pid=$(wineserver_pid) || return 1
  [ -n "$pid" ] || return 1
  find "/proc/$pid/fd" -mindepth 1 -printf '%l\n' 2>/dev/null | while read -r target; do
    [ -d "$target" ] && echo "$target"
  done
}

# --- windows of the display ----------------------------------------------

# window_named TITLE: the id of a visible window whose title is exactly TITLE
# (a UTF-8 string). `xdotool search --name` cannot match Chinese titles, so
# every window's name is compared.
window_named() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# list_windows: the titles of the visible windows, for messages.
list_windows() {
  local id
  for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    printf '"%s" ' "$(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# find_window TITLE TIMEOUT: waits for the window and prints its id.
find_window() {
  wait_until "$2" window_named "$1" || return 1
  window_named "$1"
}

window_gone() { ! window_named "$1" >/dev/null; }

# geometry ID: sets WIN_X, WIN_Y, WIN_W, WIN_H.
geometry() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9-]+$')"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
  [ -n "$WIN_X" ]
}

# --- mouse and keys (positions relative to the window's top-left corner) ---

# (mousemove --sync waits for a motion event, which never comes when the
# pointer already is there.)
hover() {
  local X Y
  xdotool mousemove --window "$1" "$2" "$3" || return 1
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^[XY]=[0-9-]+$')"
  wait_until 2 pointer_at $((X + $2)) $((Y + $3))
}
pointer_at() {
  local X Y
  eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=[0-9-]+$')"
  [ "$X $Y" = "$1 $2" ]
}
press() { hover "$@" && xdotool mousedown 1; }
click() {
  press "$@"
  sleep 0.1
  xdotool mouseup 1
}
# key ID KEY...: the window gets the keyboard focus, as a click on it would
# give, and the keys are typed (message boxes: Return, n; Alt+F4). Keys sent
# to a window with `xdotool key --window` instead lose their release when the
# window closes on the press, and Wine then finds them held down in the next
# window that opens.
key() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool key "$@" 2>/dev/null
}
# close_window ID: a click into the middle of the window, which activates it,
# then Alt+F4, as a person closes a program that has another's window in
# front (Wine does not hand the focus to a window of another program when
# asked from outside).
close_window() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
  [ -n "$WIDTH" ] || return 1
  click "$1" $((WIDTH / 2)) $((HEIGHT / 2))
  sleep 0.2
  type_keys alt+F4
}
# Keys typed into the window that has the focus.
type_keys() { xdotool key "$@" 2>/dev/null; }

# --- the folder-browse dialog ---------------------------------------------

BROWSE_TITLE="选择文件夹"

# browse_pick DIALOG DRIVE_DOWNS [DOWNS...]: picks a folder in the dialog as a
# person would with the keyboard, since the dialog ignores typed paths: click
# "我的电脑" (the fourth item under the desktop; positions include the frame
# and title bar that Wine draws), expand it, go down to the
# drive (C: is 1, D: is 2), then for each further level expand and go down
# DOWNS items; Return confirms. The tree is sorted by name.
browse_pick() {
  local dialog=$1 downs
  shift
  sleep 0.5 # the tree fills itself after the window appears
  click "$dialog" 95 162
  sleep 0.3
  for downs in "$@"; do
    type_keys Right
    sleep 0.3
    type_keys --delay 100 $(printf 'Down %.0s' $(seq "$downs"))
    sleep 0.3
  done
  type_keys Return
}

# browse_cancel DIALOG: the dialog's cancel button.
browse_cancel() {
  sleep 0.5
  click "$1" 328 342
}

# --- checks ---------------------------------------------------------------

# check DESCRIPTION COMMAND...: records a failure instead of stopping, so one
# run reports every broken behaviour.
check() {
  local what=$1
  shift
  if "$@"; then
    log "PASS $what"
  else
    log "FAIL $what"
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

# e2e_finish: the script's exit status.
e2e_finish() {
  log "screenshots in $E2E_SHOTS"
  if ((E2E_FAILURES > 0)); then
    log "$E2E_FAILURES check(s) failed"
    exit 1
  fi
  log "all checks passed"
  exit 0
}
