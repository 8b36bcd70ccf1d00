#!/usr/bin/env bash
# Builds the program and runs it against the simulated switch (sim/), or against a real switch when
# program options are given after "--".
#
#   scripts/run-demo.sh [--units N] [--model M | --models M1,M2,...] [--stack enabled|disabled]
#                       [--firmware KA|KB|KC] [--screenshot FILE] [--program FILE] [--run-folder DIR]
#                       [-- PROGRAM-OPTIONS...]
#
#   --units N        stack units of the simulated switch, 1 to 6 (default 2)
#   --model M        model of every unit: 24RA, 24DA, 24ZO, 48DA, 48RO, 24ZO-DC (default 24RA)
#   --models LIST    one model per unit, comma-separated (the first one is the master)
#   --stack MODE     stacking mode (default: enabled with two or more units, else disabled)
#   --firmware ED    firmware edition (default KB)
#   --screenshot F   where the screenshot goes without a display (default RUN-FOLDER/main-window.png)
#   --program FILE   run this program, already built, instead of building one in build/demo
#   --run-folder DIR the program's current directory, with its logs (default build/demo/run)
#
# As root the simulated switch listens on a loopback address at port 161 and the program talks
# SNMPv1 to it. A normal user cannot bind port 161, and SNMPv1/v2c always use 161, so the switch
# then listens on a free high port and the program talks SNMPv3 (user zqs-noauth) with /t<port>.
# Without a display the program runs on an Xvfb display of the script's own (Xvfb chooses a free
# one), and the script writes a screenshot of the main window once start-up is over, prints its path
# and ends. Every wait is bounded and a failure says what it waited for.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

UNITS=2
MODELS=
MODEL=24RA
STACK=
FIRMWARE=KB
SHOT=
EXE=
RUN=
PROGRAM_ARGS=()
while [ $# -gt 0 ]; do
    case "$1" in
    --units) UNITS=$2; shift 2 ;;
    --model) MODEL=$2; shift 2 ;;
    --models) MODELS=$2; shift 2 ;;
    --stack) STACK=$2; shift 2 ;;
    --firmware) FIRMWARE=$2; shift 2 ;;
    --screenshot) SHOT=$2; shift 2 ;;
    --program) EXE=$2; shift 2 ;;
    --run-folder) RUN=$2; shift 2 ;;
    --) shift; PROGRAM_ARGS=("$@"); break ;;
    -h|--help) sed -n '2,24p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run-demo: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
done

