#!/usr/bin/env bash
# Installs the Debian packages the cluster needs (only those missing), then configures and builds
# everything, including the generated Res/ tree. Safe to run again: installs and builds are incremental.
#   --hardening  also the fuzzing and sanitizer tool chain (clang with libFuzzer and its runtimes)
#   --no-build   install only
set -euo pipefail
cd "$(dirname "$0")/.."
HARDENING=0
BUILD=1
for arg in "$@"; do
  case $arg in
    --hardening) HARDENING=1 ;;
    --no-build) BUILD=0 ;;
    *) echo "unknown option $arg"; exit 2 ;;
  esac
done

PACKAGES=(
  cmake g++ pkg-config ccache
  libglew-dev libglfw3-dev libgtk-3-dev libfreetype-dev libpng-dev libjpeg-dev
  libcjson-dev libssl-dev libcairo2-dev openssl
  libx11-dev libxtst-dev xvfb xauth xdotool libgl1-mesa-dri libgtest-dev
  fonts-noto-cjk python3-fonttools python3-canmatrix
)
# g++ brings the gcc sanitizer runtimes (ASan, UBSan, TSan) the sanitizer builds use.
[ "$HARDENING" = 1 ] && PACKAGES+=(clang)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
apt_install() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@"; }

missing=()
for p in "${PACKAGES[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  $SUDO apt-get update -qq
  apt_install "${missing[@]}"
fi

# libFuzzer and clang's sanitizer runtimes are only recommended by Debian's clang: name them.
if [ "$HARDENING" = 1 ]; then
  ver=$(clang --version | sed -n 's/.*clang version \([0-9]*\)\..*/\1/p' | head -1)
  rt="libclang-rt-$ver-dev"
  if ! installed "$rt"; then
    echo "installing: $rt"
    apt_install "$rt" || { $SUDO apt-get update -qq && apt_install "$rt"; }
  fi
fi
[ "$BUILD" = 1 ] || exit 0

BUILD_DIR=${BUILD_DIR:-build}
source scripts/compiler-cache.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "${LAUNCHER[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
