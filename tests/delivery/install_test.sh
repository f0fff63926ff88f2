#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install into a scratch root: the program, a valid desktop entry, a
# valid AppStream file and the planet's icon in every hicolor size.
set -euo pipefail
build_dir=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build_dir" --prefix /usr >/dev/null
share=$root/usr/share
id=org.satrivox.Satrivox

test -x "$root/usr/bin/satrivox"
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -qx "Icon=$id" "$share/applications/$id.desktop"
for size in 16 22 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    file "$icon" | grep -q "PNG image data, $size x $size" || { echo "icon $icon is not ${size}x${size}"; exit 1; }
done
