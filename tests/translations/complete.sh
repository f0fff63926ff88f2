#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every translation is complete: lupdate, run on a copy of each file against the
# sources as they are, finds no words of theirs without a translation
# (unfinished) and none that the sources no longer have (vanished, obsolete).
#   complete.sh "LUPDATE [OPTION...]" SOURCE-LIST FILE.ts...
set -eu
lupdate=$1
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    # shellcheck disable=SC2086  # the command and its options, split as the build wrote them
    $lupdate -silent @"$sources" -ts "$copy" 2>/dev/null
    if grep -q 'type="\(unfinished\|vanished\|obsolete\)"' "$copy"; then
        echo "$(basename "$ts"): $(grep -c 'type="unfinished"' "$copy") unfinished, $(grep -c 'type="\(vanished\|obsolete\)"' "$copy") no longer in the sources"
        grep -B2 'type="\(unfinished\|vanished\|obsolete\)"' "$copy" | grep '<source>' | head -5
        status=1
    fi
done
[ $status -eq 0 ] && echo "$# translations complete"
exit $status
