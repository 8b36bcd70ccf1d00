#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the layer order of the includes, builds the
# widget-free layers alone, builds with sanitizers and runs every test, builds the program optimised
# (warnings as errors), then runs every fuzz harness. Prints each phase's time at the end.
#   FUZZ_SECONDS  seconds per fuzz harness (default 10; 0 skips fuzzing)
#   BUILD_DIR     build folder of the test build (default build/test)
#   JOBS          parallel build jobs and fuzz harnesses (default: number of cores)
#   TEST_JOBS     parallel tests (default: twice JOBS; a test spends much of its time waiting for
#                 the simulated switch)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

bash scripts/deps.sh

JOBS=${JOBS:-$(nproc)}
TEST_JOBS=${TEST_JOBS:-$((2 * JOBS))}
BUILD_DIR=${BUILD_DIR:-build/test}
FUZZ_SECONDS=${FUZZ_SECONDS:-10}
export JOBS
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# phase TITLE NAME: starts the phase NAME (the name its time is listed under).
phase_names=()
phase_times=()
phase_name=
phase_start=
end_phase() {
    if [ -n "$phase_name" ]; then
        phase_names+=("$phase_name")
        phase_times+=("$(awk -v a="$phase_start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')")
    fi
    phase_name=
}
phase() {
    end_phase
    echo "== $1"
    phase_name=$2
    phase_start=$EPOCHREALTIME
}
report_phases() {
    local status=$?
    end_phase
    local total=0 i
    echo "== phase times (s)"
    for i in "${!phase_names[@]}"; do
        printf '  %-16s %7s\n' "${phase_names[$i]}" "${phase_times[$i]}"
        total=$(awk -v a="$total" -v b="${phase_times[$i]}" 'BEGIN { print a + b }')
    done
    printf '  %-16s %7.1f%s\n' total "$total" "$([ "$status" -eq 0 ] || echo ", failed")"
}
trap report_phases EXIT

phase "formatting (clang-format 14)" format
bash scripts/check-format.sh

phase "layer order of the includes" layers
/usr/bin/python3 scripts/check-layers.py

phase "dialog units name their columns, cells and options" "dialog units"
/usr/bin/python3 scripts/check-dialog-units.py

# The widget-free build configures the optimised build's folder without Qt Widgets; the optimised
# build of the program below configures it back and keeps what this one compiled, as those flags
# are the same.
phase "widget-free build of the value core and the catalogue" headless
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZQS_HEADLESS=ON -DZQS_WERROR=ON \
    -DZQS_TESTS=OFF >/dev/null
cmake --build build/release -j "$JOBS"

# Line tables (-g1) are all the sanitizers' reports read (each frame's function, file and line);
# full debug information would cost a tenth of this build.
phase "test build (AddressSanitizer, UndefinedBehaviorSanitizer)" "sanitizer build"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZQS_SANITIZE=ON -DZQS_WERROR=ON \
    -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1 >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS"

phase "tests" tests
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$TEST_JOBS"

phase "optimised build of the program, warnings as errors" "optimised build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZQS_HEADLESS=OFF -DZQS_WERROR=ON \
    -DZQS_TESTS=OFF >/dev/null
cmake --build build/release -j "$JOBS" --target zqs4410

if [ "$FUZZ_SECONDS" != 0 ]; then
    phase "fuzz harnesses: build" "fuzz build"
    bash scripts/fuzz.sh --build-only
    phase "fuzz harnesses, ${FUZZ_SECONDS}s each, $JOBS at a time" "fuzz runs"
    bash scripts/fuzz.sh "$FUZZ_SECONDS"
fi
