#!/usr/bin/env bash
# Installs what is missing, builds the cluster and its Res/ tree, and starts it on this desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}" ]; then
  echo "no DISPLAY: starting the cluster on a private X server (nothing will be visible)"
  exec xvfb-run -a -s "-screen 0 2560x1440x24" "${BUILD_DIR:-build}/bin/cluster"
fi
exec "${BUILD_DIR:-build}/bin/cluster"
