#!/usr/bin/env bash
# The tour: the cluster through every screen in a few minutes, with the programs a user runs. The
# step table tour.steps becomes one drive (mb-sim) and a list of head-unit documents per step
# (tour.py plan); the steps play one after the other into the running cluster, the documents go
# through one hu-sim that stays connected and takes them on its standard input, and an upgrade
# step sends a package signed with a generated key (hu-sim upgrade). Each step is printed as it starts
# ("tour: N/COUNT TITLE"); at its end the tour waits for the line that proves it (the page on, a
# document sent, the phone action, the upgrade state), grabs the screen and checks that the step's
# rectangles differ from the previous picture. At the end it stops the cluster, which must exit
# with status 0.
#
#   tools/e2e/tour/run.sh                (scripts/tour.sh builds first; without a DISPLAY the tour
#                                         runs on a private X server)
#   TOUR_SPEED=4 tools/e2e/tour/run.sh   steps four times shorter, never shorter than the cluster
#                                        needs to show them
#
# Output: the pictures tour-NN-NAME.png in SNAPSHOT_DIR (default build/snapshots), and in OUT_DIR
# (default build/e2e/tour) the generated NN-NAME.drive, NN-NAME.hu and steps.tsv, and the logs
# cluster.log, hu-sim.log, bus.log (the answers to the keep-alive frames), NN-NAME.mb-sim.log and
# NN-NAME.upgrade.log. Exit status 0 when every step was reached and shown and the cluster exited
# with 0.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
e2e_name=tour
source "$here/../lib.sh"
speed=${TOUR_SPEED:-1}
shots=${SNAPSHOT_DIR:-${BUILD_DIR:-$root/build}/snapshots}
ota=$(mktemp -d)
trap 'e2e_stop; rm -rf "$ota"' EXIT
mkdir -p "$shots"
rm -f "$shots"/tour-*.png "$out"/*.log "$out"/*.drive "$out"/*.hu "$out"/hu.fifo

"$py" "$here/tour.py" plan "$here/tour.steps" "$speed" "$bin/mb-sim" "$out" || fail "the step table does not hold"
mapfile -t steps <"$out/steps.tsv"

# The key the cluster trusts (its public half under the stand-in for "/") and a package of 4 MB.
mkdir -p "$ota/fs/root/app"
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out "$ota/key.pem" 2>/dev/null
openssl pkey -in "$ota/key.pem" -pubout -out "$ota/fs/root/app/OTA_PUBKEY.PEM"
head -c 4194304 /dev/urandom >"$ota/package.bin"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Sleeps until $1 ms after the start of the step.
sleep_until() {
  local left=$(($1 - ($(now_ms) - step_t0)))
  [ "$left" -gt 0 ] && sleep "$((left / 1000)).$(printf %03d $((left % 1000)))"
  return 0
}
# What the log $1 printed during the step; for the bus, the latest answer (it prints a change
# only, so the display state holds since that line, however long ago it came).
step_log() {
  case $1 in
    bus) grep ' rx ' "$out/bus.log" | tail -n 1 ;;
    cluster | hu-sim) tail -n +$((from_line[$1] + 1)) "$out/$1.log" ;;
    *) cat "$out/$prefix.$1.log" ;;
  esac 2>/dev/null
}
# Waits up to $3 seconds for the text $2 in what the log $1 printed during the step.
proof() {
  local deadline=$((SECONDS + $3))
  until step_log "$1" | grep -qF -- "$2"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

e2e_start_cluster CLUSTER_OTA_ROOT="$ota/fs"
cluster=${pids[0]}
# The main board's keep-alive: every frame is answered with the display state, so the answers
# follow the cluster's page while the steps' own frames pause.
echo "0 0E 00 00 00 00 00 00 00 00 every 200 times 100000" |
  "$bin/mb-sim" -a "[::1]:$mb_port" - >"$out/bus.log" 2>&1 &
keepalive=$!
pids+=($keepalive)
# The head unit, fed a step's documents at their times; it ends its service when its input ends.
mkfifo "$out/hu.fifo"
"$bin/hu-sim" --port "$hu_port" --hold-ms 0 - <"$out/hu.fifo" >"$out/hu-sim.log" 2>&1 &
husim=$!
pids+=($husim)
exec 3>"$out/hu.fifo"
hu_end() {
  [ -n "$husim" ] || return 0
  exec 3>&-
  wait "$husim" || fail "the head unit failed (see $out/hu-sim.log)"
  husim=
}

declare -A from_line
previous=
tour_t0=$(now_ms)
for row in "${steps[@]}"; do
  IFS=$'\t' read -r n name title length upgrade_at log text changes <<<"$row"
  prefix=$(printf %02d "$n")-$name
  for log_name in cluster hu-sim; do from_line[$log_name]=$(wc -l <"$out/$log_name.log"); done
  step_t0=$(now_ms)
  echo "tour: $n/${#steps[@]} $title"
  "$bin/mb-sim" -a "[::1]:$mb_port" "$out/$prefix.drive" >"$out/$prefix.mb-sim.log" 2>&1 &
  mbsim=$!
  feeder=
  if [ -s "$out/$prefix.hu" ]; then
    while IFS=$'\t' read -r at doc; do
      sleep_until "$at"
      echo "$doc" >&3
    done <"$out/$prefix.hu" &
    feeder=$!
  fi
  pids+=($mbsim $feeder)
  upgrade=
  if [ "$upgrade_at" != - ]; then
    hu_end
    sleep_until "$upgrade_at"
    "$bin/hu-sim" --port "$hu_port" --hold-ms 0 upgrade "$ota/package.bin" --key "$ota/key.pem" \
      --piece-size 16384 >"$out/$prefix.upgrade.log" 2>&1 &
    upgrade=$!
    pids+=($upgrade)
  fi
  sleep_until $((length - 600))
  # The proof of the step; when it comes late, the screen gets a moment to show it.
  if [ "$log" != - ] && ! proof "$log" "$text" 0; then
    proof "$log" "$text" 60 || fail "step $n ($name) not reached: no \"$text\" in its $log log"
    sleep 0.5
  fi
  shot="$shots/tour-$prefix.png"
  xshot "$shot" 2>/dev/null ||
    fail "cannot grab the screen at step $n: it must hold the 1920 x 720 render window" \
      "(DISPLAY= runs the tour on a private X server)"
  if [ -n "$previous" ] && [ "$changes" != - ]; then
    IFS=';' read -r -a rects <<<"$changes"
    for rect in "${rects[@]}"; do
      read -r x y w h <<<"$rect"
      moved=$("$py" "$here/tour.py" differ "$previous" "$shot" "$x" "$y" "$w" "$h")
      [ "$moved" -ge $((w * h / 200)) ] ||
        fail "step $n ($name) did not change the screen at $rect: $moved pixels differ"
    done
  fi
  previous=$shot
  wait "$mbsim" || fail "step $n ($name): the cluster did not answer every frame (see $out/$prefix.mb-sim.log)"
  [ -z "$feeder" ] || wait "$feeder" || fail "step $n ($name): the head unit stopped taking documents (see $out/hu-sim.log)"
  [ -z "$upgrade" ] || wait "$upgrade" || fail "step $n ($name): the upgrade failed (see $out/$prefix.upgrade.log)"
done
hu_end

kill -INT "$keepalive"
kill -TERM "$cluster"
status=0
wait "$cluster" || status=$?
[ "$status" -eq 0 ] || fail "the cluster exited with $status (see $out/cluster.log)"
echo "tour: done in $((($(now_ms) - tour_t0) / 1000)) s, the cluster exited with 0; pictures in $shots/tour-*.png"
