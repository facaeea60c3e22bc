#!/usr/bin/env bash
# The test suite under sanitizers, each in a build directory of its own:
#   asan  AddressSanitizer + UndefinedBehaviorSanitizer: every test of the suite, headless like
#         scripts/test.sh, except the benchmarks and the comparison of every scenario and drive
#         drawn with and without recording (the same scenarios, drives and drawing code run in the
#         snapshot, render-loop and scene tests; the comparison would double the run's time to
#         compare pixels, which the normal suite does). The end-to-end scripts run at E2E_PACE 2.
#         Any report fails its test.
#   tsan  ThreadSanitizer: the integration tests where threads share the stores and flags (the
#         head-unit link with hostile peers, the upgrade transfer, the main-board bus, the resource
#         loader), the render loop beside the link workers (the display task, the head-unit
#         documents reaching the panels, the main-board worker with its window, fed by the bus
#         and by typing) and the whole cluster with both links in the phone, voice and upgrade
#         end-to-end scripts (their screen grabs wait longer: E2E_PACE). Any report fails the run.
#   scripts/sanitize.sh [asan] [tsan]     (both when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --hardening --no-build
KINDS=("$@")
# No accessibility bridge for GTK: on a private X server there is no accessibility bus, and the
# bridge forks the threaded program to start one; under AddressSanitizer that child hangs in the
# allocator and keeps the cluster's listening sockets open.
export NO_AT_BRIDGE=1
[ ${#KINDS[@]} -eq 0 ] && KINDS=(asan tsan)
JOBS=${JOBS:-$(nproc)}
source scripts/compiler-cache.sh
SUPP=$(pwd)/scripts/sanitizer

configure() { # dir sanitizers [cmake options]
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_SANITIZE="$2" "${LAUNCHER[@]}" "${@:3}" >/dev/null
}
# The pictures and models of a normal build (scripts/test.sh) when there is one: the sanitizer
# builds copy them instead of drawing them again with their own, slower generator. RES_FROM=none
# makes them generate their own (the generator then runs under the sanitizer too).
RES_FROM=${RES_FROM:-$(pwd)/build/bin/Res}
RES_OPTION=()
[ -f "$RES_FROM/image/.resgen.stamp" ] && RES_OPTION=(-DORV_RES_FROM="$RES_FROM")

# The recording comparison's tests (test_render_damage_pixels), by name: discovered tests carry
# one label only.
PIXEL_COMPARISON='^(Scenarios/DamageScenario|Drives/DamageDrive)\.'

TSAN_TESTS=(test_cdu_link test_cdu_hostile test_cdu_task test_ota_upgrade test_hu_sim test_mainboard_bus
            test_resource_loader)
# Render loops beside link workers; they open windows on a private X server with software OpenGL.
TSAN_GUI_TESTS=(test_display_task test_info_modules_e2e test_mainboard_bus_window test_frame_entry_window)
# The end-to-end scripts run the cluster, mb-sim and hu-sim of the build; the instrumented
# cluster draws several times slower, so their grabs wait E2E_PACE times longer.
TSAN_E2E='^e2e_(phone_answer|voice|upgrade)$'
TSAN_E2E_PROGRAMS=(cluster mb-sim hu-sim)

for kind in "${KINDS[@]}"; do
  case $kind in
    asan)
      dir=${ASAN_BUILD_DIR:-build-asan}
      configure "$dir" address,undefined "${RES_OPTION[@]}"
      cmake --build "$dir" -j"$JOBS"
      export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
      export LSAN_OPTIONS=suppressions=$SUPP/lsan.supp:print_suppressions=0
      export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
      # The window tests load the software OpenGL driver, which is unloaded before the leak check
      # runs: its allocations can no longer be named, so leaks are checked in every other test.
      ctest --test-dir "$dir" --output-on-failure -j"$JOBS" -LE 'bench|gui' --timeout 900
      # The instrumented cluster decodes its pictures slower before it opens the bus: the
      # end-to-end scripts wait E2E_PACE times longer.
      ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0 LIBGL_ALWAYS_SOFTWARE=1 E2E_PACE=${E2E_PACE:-2} \
        xvfb-run -a -s "-screen 0 2560x1440x24" \
        ctest --test-dir "$dir" --output-on-failure -j"$JOBS" -L gui -LE bench -E "$PIXEL_COMPARISON" --timeout 900
      ;;
    tsan)
      dir=${TSAN_BUILD_DIR:-build-tsan}
      configure "$dir" thread "${RES_OPTION[@]}"
      export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$SUPP/tsan.supp
      cmake --build "$dir" -j"$JOBS" --target "${TSAN_TESTS[@]}" "${TSAN_GUI_TESTS[@]}" "${TSAN_E2E_PROGRAMS[@]}" res
      for t in "${TSAN_TESTS[@]}"; do
        echo "== tsan $t"
        (cd "$dir/bin" && "./$t" --gtest_brief=1)
      done
      for t in "${TSAN_GUI_TESTS[@]}"; do
        echo "== tsan $t"
        (cd "$dir/bin" && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 2560x1440x24" "./$t" --gtest_brief=1)
      done
      # The cluster's reports land in its log (a report ends it, which fails its script as well).
      echo "== tsan $TSAN_E2E"
      rm -rf "$dir/e2e"
      e2e_status=0
      E2E_PACE=${E2E_PACE:-2} LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 2560x1440x24" \
        ctest --test-dir "$dir" --output-on-failure -R "$TSAN_E2E" --timeout 600 || e2e_status=$?
      if grep -l "ThreadSanitizer" "$dir"/e2e/*/*.log 2>/dev/null; then
        grep -h -A30 "WARNING: ThreadSanitizer" "$dir"/e2e/*/*.log | head -120
        e2e_status=1
      fi
      [ "$e2e_status" -eq 0 ] || exit "$e2e_status"
      ;;
    *) echo "unknown kind $kind (asan or tsan)"; exit 2 ;;
  esac
done
