#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test tools this machine lacks.
# Usage: install-deps.sh [native] [windows] [qt] [fuzz]   (no argument: all of them)
set -euo pipefail
groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(native windows qt fuzz)

packages=()
for group in "${groups[@]}"; do
  case "$group" in
    native) packages+=(build-essential cmake ninja-build git python3 clang-format
                       googletest libgtest-dev libbenchmark-dev) ;;
    windows) packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
                        wine wine64 fonts-wine xvfb x11-apps imagemagick fonts-wqy-zenhei) ;;
    qt) packages+=(qt6-base-dev qt6-base-dev-tools libgl-dev libglib2.0-0 fonts-wqy-zenhei) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "install-deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
