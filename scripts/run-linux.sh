#!/usr/bin/env bash
# Installs what is missing, builds the Linux window and starts it on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh native qt

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run-linux.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
  exit 1
fi

cmake --preset native >/dev/null
cmake --build --preset native --target hexdec
exec build/native/shell/qt/hexdec
