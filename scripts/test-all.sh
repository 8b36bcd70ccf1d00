#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the layer order of the includes, builds with
# sanitizers and runs every test, builds the program optimised (warnings as errors), then runs every
# fuzz harness.
#   FUZZ_SECONDS  seconds per fuzz harness (default 10; 0 skips fuzzing)
#   BUILD_DIR     build folder of the test build (default build/test)
#   JOBS          parallel build and test jobs (default: number of cores)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

bash scripts/deps.sh

JOBS=${JOBS:-$(nproc)}
BUILD_DIR=${BUILD_DIR:-build/test}
FUZZ_SECONDS=${FUZZ_SECONDS:-10}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== formatting (clang-format 14)"
bash scripts/check-format.sh

echo "== layer order of the includes"
/usr/bin/python3 scripts/check-layers.py

echo "== dialog units name their columns, cells and options"
/usr/bin/python3 scripts/check-dialog-units.py

echo "== widget-free build of the value core and the catalogue"
cmake -S . -B build/headless -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZQS_HEADLESS=ON -DZQS_WERROR=ON \
    -DZQS_TESTS=OFF >/dev/null
cmake --build build/headless -j "$JOBS"

echo "== test build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZQS_SANITIZE=ON -DZQS_WERROR=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS"

echo "== optimised build of the program, warnings as errors"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZQS_WERROR=ON -DZQS_TESTS=OFF >/dev/null
cmake --build build/release -j "$JOBS" --target zqs4410

if [ "$FUZZ_SECONDS" != 0 ]; then
    echo "== fuzz harnesses, ${FUZZ_SECONDS}s each"
    bash scripts/fuzz.sh "$FUZZ_SECONDS"
fi
