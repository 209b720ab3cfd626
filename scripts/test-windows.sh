#!/usr/bin/env bash
# Builds the Windows program for 64 and 32 bits with MinGW-w64 and runs the 64-bit tests under
# Wine, in a virtual X display when there is no display. This machine's kernel cannot run 32-bit
# programs, so the 32-bit build is compiled and linked only. Called by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh native windows

export WINEPREFIX="$PWD/build/mingw-x64/wine" WINEDEBUG=-all
xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  display=99
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  export DISPLAY=":$display"
fi

for preset in mingw-x64 mingw-x86; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j 2
done

bash scripts/wine-prefix.sh --unmanaged --persistent
ctest --preset mingw-x64
