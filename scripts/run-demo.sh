#!/usr/bin/env bash
# Builds the program and runs it against the simulated switch (sim/), or against a real switch when
# program options are given after "--".
#
#   scripts/run-demo.sh [--units N] [--model M | --models M1,M2,...] [--stack enabled|disabled]
#                       [--firmware KA|KB|KC] [--screenshot FILE] [-- PROGRAM-OPTIONS...]
#
#   --units N        stack units of the simulated switch, 1 to 6 (default 2)
#   --model M        model of every unit: 24RA, 24DA, 24ZO, 48DA, 48RO, 24ZO-DC (default 24RA)
#   --models LIST    one model per unit, comma-separated (the first one is the master)
#   --stack MODE     stacking mode (default: enabled with two or more units, else disabled)
#   --firmware ED    firmware edition (default KB)
#   --screenshot F   where the screenshot goes without a display (default build/demo/run/main-window.png)
#
# As root the simulated switch listens on a loopback address at port 161 and the program talks
# SNMPv1 to it. A normal user cannot bind port 161, and SNMPv1/v2c always use 161, so the switch
# then listens on a free high port and the program talks SNMPv3 (user zqs-noauth) with /t<port>.
# Without a display the program runs under Xvfb, and the script writes a screenshot of the main
# window once start-up is over, prints its path and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

UNITS=2
MODELS=
MODEL=24RA
STACK=
FIRMWARE=KB
SHOT=
PROGRAM_ARGS=()
while [ $# -gt 0 ]; do
    case "$1" in
    --units) UNITS=$2; shift 2 ;;
    --model) MODEL=$2; shift 2 ;;
    --models) MODELS=$2; shift 2 ;;
    --stack) STACK=$2; shift 2 ;;
    --firmware) FIRMWARE=$2; shift 2 ;;
    --screenshot) SHOT=$2; shift 2 ;;
    --) shift; PROGRAM_ARGS=("$@"); break ;;
    -h|--help) sed -n '2,20p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run-demo: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
done

bash scripts/deps.sh x11-utils

BUILD_DIR=${BUILD_DIR:-build/demo}
echo "== building the program in $BUILD_DIR"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZQS_TESTS=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "${JOBS:-4}" --target zqs4410
EXE=$ROOT/$BUILD_DIR/src/app/zqs4410
# The program keeps its SNMPv3 boot counter in, and reads errmsg/ from, its current directory.
RUN=$ROOT/$BUILD_DIR/run
mkdir -p "$RUN"
SHOT=${SHOT:-$RUN/main-window.png}
case "$SHOT" in /*) ;; *) SHOT=$ROOT/$SHOT ;; esac

AGENT_PID= AGENT_FOLDER= XVFB_PID= APP_PID=
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
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
            if LINE=$(sim/agent.sh start --scenario "$SCENARIO" --address "$ADDRESS" --port 161 --owner-pid $$); then
                break
            fi
            LINE=
        done
    else
        LINE=$(sim/agent.sh start --scenario "$SCENARIO" --address 127.0.0.1 --port 0 --owner-pid $$)
    fi
    [ -n "${LINE:-}" ] || { echo "run-demo: the simulated switch did not start" >&2; exit 1; }
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

# No display: a virtual one, and a screenshot once start-up is over.
for n in $(seq 99 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        DISPLAY_NUMBER=$n
        break
    fi
done
Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 -nolisten tcp >"$RUN/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
for _ in $(seq 100); do
    xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
done
xwininfo -root >/dev/null 2>&1 || { echo "run-demo: Xvfb did not start (see $RUN/xvfb.log)" >&2; exit 1; }

REPORT=$RUN/startup-report.txt
rm -f "$REPORT"
printf 'report\t%s\nsnapshot\n' "$REPORT" >"$RUN/startup-script.txt"
ZQS_TEST_HOOK=$RUN/startup-script.txt "$EXE" "${PROGRAM_ARGS[@]}" >"$RUN/program.log" 2>&1 &
APP_PID=$!
for _ in $(seq 600); do
    grep -q '^end$' "$REPORT" 2>/dev/null && break
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q '^end$' "$REPORT" 2>/dev/null; then
    echo "run-demo: the program did not finish its start-up (see $RUN/program.log)" >&2
    exit 1
fi
CAPTION=$(sed -n 's/^caption\t//p' "$REPORT")
WINDOW=$(xwininfo -name "$CAPTION" | awk '/Window id:/ {print $4}')
import -window "$WINDOW" "$SHOT"
PRESENT=$(grep $'^unit\t' "$REPORT" | grep -v -c -e $'\tno-exist' -e $'\t(NOTDONE)' || true)
UNITS="units"
if [ "$PRESENT" = 1 ]; then
    UNITS="unit"
fi
echo "== main window \"$CAPTION\": model $(sed -n 's/^model\t//p' "$REPORT"), $PRESENT $UNITS present"
echo "   status: $(sed -n 's/^status0\t//p' "$REPORT")"
grep '^box' "$REPORT" | cut -f4 | sed 's/^/   message box: /' || true
echo "Screenshot: $SHOT"
