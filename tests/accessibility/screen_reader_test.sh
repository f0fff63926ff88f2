#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs screen_reader.py as a screen reader meets the program: under Xvfb, on a
# D-Bus session whose accessibility bus starts as a desktop's would, with
# Debian's own Python, the one that has pyatspi.
set -euo pipefail
# Xvfb takes a free display itself (-displayfd) and names it when ready.
# -noreset: the accessibility library opens the display and closes it again
# before the program starts, and a server whose last client left resets,
# refusing whoever connects meanwhile ("cannot open the display").
coproc XVFB { exec Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 1280x1024x24 2>/dev/null; }
server=$XVFB_PID
trap 'kill "$server" 2>/dev/null; wait "$server" || true' EXIT
read -r -t 10 display <&"${XVFB[0]}" || { echo "FAIL: Xvfb did not start"; exit 1; }
DISPLAY=:$display dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$@"
