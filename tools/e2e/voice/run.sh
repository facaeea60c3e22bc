#!/usr/bin/env bash
# The voice assistant with the programs a user runs. The cluster starts and mb-sim powers it on
# (../phone-answer/power-on.drive); hu-sim then plays tools/hu-sim/scenarios/voice_assistant.json
# (wake-up, listening, recognising, speaking, exit, off). Each time hu-sim has sent a state, the
# right panel is grabbed: in every state the assistant's bright blue figure stands there, which the
# normal panel before it does not show, and 2.5 s after the assistant is switched off it is gone.
#
#   tools/e2e/voice/run.sh            (without a DISPLAY it runs on a private X server)
#   HU_PORT=18094 MB_PORT=18095 OUT_DIR=/tmp/e2e tools/e2e/voice/run.sh
#
# Output in $OUT_DIR (default build/e2e/voice): cluster.log, mb-sim.log, hu-sim.log, normal.png
# (the whole screen before), panel-normal.png, panel-STATE.png and panel-off.png (the right panel).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
e2e_name=voice
source "$here/../lib.sh"

panel=(1400 200 320 320)  # the right panel, where the assistant's figure stands
grab() { xshot "$out/panel-$1.png" "${panel[@]}"; }
# Pixels of a grab that are bright blue (the figure's colour; the panels beneath are dark).
blue_pixels() {
  PYTHONPATH="$e2e_dir" "$py" - "$1" <<'PY'
import sys
from png import read_rgb
w, h, rows = read_rgb(sys.argv[1])
print(sum(1 for row in rows for i in range(0, 3 * w, 3)
          if row[i + 2] > 160 and row[i + 2] > row[i] + 60))
PY
}

e2e_start_cluster
e2e_power_on
settle 1
xshot "$out/normal.png"
grab normal

"$bin/hu-sim" --port "$hu_port" "$root/tools/hu-sim/scenarios/voice_assistant.json" >"$out/hu-sim.log" 2>&1 &
husim=$!
pids+=($husim)
# Each state as hu-sim sends it (CDUrecording), grabbed a moment later.
states=(5:wakeup 1:listening 2:recognizing 3:speaking)
for s in "${states[@]}"; do
  wait_for "$out/hu-sim.log" 20 "\"CDUrecording\":\"${s%%:*}\""
  settle 0.6
  grab "${s#*:}"
done
# Switched off: once its exit has played the figure leaves the panel.
wait_for "$out/hu-sim.log" 20 '"enable":"0"'
settle 2.5
grab off
wait "$husim" || fail "hu-sim failed (see $out/hu-sim.log)"

normal=$(blue_pixels "$out/panel-normal.png")
[ "$normal" -lt 500 ] || fail "the normal panel already holds $normal bright blue pixels"
for s in "${states[@]}"; do
  n=$(blue_pixels "$out/panel-${s#*:}.png")
  [ "$n" -ge 1000 ] || fail "no assistant figure while ${s#*:}: $n bright blue pixels"
done
off=$(blue_pixels "$out/panel-off.png")
[ "$off" -lt 500 ] || fail "the figure stayed after the assistant was switched off: $off bright blue pixels"
echo "voice: the assistant's figure shown in every state and gone when off; pictures in $out"
