# A virtual display of a script's own, sourced by scripts/run-demo.sh and scripts/with-display.sh.
#
#   own_display_start FOLDER [XVFB-OPTION...]
#       Starts Xvfb so that Xvfb itself chooses a free display and reports its number (-displayfd),
#       then waits until that Xvfb process is alive and serving it. On success DISPLAY and XAUTHORITY
#       are exported and OWN_XVFB_PID is set; otherwise it says why, with the log's path
#       (FOLDER/xvfb.log), and returns 1. Options default to one 1280x1024 screen of 24 bits.
#   own_display_stop
#       Stops that Xvfb by its process id.
#   wait_until SECONDS COMMAND...
#       Runs COMMAND every tenth of a second until it succeeds (returns 0) or SECONDS have passed
#       (returns 1).
#   say_why_not PID RUNNING-TEXT ENDED-TEXT
#       After a wait for a process that failed: says the first text on stderr while the process runs,
#       else the second.
#
# Why not pick a number that has no /tmp/.X11-unix/X<n> and no /tmp/.X<n>-lock: a server of another
# filesystem view (a container or a chroot sharing the network) leaves neither here, as it listens on
# the abstract socket, so our Xvfb would fail on that number while our clients talked to the other
# server. Only a bind tells, and Xvfb does it. The display also takes only clients that hold its own
# cookie, so a client that reaches another server is refused rather than served there.

OWN_XVFB_PID=
OWN_XVFB_SECONDS=10

wait_until() {
    local boundUs=$(($1 * 1000000)) start=${EPOCHREALTIME/./}
    shift
    until "$@"; do
        ((${EPOCHREALTIME/./} - start < boundUs)) || return 1
        sleep 0.1
    done
}

say_why_not() {
    if kill -0 "$1" 2>/dev/null; then
        echo "$2" >&2
    else
        echo "$3" >&2
    fi
}

# True once Xvfb has written its display's number and a newline, or once it has ended.
_own_display_reported() {
    read -r _OWN_DISPLAY_NUMBER 2>/dev/null <"$_OWN_DISPLAY_NUMBER_FILE" && return 0
    ! kill -0 "$OWN_XVFB_PID" 2>/dev/null
}

_own_display_serves() {
    kill -0 "$OWN_XVFB_PID" 2>/dev/null && xwininfo -root >/dev/null 2>&1
}

own_display_start() {
    local folder=$1 options=("${@:2}")
    [ ${#options[@]} -gt 0 ] || options=(-screen 0 1280x1024x24)
    local log=$folder/xvfb.log cookie name
    _OWN_DISPLAY_NUMBER_FILE=$folder/xvfb.display
    _OWN_DISPLAY_NUMBER=
    mkdir -p "$folder"
    rm -f "$_OWN_DISPLAY_NUMBER_FILE" "$folder/xauthority"
    export XAUTHORITY=$folder/xauthority
    # One entry for any address and any display number: the number is known only once Xvfb has bound it.
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    name=$(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n')
    if ! echo "ffff 0000  0000  0012 $name 0010 $cookie" | xauth -q -f "$XAUTHORITY" nmerge - 2>"$log"; then
        echo "display: could not write the display's cookie to $XAUTHORITY (see $log)" >&2
        return 1
    fi
    Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp "${options[@]}" 3>"$_OWN_DISPLAY_NUMBER_FILE" \
        >"$log" 2>&1 </dev/null &
    OWN_XVFB_PID=$!
    wait_until "$OWN_XVFB_SECONDS" _own_display_reported || true
    if ! [[ $_OWN_DISPLAY_NUMBER =~ ^[0-9]+$ ]]; then
        say_why_not "$OWN_XVFB_PID" \
            "display: Xvfb (pid $OWN_XVFB_PID) reported no display within ${OWN_XVFB_SECONDS} s (see $log)" \
            "display: Xvfb ended before it reported a display (see $log)"
        return 1
    fi
    export DISPLAY=:$_OWN_DISPLAY_NUMBER
    if ! wait_until "$OWN_XVFB_SECONDS" _own_display_serves; then
        say_why_not "$OWN_XVFB_PID" \
            "display: Xvfb (pid $OWN_XVFB_PID) did not serve $DISPLAY within ${OWN_XVFB_SECONDS} s (see $log)" \
            "display: Xvfb ended after it reported display $DISPLAY (see $log)"
        return 1
    fi
}

own_display_stop() {
    [ -n "$OWN_XVFB_PID" ] || return 0
    kill "$OWN_XVFB_PID" 2>/dev/null || true
    wait "$OWN_XVFB_PID" 2>/dev/null || true
    OWN_XVFB_PID=
}
