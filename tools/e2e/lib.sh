# Start-up shared by the end-to-end scripts of tools/e2e/. A script sets e2e_name (the word its
# messages start with and the name of its output folder) and sources this file, which
#   - without a DISPLAY runs the script again on a private X server;
#   - sets root (the repository), bin (BUILD_DIR/bin), out (OUT_DIR, default build/e2e/NAME, with
#     the pictures of an earlier run removed), hu_port and mb_port (HU_PORT, MB_PORT) and pids (the
#     programs the script started, stopped when it exits);
#   - gives wait_for, settle, fail, xshot, e2e_start_cluster and e2e_power_on.
# E2E_PACE (a whole number, default 1) stretches every pause before a screen grab and every
# time-out that many times, for a cluster that draws slower than a normal build (a sanitizer
# build).
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$e2e_dir/../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 2560x1440x24" "$0" "$@"
fi
bin=${BUILD_DIR:-$root/build}/bin
out=${OUT_DIR:-$root/build/e2e/$e2e_name}
hu_port=${HU_PORT:-8090}
mb_port=${MB_PORT:-8091}
py=/usr/bin/python3  # the system's own: starts at once (wrappers earlier on PATH may not)
[ -x "$py" ] || py=python3
mkdir -p "$out"
rm -f "$out"/*.png

pace=${E2E_PACE:-1}
# GTK's accessibility bridge would fork the cluster to start an accessibility bus that a private
# X server does not have; the child keeps the cluster's listening sockets.
export NO_AT_BRIDGE=1
# Waits up to $2 seconds (whole, times E2E_PACE) for the text $3 in the file $1. The time-out is a
# deadline on the clock: on a busy machine each look takes far longer than its pause.
wait_for() {
  local deadline=$((SECONDS + $2 * pace))
  until grep -qF -- "$3" "$1" 2>/dev/null; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "$e2e_name: no \"$3\" in $1 after $2 s"
      return 1
    fi
    sleep 0.01
  done
}
# Pauses $1 seconds (times E2E_PACE) to let the cluster draw what it was just sent.
settle() { sleep "$(awk -v s="$1" -v p="$pace" 'BEGIN { print s * p }')"; }
fail() { echo "$e2e_name: $*"; exit 1; }
# Writes the screen, or the rectangle X Y W H of it, to the PNG file $1.
xshot() { "$py" "$e2e_dir/xshot.py" "$@"; }

# Stops every program in pids, a stopped one too. A script that has more to clean up sets its own
# EXIT trap and calls this from it.
e2e_stop() {
  kill -CONT "${pids[@]}" 2>/dev/null || true
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
}
pids=()
trap e2e_stop EXIT

# Starts the cluster on the two ports, with the environment VAR=VALUE given as arguments, logging
# to cluster.log, and waits until both links listen.
e2e_start_cluster() {
  env "$@" CLUSTER_HU_ADDR="[::1]:$hu_port" CLUSTER_MB_ADDR="[::1]:$mb_port" "$bin/cluster" \
    >"$out/cluster.log" 2>&1 &
  pids+=($!)
  wait_for "$out/cluster.log" 20 "head-unit link: listening"
  wait_for "$out/cluster.log" 20 "main-board bus: listening"
}

# Powers the cluster on with mb-sim (phone-answer/power-on.drive, logging to mb-sim.log) and waits
# until the cluster reports its page on.
e2e_power_on() {
  "$bin/mb-sim" -a "[::1]:$mb_port" "$e2e_dir/phone-answer/power-on.drive" >"$out/mb-sim.log" 2>&1 &
  pids+=($!)
  wait_for "$out/mb-sim.log" 120 "HmiDspState 2"
}
