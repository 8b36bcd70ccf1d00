#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for the given number of seconds.
#   scripts/fuzz.sh [SECONDS] [HARNESS-NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-10}
shift || true
JOBS=${JOBS:-$(nproc)}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZQS_FUZZ=ON \
    -DZQS_TESTS=OFF -DZQS_HEADLESS=ON -DZQS_WERROR=ON >/dev/null
cmake --build build/fuzz -j "$JOBS"
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
    mapfile -t harnesses < <(find build/fuzz/fuzz -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x -printf '%f\n' | sort)
fi
if [ ${#harnesses[@]} -eq 0 ]; then
    echo "no fuzz harness built"
    exit 0
fi
for h in "${harnesses[@]}"; do
    corpus=build/fuzz/corpus/$h
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/$h" ] && seeds=("fuzz/seeds/$h")
    echo "-- $h (${SECONDS_EACH}s)"
    "build/fuzz/fuzz/$h" -max_total_time="$SECONDS_EACH" -print_final_stats=0 "$corpus" "${seeds[@]}" \
        2>&1 | tail -n 3
    test "${PIPESTATUS[0]}" -eq 0
done
echo "fuzz: ${#harnesses[@]} harnesses clean"
