#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for the given number of seconds, JOBS
# harnesses at a time (each is one process on one core).
#   scripts/fuzz.sh [SECONDS] [HARNESS-NAME...]
#   scripts/fuzz.sh --build-only
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_ONLY=0
if [ "${1:-}" = --build-only ]; then
    BUILD_ONLY=1
    shift
fi
SECONDS_EACH=${1:-10}
shift || true
JOBS=${JOBS:-$(nproc)}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZQS_FUZZ=ON \
    -DZQS_TESTS=OFF -DZQS_HEADLESS=ON -DZQS_WERROR=ON >/dev/null
cmake --build build/fuzz -j "$JOBS"
if [ "$BUILD_ONLY" = 1 ]; then
    exit 0
fi
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
    mapfile -t harnesses < <(find build/fuzz/fuzz -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x -printf '%f\n' | sort)
fi
if [ ${#harnesses[@]} -eq 0 ]; then
    echo "no fuzz harness built"
    exit 0
fi

logs=build/fuzz/logs
mkdir -p "$logs"
declare -A harness_of=()
failed=()
# Waits for one running harness, prints the end of its output and notes a failure.
reap() {
    local pid status=0
    wait -n -p pid || status=$?
    local h=${harness_of[$pid]}
    unset "harness_of[$pid]"
    echo "-- $h (${SECONDS_EACH}s)"
    if [ "$status" -eq 0 ]; then
        tail -n 3 "$logs/$h.log"
    else
        tail -n 60 "$logs/$h.log"
        failed+=("$h")
    fi
}
for h in "${harnesses[@]}"; do
    while [ ${#harness_of[@]} -ge "$JOBS" ]; do
        reap
    done
    corpus=build/fuzz/corpus/$h
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/$h" ] && seeds=("fuzz/seeds/$h")
    "build/fuzz/fuzz/$h" -max_total_time="$SECONDS_EACH" -print_final_stats=0 "$corpus" "${seeds[@]}" \
        >"$logs/$h.log" 2>&1 &
    harness_of[$!]=$h
done
while [ ${#harness_of[@]} -gt 0 ]; do
    reap
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: ${#failed[@]} of ${#harnesses[@]} harnesses failed: ${failed[*]}"
    exit 1
fi
echo "fuzz: ${#harnesses[@]} harnesses clean"
