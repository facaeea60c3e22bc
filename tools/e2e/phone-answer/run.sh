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
root=$(cd "$here/../../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 2560x1440x24" "$0" "$@"
fi
bin=${BUILD_DIR:-$root/build}/bin
out=${OUT_DIR:-$root/build/e2e/phone-answer}
hu_port=${HU_PORT:-8090}
mb_port=${MB_PORT:-8091}
py=/usr/bin/python3  # the system's own: starts at once (wrappers earlier on PATH may not)
[ -x "$py" ] || py=python3
mkdir -p "$out"
rm -f "$out"/call.png "$out"/time-*.png

# Waits up to $2 seconds for the text $3 in the file $1.
wait_for() {
  for _ in $(seq $(($2 * 10))); do
    grep -q "$3" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "phone-answer: no \"$3\" in $1 after $2 s"
  return 1
}

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
CLUSTER_HU_ADDR="[::1]:$hu_port" CLUSTER_MB_ADDR="[::1]:$mb_port" "$bin/cluster" >"$out/cluster.log" 2>&1 &
pids+=($!)
wait_for "$out/cluster.log" 20 "head-unit link: listening"
wait_for "$out/cluster.log" 20 "main-board bus: listening"

"$bin/mb-sim" -a "[::1]:$mb_port" "$here/power-on.drive" >"$out/mb-sim.log" 2>&1 &
pids+=($!)
wait_for "$out/mb-sim.log" 120 "HmiDspState 2"

"$bin/mb-sim" -a "[::1]:$mb_port" "$here/answer.drive" >"$out/answer.log" 2>&1 &
pids+=($!)
"$bin/hu-sim" --port "$hu_port" "$here/incoming-call.json" >"$out/hu-sim.log" 2>&1 &
husim=$!
pids+=($husim)
tail -f "$out/hu-sim.log" --pid "$husim" &

# Once the head unit reports the call connected: the call time (centred on x 1533, y 326), the
# whole screen, and the call time again at least 2 s after the first.
wait_for "$out/hu-sim.log" 60 '"status":"connect","action"'
sleep 1
"$py" "$here/../xshot.py" "$out/time-1.png" 1453 306 160 40
"$py" "$here/../xshot.py" "$out/call.png"
sleep 2
"$py" "$here/../xshot.py" "$out/time-2.png" 1453 306 160 40
wait "$husim"

# The Connect action as the cluster sent it, and the call time as drawn.
grep -E '<- .*icm-phone DATA.*"status":"connect"' "$out/hu-sim.log" >/dev/null || {
  echo "phone-answer: no Connect action reached the head unit"; exit 1; }
if cmp -s "$out/time-1.png" "$out/time-2.png"; then
  echo "phone-answer: the call time did not run"
  exit 1
fi
echo "phone-answer: Connect action received; call pictures in $out"
