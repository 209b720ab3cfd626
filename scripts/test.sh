#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. This is the README's test
# command and what CI runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

bash scripts/check-format.sh

for preset in native sanitize; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

bash scripts/test-windows.sh
bash scripts/test-fuzz.sh
