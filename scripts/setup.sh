#!/usr/bin/env bash
# Installs the Debian packages the cluster needs (only those missing), then configures and builds
# everything, including the generated Res/ tree. Safe to run again: installs and builds are incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ pkg-config
  libglew-dev libglfw3-dev libgtk-3-dev libfreetype-dev libpng-dev libjpeg-dev
  libcjson-dev libssl-dev libcairo2-dev
  libx11-dev libxtst-dev xvfb xauth xdotool libgl1-mesa-dri libgtest-dev
  fonts-noto-cjk python3-fonttools python3-canmatrix
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
