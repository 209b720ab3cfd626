#!/usr/bin/env bash
# Prepares the Wine prefix named by WINEPREFIX for the program, once: Chinese captions drawn with
# the installed CJK font, and with --unmanaged windows that Wine frames itself, for a display
# without a window manager (there Wine waits about 2 s whenever a managed window is hidden).
# Leaves a persistent wineserver running with --persistent; stop it with `wineserver -k`.
# Usage: wine-prefix.sh [--unmanaged] [--persistent]
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEDEBUG=-all
unmanaged=no persistent=no
for option in "$@"; do
  case "$option" in
    --unmanaged) unmanaged=yes ;;
    --persistent) persistent=yes ;;
    *) echo "wine-prefix.sh: unknown option '$option'" >&2; exit 2 ;;
  esac
done

mkdir -p "$WINEPREFIX"
if [ "$persistent" = yes ]; then
  # Started before any other Wine command, which would start a server of its own; it spares each
  # test the wait for Wine's helper processes.
  wineserver -p </dev/null >/dev/null 2>&1
fi
if [ ! -f "$WINEPREFIX/.hexdec-prepared" ]; then
  # No Mono or Gecko: the program needs neither, and their installers would ask.
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init </dev/null >/dev/null 2>&1
  link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine reg add "$link" /v "$font" /t REG_MULTI_SZ /d "wqy-zenhei.ttc,WenQuanYi Zen Hei" /f \
      </dev/null >/dev/null 2>&1
  done
  # The title-bar buttons are drawn with Marlett, which this Wine does not find on its own.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$WINEPREFIX/.hexdec-prepared"
fi
if [ "$unmanaged" = yes ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
fi
wineboot </dev/null >/dev/null 2>&1
