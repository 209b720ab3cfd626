#!/usr/bin/env bash
# Runs the end-to-end driver under Wine, in a virtual X display of its own.
# Usage: run-under-wine.sh <prefix> <locale> <width>x<height> <driver.exe> <program.exe>
#                          <ANSI code page> <mode> <cases.tsv> [driver arguments...]
# Wine takes its ANSI code page from the locale's name (zh_CN.UTF-8: 936, en_US.UTF-8: 1252);
# the driver checks that it got the one expected.
set -euo pipefail
prefix=$1 locale=$2 screen=$3
shift 3

if [ -z "${HEXDEC_E2E_DISPLAY_READY:-}" ]; then
  exec env HEXDEC_E2E_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 ${screen}x24" \
    bash "$0" "$prefix" "$locale" "$screen" "$@"
fi

export WINEPREFIX=$prefix WINEDEBUG=-all
# Only Wine sees the locale: the shell itself need not have it installed.
inLocale() { LC_ALL=$locale "$@"; }

# The prefix is made once. Without a window manager, Wine waits about 2 s whenever a managed
# window is hidden (every dismissed message box); unmanaged windows avoid that.
if [ ! -f "$prefix/.prepared" ]; then
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  # No Mono or Gecko: the program needs neither, and their installers would ask.
  WINEDLLOVERRIDES="mscoree,mshtml=" inLocale wineboot -i >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.prepared"
fi

# A persistent server and a booted session, so that the driver does not wait on Wine's helpers.
trap 'wineserver -k 2>/dev/null || true' EXIT
inLocale wineserver -p
inLocale wineboot >/dev/null 2>&1 </dev/null

driver=$1 program=$(winepath -w "$2") codepage=$3 mode=$4 cases=$(winepath -w "$5")
shift 5
inLocale wine "$driver" "$program" "$codepage" "$mode" "$cases" "$@"
