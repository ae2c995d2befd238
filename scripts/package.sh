#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package outside the work tree and checks it with lintian. The maintainer comes
# from DEBFULLNAME and DEBEMAIL when they are set, as Debian's own tools take it. Leaves the package
# in the folder given as the argument (build-package/ without one) and prints its path as the last
# line.
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

ZANDEL_PACKAGES=(dpkg-dev debhelper fakeroot lintian)
zandel_install_missing
if ! (cd "$ZANDEL_ROOT" && dpkg-checkbuilddeps >/dev/null 2>&1); then
    zandel_as_root apt-get update
    (cd "$ZANDEL_ROOT" && zandel_as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get build-dep -y --no-install-recommends ./)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(cd "$ZANDEL_ROOT" && dpkg-parsechangelog -S Version)
source_dir=$work/zandel-programm-$version
mkdir "$source_dir"
# What the work tree holds, less the builds and whatever git ignores.
if git -C "$ZANDEL_ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$ZANDEL_ROOT" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [[ -e $file ]] && printf '%s\0' "$file"; done |
        tar --null -T - -cf -) | tar -C "$source_dir" -xf -
else
    tar -C "$ZANDEL_ROOT" --exclude='./build*' -cf - . | tar -C "$source_dir" -xf -
fi

if [[ -n ${DEBFULLNAME:-} && -n ${DEBEMAIL:-} ]]; then
    maintainer="$DEBFULLNAME <$DEBEMAIL>"
    sed -i "s/^Maintainer: .*/Maintainer: $maintainer/" "$source_dir/debian/control"
    sed -i "0,/^ -- .*>  /s/^ -- .*>  / -- $maintainer  /" "$source_dir/debian/changelog"
fi

(cd "$source_dir" && dpkg-buildpackage -us -uc -b)

out=${1:-$ZANDEL_ROOT/build-package}
mkdir -p "$out"
rm -f "$out"/*.deb "$out"/*.buildinfo "$out"/*.changes
cp "$work"/*.deb "$work"/*.buildinfo "$work"/*.changes "$out"/
package=$(ls "$out"/zandel-programm_"$version"_*.deb)
echo "lintian:"
lintian --fail-on error,warning --display-info "$package"
echo "$package"
