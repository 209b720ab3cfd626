#!/usr/bin/env bash
# Takes docs/window.png: the program's window at start, under Wine in a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh native windows

cmake --preset mingw-x64 >/dev/null
cmake --build --preset mingw-x64 --target hexdec

display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display" WINEPREFIX="$PWD/build/screenshot/wine" WINEDEBUG=-all
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

# Without a window manager Wine draws the frame and title bar itself.
bash scripts/wine-prefix.sh --unmanaged --persistent
wine build/mingw-x64/shell/win32/hexdec.exe </dev/null >/dev/null 2>&1 &

caption="十六进制十进制转换器"
window=""
for _ in $(seq 100); do
  window=$(xwininfo -root -tree | grep -F "\"$caption\"" | awk '{print $1}' | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "screenshot.sh: the window did not appear" >&2; exit 1; }
sleep 1  # let the controls paint
mkdir -p docs
import -window "$window" docs/window.png
echo "docs/window.png: $(identify -format '%wx%h' docs/window.png)"
