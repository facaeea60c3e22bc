#!/usr/bin/env bash
# The tour: builds what is missing (as run.sh does), then starts the cluster on this desktop (on a
# private X server when there is no DISPLAY) and plays a drive and a head unit through every
# screen: power-on, driving with the assistance scene, side panels, menus, a call, the voice
# assistant, hints and alarms, parking with the radar, charging and an upgrade. Each step is
# printed as it comes ("tour: 3/14 ..."); the cluster is stopped at the end.
#
#   bash scripts/tour.sh            about two and a half minutes, a few seconds per step
#   bash scripts/tour.sh --fast     about a minute and a half (TOUR_SPEED=4; any factor works)
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  --fast) export TOUR_SPEED=${TOUR_SPEED:-4} ;;
  "") ;;
  *) echo "usage: bash scripts/tour.sh [--fast]" >&2; exit 2 ;;
esac
bash scripts/setup.sh
export BUILD_DIR=${BUILD_DIR:-$PWD/build}
exec tools/e2e/tour/run.sh
