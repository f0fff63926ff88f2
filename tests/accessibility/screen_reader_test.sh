#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs screen_reader.py as a screen reader meets the program: under Xvfb, on a
# D-Bus session whose accessibility bus starts as a desktop's would, with
# Debian's own Python, the one that has pyatspi.
set -euo pipefail
exec xvfb-run -a dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$@"