absolute() { case "$1" in /*) echo "$1" ;; *) echo "$ROOT/$1" ;; esac; }

bash scripts/deps.sh

BUILD_DIR=${BUILD_DIR:-build/demo}
if [ -z "$EXE" ]; then
    echo "== building the program in $BUILD_DIR"
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZQS_TESTS=OFF >/dev/null
    cmake --build "$BUILD_DIR" -j "${JOBS:-4}" --target zqs4410
    EXE=$BUILD_DIR/src/app/zqs4410
fi
EXE=$(absolute "$EXE")
[ -x "$EXE" ] || { echo "run-demo: $EXE is not a program" >&2; exit 2; }
# The program keeps its SNMPv3 boot counter in, and reads errmsg/ from, its current directory.
RUN=$(absolute "${RUN:-$BUILD_DIR/run}")
mkdir -p "$RUN"
SHOT=$(absolute "${SHOT:-$RUN/main-window.png}")

source scripts/display.sh
AGENT_SECONDS=30 STARTUP_SECONDS=60 WINDOW_SECONDS=5
AGENT_PID= AGENT_FOLDER= APP_PID=
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    own_display_stop
    [ -n "$AGENT_PID" ] && "$ROOT/sim/agent.sh" stop "$AGENT_PID" "$AGENT_FOLDER" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ ${#PROGRAM_ARGS[@]} -eq 0 ]; then
    if [ -z "$MODELS" ]; then
        MODELS=$MODEL
        for ((i = 1; i < UNITS; i++)); do MODELS+=",$MODEL"; done
    fi
    IFS=, read -r -a UNIT_MODELS <<<"$MODELS"
    if [ -z "$STACK" ]; then
        STACK=$([ ${#UNIT_MODELS[@]} -gt 1 ] && echo enabled || echo disabled)
    fi
    UNITS_JSON= SEPARATOR=
    for ((i = 0; i < ${#UNIT_MODELS[@]}; i++)); do
        UNITS_JSON+="$SEPARATOR{\"unit\": $((i + 1)), \"model\": \"${UNIT_MODELS[i]}\"}"
        SEPARATOR=", "
    done
    SCENARIO=$RUN/scenario.json
    printf '{"model": "%s", "stack_mode": "%s", "firmware": "%s", "units": [%s]}\n' \
        "${UNIT_MODELS[0]}" "$STACK" "$FIRMWARE" "$UNITS_JSON" >"$SCENARIO"

    echo "== starting the simulated switch: ${#UNIT_MODELS[@]} unit(s) ${MODELS}, stacking $STACK, edition $FIRMWARE"
    if [ "$(id -u)" -eq 0 ]; then
        # Port 161 on an address of our own, so that agents of running tests stay undisturbed.
        for attempt in 1 2 3 4 5; do
            ADDRESS=127.0.$((RANDOM % 200 + 20)).$((RANDOM % 250 + 2))
            if LINE=$(sim/agent.sh start --scenario "$SCENARIO" --address "$ADDRESS" --port 161 \
                --owner-pid $$ --timeout "$AGENT_SECONDS"); then
                break
            fi
            LINE=
        done
    else
        LINE=$(sim/agent.sh start --scenario "$SCENARIO" --address 127.0.0.1 --port 0 --owner-pid $$ \
            --timeout "$AGENT_SECONDS") || true
    fi
    if [ -z "${LINE:-}" ]; then
        echo "run-demo: the simulated switch did not start (its answer was awaited up to" \
            "${AGENT_SECONDS} s; see above)" >&2
        exit 1
    fi
    read -r ADDRESS PORT AGENT_PID AGENT_FOLDER <<<"$LINE"
    if [ "$PORT" = 161 ]; then
        PROGRAM_ARGS=("/I$ADDRESS" "/Rtamber" "/Wquindle")
    else
        PROGRAM_ARGS=("/I$ADDRESS" "/v3" "/t$PORT" "/m3" "/l1" "/nzqs-noauth")
    fi
    echo "   agent $ADDRESS:$PORT (pid $AGENT_PID)"
fi

echo "== zqs4410 ${PROGRAM_ARGS[*]}"
cd "$RUN"
if [ -n "${DISPLAY:-}" ] && xwininfo -root >/dev/null 2>&1; then
    "$EXE" "${PROGRAM_ARGS[@]}"
    exit $?
fi

# No display: one of our own, and a screenshot once start-up is over.
own_display_start "$RUN" || { echo "run-demo: no virtual display to run the program on" >&2; exit 1; }
echo "   display $DISPLAY (Xvfb pid $OWN_XVFB_PID)"
# On that display, whatever platform the caller's environment names (CI runs the tests offscreen).
export QT_QPA_PLATFORM=xcb

REPORT=$RUN/startup-report.txt
rm -f "$REPORT"
printf 'report\t%s\nsnapshot\n' "$REPORT" >"$RUN/startup-script.txt"
ZQS_TEST_HOOK=$RUN/startup-script.txt "$EXE" "${PROGRAM_ARGS[@]}" >"$RUN/program.log" 2>&1 &
APP_PID=$!
startup_over() { grep -q '^end$' "$REPORT" 2>/dev/null || ! kill -0 "$APP_PID" 2>/dev/null; }
wait_until "$STARTUP_SECONDS" startup_over || true
if ! grep -q '^end$' "$REPORT" 2>/dev/null; then
    say_why_not "$APP_PID" \
        "run-demo: the program did not end its start-up within ${STARTUP_SECONDS} s (see $RUN/program.log)" \
        "run-demo: the program ended during its start-up (see $RUN/program.log)"
    exit 1
fi
CAPTION=$(sed -n 's/^caption\t//p' "$REPORT")
WINDOW=
find_window() {
    WINDOW=$(xwininfo -name "$CAPTION" 2>/dev/null | awk '/Window id:/ {print $4}') && [ -n "$WINDOW" ]
}
if ! wait_until "$WINDOW_SECONDS" find_window; then
    echo "run-demo: no window named \"$CAPTION\" on display $DISPLAY within ${WINDOW_SECONDS} s" >&2
    exit 1
fi
if ! import -window "$WINDOW" "$SHOT"; then
    echo "run-demo: no screenshot of window $WINDOW on display $DISPLAY" >&2
    exit 1
fi
PRESENT=$(grep $'^unit\t' "$REPORT" | grep -v -c -e $'\tno-exist' -e $'\t(NOTDONE)' || true)
UNITS="units"
if [ "$PRESENT" = 1 ]; then
    UNITS="unit"
fi
echo "== main window \"$CAPTION\": model $(sed -n 's/^model\t//p' "$REPORT"), $PRESENT $UNITS present"
echo "   status: $(sed -n 's/^status0\t//p' "$REPORT")"
grep '^box' "$REPORT" | cut -f4 | sed 's/^/   message box: /' || true
echo "Screenshot: $SHOT"
