#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as ./package.sh makes it for a user: lintian-clean (no
# error, warning or hardening note), computed dependencies, valid desktop and
# AppStream data, the icon in every size, and a packaged program that draws its
# first plot. Skipped (status 77), naming them, where the tools it checks with
# are not installed: ./test.sh installs them.
set -euo pipefail
source_dir=$1

missing=()
for tool in cpack dpkg dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "skipped: not installed: ${missing[*]} (scripts/install-deps.sh test installs them)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
package=$("$source_dir/package.sh" 2>"$work/package.log") || { cat "$work/package.log"; echo "package.sh failed"; exit 1; }
[ -f "$package" ] || { echo "package.sh named no package: $package"; exit 1; }
report=$(lintian --fail-on error,warning --display-info --no-tag-display-limit "$package" 2>&1) ||
    { echo "$report"; echo "lintian reports errors or warnings"; exit 1; }
! grep -E '^[EWI]: .*hardening-' <<<"$report" || { echo "built without Debian's hardening"; exit 1; }
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6printsupport6 libstdc++6 libc6; do
    grep -qF -e "$library (>=" -e "${library}t64 (>=" <<<"$depends" || { echo "Depends: $depends lacks $library"; exit 1; }
done

root=$work/root
dpkg-deb -x "$package" "$root"
id=org.satrivox.Satrivox
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size"
done

# The installed program finds its SVG module where the package put it.
TZ=UTC "$root/usr/bin/satrivox" --chart 2019-01 --output "$work/chart.svg" ||
    { echo "the packaged program wrote no chart"; exit 1; }
grep -q "<svg" "$work/chart.svg" || { echo "the packaged program's chart is no SVG"; exit 1; }

# It carries its translations inside: nothing else is installed for them.
TZ=UTC LANGUAGE=fr "$root/usr/bin/satrivox" --events 2019-01-05 --days 1 | head -n 1 | grep -q "^Phénomènes des satellites de Jupiter" ||
    { echo "the packaged program does not speak French"; exit 1; }
[ "$(dpkg-deb -f "$package" Recommends)" = "qt6-translations-l10n" ] || { echo "Qt's own translations are not recommended"; exit 1; }

log=$work/run.log
XDG_CONFIG_HOME=$work QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="satrivox.plot.debug=true" TZ=UTC "$root/usr/bin/satrivox" >"$log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    grep -q "satrivox.plot: plotted" "$log" && break
    kill -0 "$pid" 2>/dev/null || { cat "$log"; echo "the packaged program ended early"; exit 1; }
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
grep "satrivox.plot: plotted" "$log" || { cat "$log"; echo "no first plot within 10 s"; exit 1; }
