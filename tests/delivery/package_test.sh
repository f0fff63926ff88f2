#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, has lintian check it (no error, no warning, no
# hardening note), then unpacks it into a scratch root and starts the packaged
# program offscreen until it has drawn its first plot.
set -euo pipefail
build_dir=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
package=$work/satrivox_${version}_$(dpkg --print-architecture).deb
test -f "$package"

report=$(lintian --fail-on error,warning --display-info --no-tag-display-limit "$package") ||
    { echo "$report"; echo "lintian reports errors or warnings"; exit 1; }
if grep -E '^[EWI]: .*hardening-' <<<"$report"; then
    echo "lintian finds the binary built without Debian's hardening"
    exit 1
fi

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    grep -q "$library (>=" <<<"$depends" || { echo "Depends: $depends lacks a computed $library"; exit 1; }
done

dpkg-deb -x "$package" "$work/root"
log=$work/run.log
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="satrivox.plot.debug=true" TZ=UTC \
    "$work/root/usr/bin/satrivox" >"$log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    grep -q "satrivox.plot: plotted" "$log" && break
    kill -0 "$pid" 2>/dev/null || { cat "$log"; echo "the packaged program ended early"; exit 1; }
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
grep "satrivox.plot: plotted" "$log" || { cat "$log"; echo "no first plot within 10 s"; exit 1; }
