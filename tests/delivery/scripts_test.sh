#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./run.sh, ./test.sh and ./package.sh run in turns, twice, with cmake, ctest,
# cpack and the package installer replaced by stand-ins that record how each
# build folder is configured: no two scripts share a folder, each configures its
# folders the same way every time, and only ./test.sh makes warnings errors.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/project/scripts" "$work/bin"
cp "$source_dir"/{run,test,package}.sh "$work/project/"
printf '#!/bin/sh\n' >"$work/project/scripts/install-deps.sh"
cat >"$work/bin/cmake" <<'EOF'
#!/usr/bin/env bash
if [ "$1" = --build ]; then
    mkdir -p "$2/app" && printf '#!/bin/sh\n' >"$2/app/satrivox" && chmod +x "$2/app/satrivox"
    exit 0
fi
options=()
while [ $# -gt 0 ]; do
    case $1 in -B) folder=$2; shift 2 ;; -S) shift 2 ;; *) options+=("$1"); shift ;; esac
done
mkdir -p "$folder" && echo 'set(CPACK_PACKAGE_VERSION "0")' >"$folder/CPackConfig.cmake"
echo "$folder $SCRIPT ${options[*]}" >>"$CONFIGURES"
EOF
printf '#!/bin/sh\n' | tee "$work/bin/ctest" >"$work/bin/cpack"
chmod +x "$work/bin"/* "$work/project/scripts/install-deps.sh"
export CONFIGURES=$work/configures PATH=$work/bin:$PATH
for script in run test package run test package; do
    SCRIPT=$script "$work/project/$script.sh" >/dev/null 2>&1 || { echo "$script.sh failed"; exit 1; }
done

fail() { echo "$*"; cat "$CONFIGURES"; exit 1; }
shared=$(awk '{print $1, $2}' "$CONFIGURES" | sort -u | awk '{print $1}' | uniq -d)
[ -z "$shared" ] || fail "build folders shared by two scripts: $shared"
churn=$(sort -u "$CONFIGURES" | awk '{print $1}' | uniq -d)
[ -z "$churn" ] || fail "build folders configured two ways: $churn"
! grep -E '^[^ ]+ (run|package) ' "$CONFIGURES" | grep -qv -- '-DSATRIVOX_WERROR=OFF' || fail "a user's build may treat warnings as errors"
grep -q -- '^build-test test .*-DSATRIVOX_WERROR=ON' "$CONFIGURES" || fail "./test.sh does not treat warnings as errors"
