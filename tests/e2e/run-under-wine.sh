#!/usr/bin/env bash
# Runs the end-to-end driver under Wine, in a virtual X display of its own.
# Usage: run-under-wine.sh <prefix> <locale> <width>x<height> <driver.exe> <program.exe>
#                          <ANSI code page> <mode> <cases.tsv> [driver arguments...]
# Wine takes its ANSI code page from the locale's name (zh_CN.UTF-8: 936, en_US.UTF-8: 1252),
# also where the locale is not installed; the driver checks that it got the one expected.
set -euo pipefail
prefix=$1 locale=$2 screen=$3
shift 3
export WINEPREFIX=$prefix WINEDEBUG=-all
# Only Wine sees the locale: the shell itself need not have it installed.
inLocale() { LC_ALL=$locale "$@"; }

# A display of its own, of the given size: the driver checks the centring against it.
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "Xvfb did not start on :$display" >&2; exit 1; }
export DISPLAY=":$display"

# The prefix is made once, with unmanaged windows: without a window manager Wine waits about 2 s
# whenever a managed window is hidden (every dismissed message box). A persistent server and a
# booted session spare the driver the wait for Wine's helper processes.
inLocale bash "$(dirname "$0")/../../scripts/wine-prefix.sh" --unmanaged --persistent

driver=$1 program=$(winepath -w "$2") codepage=$3 mode=$4 cases=$(winepath -w "$5")
shift 5
inLocale wine "$driver" "$program" "$codepage" "$mode" "$cases" "$@"
