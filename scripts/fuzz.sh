#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs each one for a fixed number of runs, optionally also bounded in time, then prints per target
# the runs, the corpus size, the coverage and the findings. Exit status 1 when anything was found.
#
#   scripts/fuzz.sh [-r RUNS] [-t SECONDS] [-j JOBS] [TARGET...]
#
# RUNS (default 20000) bounds each target's runs, SECONDS (default none) its time; a target stops
# at whichever comes first. The corpora grow across calls in $FUZZ_BUILD_DIR/fuzz/corpus/ (seeded
# from the repository's scenarios, drive scripts and generated resources); findings are written to
# $FUZZ_BUILD_DIR/fuzz/findings/ and can be replayed with `$FUZZ_BUILD_DIR/fuzz/TARGET FILE`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --hardening --no-build

RUNS=20000
SECONDS_MAX=0
JOBS=$(nproc)
while getopts "r:t:j:" opt; do
  case $opt in
    r) RUNS=$OPTARG ;;
    t) SECONDS_MAX=$OPTARG ;;
    j) JOBS=$OPTARG ;;
    *) sed -n '2,12p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
source scripts/compiler-cache.sh
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_FUZZ=ON \
  -DORV_SANITIZE=address,undefined -DBUILD_TESTING=OFF "${LAUNCHER[@]}" >/dev/null
cmake --build "$BUILD" -j"$JOBS" --target fuzz_all >/dev/null

# Pictures and models for the seeds come from a normal build's Res/ when there is one.
RES=${RES_DIR:-build/bin/Res}
if [ ! -d "$RES/image" ]; then
  cmake --build "$BUILD" -j"$JOBS" --target res >/dev/null
  RES=$BUILD/bin/Res
fi

OUT=$BUILD/fuzz
rm -rf "$OUT/seeds"
"$OUT/fuzz_seeds" "$OUT/seeds" . "$RES"
mkdir -p "$OUT/corpus" "$OUT/findings" "$OUT/logs"

TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && mapfile -t TARGETS <"$OUT/targets"  # every target fuzz/ builds

# Longest input per target: a head-unit stream holds a few frames with covers.
max_len() {
  case $1 in
    fuzz_hu_stream|fuzz_cdu_decode|fuzz_image_mem|fuzz_vbo) echo 65536 ;;
    fuzz_tga) echo 20000 ;;
    *) echo 4096 ;;
  esac
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

printf '%-20s %10s %8s %8s %8s %s\n' target runs corpus cov features findings
found=0
for t in "${TARGETS[@]}"; do
  corpus=$OUT/corpus/$t
  mkdir -p "$corpus"
  # -close_fd_mask=1: the cluster's console lines would only slow the runs down.
  args=(-runs="$RUNS" -close_fd_mask=1 -max_len="$(max_len "$t")" -timeout=25 -rss_limit_mb=3072 -print_final_stats=1
        -artifact_prefix="$OUT/findings/$t-")
  [ "$SECONDS_MAX" != 0 ] && args+=(-max_total_time="$SECONDS_MAX")
  case $t in fuzz_hu_stream|fuzz_cdu_decode|fuzz_snapshot_scn) args+=(-dict=fuzz/json.dict) ;; esac
  seeds=()
  [ -d "$OUT/seeds/$t" ] && seeds=("$OUT/seeds/$t")
  before=$(ls "$OUT/findings" | grep -c "^$t-" || true)
  log=$OUT/logs/$t.log
  status=0
  "$OUT/$t" "${args[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
  after=$(ls "$OUT/findings" | grep -c "^$t-" || true)
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' <<<"$last" | grep -o '[0-9]*' || true)
  ft=$(grep -o 'ft: [0-9]*' <<<"$last" | grep -o '[0-9]*' || true)
  corp=$(ls "$corpus" | wc -l)
  findings=$((after - before))
  if [ "$status" -ne 0 ] && [ "$findings" -eq 0 ]; then findings=1; fi
  [ "$findings" -ne 0 ] && found=1
  printf '%-20s %10s %8s %8s %8s %s\n' "$t" "${runs:-?}" "$corp" "${cov:-?}" "${ft:-?}" \
    "$findings$([ "$findings" -ne 0 ] && echo " (see $log)")"
done
exit $found
