#!/usr/bin/env bash
# A package upgrade with the programs a user runs. The cluster starts with CLUSTER_OTA_ROOT in a
# fresh folder holding the public half of a generated RSA key pair; mb-sim powers it on
# (../phone-answer/power-on.drive). hu-sim then sends a generated package signed with the right
# key: the cluster walks Decrypting -> Decrypt OK -> Downloading -> Download finished, and the
# upgrade page replaces the normal page. A second package signed with another key ends in Decrypt
# fail, with that status line on the same page.
#
#   tools/e2e/upgrade/run.sh            (without a DISPLAY it runs on a private X server)
#   HU_PORT=18092 MB_PORT=18093 OUT_DIR=/tmp/e2e tools/e2e/upgrade/run.sh
#
# Output in $OUT_DIR (default build/e2e/upgrade): cluster.log, mb-sim.log, hu-sim-good.log,
# hu-sim-bad.log, normal.png, download.png, finished.png and fail.png (the whole screen before the
# upgrade, while the good package arrives, after it and after the bad one), and the logo and
# status-line crops the checks compare.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
e2e_name=upgrade
source "$here/../lib.sh"
ota=$(mktemp -d)
trap 'e2e_stop; rm -rf "$ota"' EXIT

# The key the cluster trusts, another one, and a package of 16 MB of random bytes.
mkdir -p "$ota/fs/root/app"  # $ota/fs stands in for "/"
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out "$ota/good.pem" 2>/dev/null
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out "$ota/bad.pem" 2>/dev/null
openssl pkey -in "$ota/good.pem" -pubout -out "$ota/fs/root/app/OTA_PUBKEY.PEM"
head -c 16777216 /dev/urandom >"$ota/package.bin"

# The page holds a final state for 3000 frames. Uncapped, a frame in which little changes takes
# well under a millisecond and the page would go within a second: the cluster runs at a display's
# 60 frames per second, so the page stays for the 50 s the checks below rely on.
e2e_start_cluster CLUSTER_OTA_ROOT="$ota/fs" CLUSTER_FPS_CAP=60
e2e_power_on
settle 1

# Crops of the upgrade page: its logo and title, and its status line.
logo=(700 270 520 120)
status=(760 550 400 50)
xshot "$out/normal.png"
xshot "$out/logo-normal.png" "${logo[@]}"
xshot "$out/status-normal.png" "${status[@]}"

# The good package in small pieces. Once the cluster reports the download running, hu-sim is held
# for a moment (a transfer in progress never times out) to take the download page.
"$bin/hu-sim" --port "$hu_port" --hold-ms 0 upgrade "$ota/package.bin" --key "$ota/good.pem" \
  --piece-size 4096 >"$out/hu-sim-good.log" 2>&1 &
husim=$!
pids+=($husim)
until grep -qF "OtaState Update[8]->[1]" "$out/cluster.log"; do
  kill -0 "$husim" 2>/dev/null || fail "the download did not start (see $out/cluster.log)"
  sleep 0.01
done
kill -STOP "$husim"
settle 1
xshot "$out/download.png"
xshot "$out/logo-download.png" "${logo[@]}"
xshot "$out/status-download.png" "${status[@]}"
kill -CONT "$husim"
wait "$husim" || fail "hu-sim could not send the good package (see $out/hu-sim-good.log)"
wait_for "$out/cluster.log" 10 "OtaState Update[1]->[3]"
settle 1
xshot "$out/finished.png"
xshot "$out/logo-finished.png" "${logo[@]}"
xshot "$out/status-finished.png" "${status[@]}"

# The same package signed with a key the cluster does not trust.
"$bin/hu-sim" --port "$hu_port" --hold-ms 0 upgrade "$ota/package.bin" --key "$ota/bad.pem" \
  >"$out/hu-sim-bad.log" 2>&1 || true
wait_for "$out/cluster.log" 10 "]->[6]"
settle 1
xshot "$out/fail.png"
xshot "$out/logo-fail.png" "${logo[@]}"
xshot "$out/status-fail.png" "${status[@]}"

# The states the cluster went through, in order, without the returns to idle after a final state
# (when they come depends on the frame rate): decrypting, decrypt OK, downloading, download
# finished; decrypting, decrypt fail.
states=$(grep -o 'OtaState Update\[[0-9]*\]->\[[1-9][0-9]*\]' "$out/cluster.log" | sed 's/.*->\[\([0-9]*\)\]/\1/' | tr '\n' ' ')
expected='4 8 1 3 4 6 '
[ "$states" = "$expected" ] || fail "upgrade states were: $states"
# The upgrade page replaced the normal page and stayed for the failure; only its status line changed.
cmp -s "$out/logo-normal.png" "$out/logo-finished.png" && fail "the upgrade page did not appear"
cmp -s "$out/logo-download.png" "$out/logo-finished.png" || fail "the result is not on the upgrade page"
cmp -s "$out/logo-finished.png" "$out/logo-fail.png" || fail "the failure is not on the upgrade page"
for a in normal download finished; do
  for b in download finished fail; do
    [ $a = $b ] && continue
    cmp -s "$out/status-$a.png" "$out/status-$b.png" && fail "the status lines $a and $b are the same"
  done
done
cmp -s "$out/status-finished.png" "$out/status-fail.png" && fail "the status line did not show the failure"
echo "upgrade: download page, download finished and decrypt fail shown; pictures in $out"
