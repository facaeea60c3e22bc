#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: a private X server
# (Xvfb, large enough to hold every window whole) with software OpenGL (Mesa llvmpipe).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export LIBGL_ALWAYS_SOFTWARE=1
# No accessibility bridge for GTK: on a private X server there is no accessibility bus, and the
# bridge forks the threaded program to start one, a child that keeps the listening sockets.
export NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 2560x1440x24" \
  ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
