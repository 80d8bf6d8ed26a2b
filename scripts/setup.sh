#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing), then configures and builds.
# Usage: scripts/setup.sh [build-dir] [extra cmake args...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils
  dpkg-dev desktop-file-utils
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation2
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKB_WERROR=ON "$@"
cmake --build "$build" -j "$(nproc)"
