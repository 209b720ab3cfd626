#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine on the current display. On a fresh Debian
# machine, as root, it first installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
: "${DISPLAY:?no display: run this from a graphical session}"
bash scripts/install-deps.sh native windows

cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 --target hexdec

export WINEPREFIX="$PWD/build/wine-run" WINEDEBUG=-all
bash scripts/wine-prefix.sh
exec wine build/mingw-x64/shell/win32/hexdec.exe
