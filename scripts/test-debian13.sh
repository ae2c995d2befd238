#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs scripts/test.sh as a new user of Debian 13 (trixie) would: in a clean chroot, on a fresh clone
# of the committed tree, installing every package itself. The chroot's base system and the packages
# apt downloads are kept in /var/cache/zandel-programm, so a second run needs the network only for
# what is new; each run starts from the untouched base. Runs as root (debootstrap, chroot, mounts).
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

suite=trixie
cache=/var/cache/zandel-programm/debian13
base=$cache/base
archives=$cache/archives

if [[ $(id -u) -ne 0 ]]; then
    echo "scripts/test-debian13.sh makes a chroot and must run as root" >&2
    exit 1
fi
ZANDEL_PACKAGES=(debootstrap git)
zandel_install_missing

# The Debian mirror apt already uses here.
mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Identifier: Packages' 2>/dev/null |
    grep -m 1 -E '/debian/?$' || true)
mirror=${mirror:-http://deb.debian.org/debian/}

if [[ ! -e $base/.complete ]]; then
    echo "Making a Debian 13 base system from $mirror (only once)"
    rm -rf --one-file-system "$base"
    mkdir -p "$base"
    # git: a person on Debian 13 has cloned the project to get it.
    debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$base" "$mirror"
    rm -f "$base"/var/cache/apt/archives/*.deb
    touch "$base/.complete"
fi
mkdir -p "$archives/partial"

root=$(mktemp -d /var/tmp/zandel-debian13.XXXXXX)
trap 'rm -rf --one-file-system "$root"' EXIT
cp -a "$base/." "$root/"
# debootstrap's one-line list, replaced by the form Debian 13 itself installs.
rm -f "$root/etc/apt/sources.list"
cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone --quiet "$ZANDEL_ROOT" "$root/src"

echo "Testing $(git -C "$ZANDEL_ROOT" rev-parse --short HEAD) on $(cat "$root/etc/debian_version") in $root"
# A PID and mount namespace of its own: the mounts, and every process the tests leave, end with it.
unshare --pid --fork --mount --propagation private bash -euo pipefail -c '
    root=$1 archives=$2
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    mount -t tmpfs -o mode=755 tmpfs "$root/run"
    mount --bind "$archives" "$root/var/cache/apt/archives"
    exec chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 CI="${CI:-}" bash -c "cd /src && bash scripts/test.sh"
' bash "$root" "$archives"
