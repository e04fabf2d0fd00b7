#!/bin/sh
# Drives startup_probe.exe through each ending of the program and checks the
# exit code, that the clean-up ran once on the window thread (or not at all
# after a fatal error), and the fatal-error box. Runs headless.
set -u
probe=$1
root=$(cd "$(dirname "$0")/../../.." && pwd)
export WINE_HEADLESS=1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() { # mode -> $work/out (UTF-8), $code
  (cd "$work" && timeout 60 "$root/scripts/wine-run" "$probe" "$1" >"$work/raw" 2>/dev/null)
  code=$?
  tr -d '\r' <"$work/raw" | iconv -f GBK -t UTF-8 >"$work/out" 2>/dev/null || tr -d '\r' <"$work/raw" >"$work/out"
}

fail() {
  echo "FAIL [$mode]: $1"
  sed 's/^/    /' "$work/out"
  failures=$((failures + 1))
}

expect_code() { [ "$code" = "$1" ] || fail "exit code $code, expected $1"; }

cleanup_once_on_window_thread() {
  created=$(sed -n 's/^created on thread //p' "$work/out")
  ran=$(grep -c '^cleanup on thread' "$work/out")
  [ "$ran" = 1 ] || fail "clean-up ran $ran times"
  grep -q "^cleanup on thread $created\$" "$work/out" || fail "clean-up not on the window thread"
}

for mode in close worker-end both-end fatal-worker fatal-window; do
  run "$mode"
  grep -q '^visible at created 0$' "$work/out" || fail "window visible before the created event ran"
  case $mode in
    close) expect_code 0; cleanup_once_on_window_thread ;;
    worker-end) expect_code 3; cleanup_once_on_window_thread
      grep -q 'driver returned' "$work/out" && fail "EndProgram returned to the worker" ;;
    both-end) case $code in 0|5) ;; *) fail "exit code $code" ;; esac
      cleanup_once_on_window_thread ;;
    fatal-worker|fatal-window) expect_code 255
      grep -q '^cleanup' "$work/out" && fail "clean-up ran after a fatal error"
      grep -q '^box title=错误 flags=0x10 text=运行时出错!' "$work/out" || fail "no fatal-error box" ;;
  esac
  [ "$mode" = fatal-worker ] && { grep -q '错误代码：4' "$work/out" || fail "code 4 not reported"; }
  [ "$mode" = fatal-window ] && { grep -q '错误信息：数组成员引用下标超出定义范围' "$work/out" || fail "message not reported"; }
done

# Started from another folder, the program works in its own.
mode=cwd
run close
probe_dir=$(dirname "$probe")
grep -qxF "current folder Z:$(echo "$probe_dir" | tr / '\\\\')" "$work/out" ||
  fail "current folder is not the executable's folder $probe_dir"

[ "$failures" = 0 ] && echo "all endings behave" || exit 1
