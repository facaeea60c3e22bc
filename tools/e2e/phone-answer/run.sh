#!/usr/bin/env bash
# An incoming call answered on the cluster, with the programs a user runs. The cluster starts and
# mb-sim powers it on (power-on.drive); once the cluster reports its page on (HmiDspState 2 in the
# answer frames), hu-sim plays the call (incoming-call.json) and a second mb-sim plays the
# driver's click on "answer" (answer.drive). The cluster sends the Connect action, which hu-sim
# prints as the frame protocol built it; the head unit then reports the call connected and the
# call time runs on the cluster: two pictures of it, 2 s apart, differ.
#
#   tools/e2e/phone-answer/run.sh            (without a DISPLAY it runs on a private X server)
#   HU_PORT=18090 MB_PORT=18091 OUT_DIR=/tmp/e2e tools/e2e/phone-answer/run.sh
#
# Output in $OUT_DIR (default build/e2e/phone-answer): cluster.log, hu-sim.log, mb-sim.log,
# answer.log, call.png (the screen during the call), time-1.png and time-2.png (the call time). Exit status 0 when hu-sim received the Connect action and
# the call time ran on the screen.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
e2e_name=phone-answer
source "$here/../lib.sh"

e2e_start_cluster
e2e_power_on

"$bin/mb-sim" -a "[::1]:$mb_port" "$here/answer.drive" >"$out/answer.log" 2>&1 &
pids+=($!)
"$bin/hu-sim" --port "$hu_port" "$here/incoming-call.json" >"$out/hu-sim.log" 2>&1 &
husim=$!
pids+=($husim)
tail -f "$out/hu-sim.log" --pid "$husim" &

# Once the head unit reports the call connected: the call time (centred on x 1533, y 326), the
# whole screen, and the call time again at least 2 s after the first.
wait_for "$out/hu-sim.log" 60 '"status":"connect","action"'
settle 1
xshot "$out/time-1.png" 1453 306 160 40
xshot "$out/call.png"
settle 2
xshot "$out/time-2.png" 1453 306 160 40
wait "$husim"

# The Connect action as the cluster sent it, and the call time as drawn.
grep -E '<- .*icm-phone DATA.*"status":"connect"' "$out/hu-sim.log" >/dev/null ||
  fail "no Connect action reached the head unit"
cmp -s "$out/time-1.png" "$out/time-2.png" && fail "the call time did not run"
echo "phone-answer: Connect action received; call pictures in $out"
