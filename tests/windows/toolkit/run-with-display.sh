#!/bin/bash
# Runs a Windows test program under Wine on a private virtual display and in a
# private copy of the project's Wine prefix (the window tests need a screen to
# read pixels from); exits with the program's exit code. The display and the
# prefix's wineserver are stopped afterwards, and nothing else.
# Usage: run-with-display.sh PROGRAM.exe [ARG...]
. "$(dirname "$0")/../../e2e/lib.sh"
program=${1:?usage: $0 PROGRAM.exe [ARG...]}
shift

e2e_begin "toolkit-$(basename "$program" .exe)" || exit 1
e2e_new_prefix || exit 1
# Without a window manager, Wine waits two seconds for one whenever a window
# it treats as managed is hidden or destroyed; unmanaged windows go at once.
"$E2E_ROOT/scripts/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
  >/dev/null 2>&1
"$E2E_ROOT/scripts/wine-run" "$program" "$@"
