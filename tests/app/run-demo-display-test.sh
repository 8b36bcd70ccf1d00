#!/usr/bin/env bash
# scripts/run-demo.sh without a display while another X server holds display :99, as a server of
# another filesystem view (a container or a chroot sharing the network) does: it listens on the
# abstract socket and leaves no /tmp/.X11-unix/X99 or /tmp/.X99-lock in this view, and it takes only
# clients that hold its cookie, as an xvfb-run display does. The demo must run on a display of its
# own and end 0 with a screenshot of its main window and "3 units present"; the other server lives on.
#
#   tests/app/run-demo-display-test.sh PROGRAM WORK-FOLDER
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
PROGRAM=$1
WORK=$2
rm -rf "$WORK"
mkdir -p "$WORK"
source "$ROOT/scripts/display.sh" # wait_until

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
held() { grep -q ' @/tmp/.X11-unix/X99$' /proc/net/unix; }
blocker_settled() { held || ! kill -0 "$BLOCKER_PID" 2>/dev/null; }

BLOCKER_PID=
cleanup() {
    if [ -n "$BLOCKER_PID" ]; then
        kill "$BLOCKER_PID" 2>/dev/null || true
        wait "$BLOCKER_PID" 2>/dev/null || true
    fi
}
trap cleanup EXIT

if held; then
    echo "display :99 is held by an X server of someone else: the demo runs beside that one"
else
    : >"$WORK/blocker.xauthority"
    xauth -q -f "$WORK/blocker.xauthority" add :99 . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
    XVFB=(Xvfb :99 -auth "$WORK/blocker.xauthority" -nolisten tcp -screen 0 640x480x24)
    # A /tmp of its own keeps the server's socket file and lock out of this view.
    HIDDEN='mount -t tmpfs tmpfs /tmp && exec "$@"'
    for how in "own /tmp" "own /tmp, user namespace" "shared /tmp"; do
        case $how in
        "own /tmp") unshare --mount --propagation private sh -c "$HIDDEN" sh "${XVFB[@]}" \
            >>"$WORK/blocker.log" 2>&1 </dev/null & ;;
        "own /tmp, user namespace")
            unshare --user --map-root-user --mount --propagation private sh -c "$HIDDEN" sh "${XVFB[@]}" \
                >>"$WORK/blocker.log" 2>&1 </dev/null &
            ;;
        *) "${XVFB[@]}" >>"$WORK/blocker.log" 2>&1 </dev/null & ;;
        esac
        BLOCKER_PID=$!
        wait_until 10 blocker_settled || true
        if held && kill -0 "$BLOCKER_PID" 2>/dev/null; then
            break
        fi
        kill "$BLOCKER_PID" 2>/dev/null || true
        wait "$BLOCKER_PID" 2>/dev/null || true
        BLOCKER_PID=
    done
    [ -n "$BLOCKER_PID" ] || fail "no X server could be started on display :99 (see $WORK/blocker.log)"
    echo "display :99 held by Xvfb pid $BLOCKER_PID with $how"
fi

status=0
env -u DISPLAY -u XAUTHORITY bash "$ROOT/scripts/run-demo.sh" --program "$PROGRAM" --run-folder "$WORK/run" \
    --models 48RO,24DA,24ZO-DC >"$WORK/demo.out" 2>&1 || status=$?
cat "$WORK/demo.out"
SHOT=$WORK/run/main-window.png
[ "$status" = 0 ] || fail "run-demo ended with $status"
grep -q '3 units present' "$WORK/demo.out" || fail "the demo did not report 3 units present"
grep -qxF "Screenshot: $SHOT" "$WORK/demo.out" || fail "the demo named no screenshot $SHOT"
USED=$(sed -n 's/^   display :\([0-9]*\) .*/\1/p' "$WORK/demo.out")
[ -n "$USED" ] && [ "$USED" != 99 ] || fail "the demo ran on display :${USED:-?}, not one of its own"
# The main window's picture: the window's size, and more than a plain fill.
read -r WIDTH HEIGHT COLOURS < <(identify -format '%w %h %k\n' "$SHOT") || fail "$SHOT is no picture"
[ "$WIDTH" -ge 600 ] && [ "$HEIGHT" -ge 200 ] && [ "$COLOURS" -ge 16 ] ||
    fail "$SHOT is ${WIDTH}x${HEIGHT} with $COLOURS colours, not the main window"
if [ -n "$BLOCKER_PID" ]; then
    kill -0 "$BLOCKER_PID" 2>/dev/null && held || fail "the X server on :99 did not live on"
fi
echo "PASS: the demo ran on display :$USED beside the X server on :99 (${WIDTH}x${HEIGHT} screenshot)"
