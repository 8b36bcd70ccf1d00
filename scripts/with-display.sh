#!/usr/bin/env bash
# Runs a command on a virtual display of its own, e.g. a screenshot program of the tests:
#
#   bash scripts/with-display.sh build/test/tests/panel/panel_screenshots DIR
#
# Xvfb chooses a free display itself (see scripts/display.sh); the command starts once that Xvfb is
# serving it, with DISPLAY and XAUTHORITY set, and the Xvfb is stopped when the command ends. Ends with
# the command's exit code, or 1 when no display could be started.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: scripts/with-display.sh COMMAND [ARGUMENT...]" >&2; exit 2; }
source "$(dirname "$0")/display.sh"
FOLDER=$(mktemp -d)
trap 'own_display_stop; rm -rf "$FOLDER"' EXIT
own_display_start "$FOLDER" || exit 1
status=0
"$@" || status=$?
exit "$status"
