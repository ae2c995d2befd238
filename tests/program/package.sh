#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built by scripts/package.sh and passed by lintian. As root it is installed with
# apt, started by its desktop entry's command from another folder, plays a trial, and leaves none of
# its files behind when removed; otherwise its contents are checked.
source "$(dirname "$0")/common.sh"
root=$(cd "$(dirname "$0")/../.." && pwd)

bash "$root/scripts/package.sh" "$tmp/package" >"$tmp/package.log" 2>&1 || { tail -n 40 "$tmp/package.log" >&2; fail "scripts/package.sh failed"; }
deb=$(tail -n 1 "$tmp/package.log")
[[ -f $deb ]] || fail "scripts/package.sh did not end with the package's path: $deb"

expected=(
    usr/games/zandel-programm
    usr/lib/zandel-programm/zandel-programm
    usr/lib/zandel-programm/leer.jpg
    usr/lib/zandel-programm/Zandel_oben.jpg
    usr/lib/zandel-programm/ppunkte.txt
    usr/share/applications/zandel-programm.desktop
    usr/share/metainfo/invalid.zandel_programm.ZandelProgramm.metainfo.xml
    usr/share/icons/hicolor/48x48/apps/zandel-programm.png
    usr/share/icons/hicolor/scalable/apps/zandel-programm.svg
    usr/share/man/man6/zandel-programm.6.gz
    usr/share/doc/zandel-programm/copyright
)
if [[ $(id -u) -ne 0 ]]; then
    contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
    for file in "${expected[@]}"; do
        grep -qxF "./$file" <<<"$contents" || fail "not in the package: $file"
    done
    echo "PASS: package built and passed by lintian; not root, so its contents were checked instead"
    exit 0
fi

remove_package() { DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y zandel-programm >>"$tmp/apt.log" 2>&1; }
trap 'remove_package || true; cleanup' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log" >&2; fail "apt-get could not install $deb"; }
mapfile -t installed < <(dpkg -L zandel-programm)
for file in "${expected[@]}"; do
    [[ -f /$file ]] || fail "not installed: /$file"
done

# As the desktop's menu starts it: the entry's command, found on the PATH, from another folder.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/zandel-programm.desktop)
program=$(PATH=/usr/local/bin:/usr/bin:/bin:/usr/games command -v "$command") || fail "$command is not on the PATH"
play_one_trial_and_quit

remove_package || fail "apt-get could not remove the package"
for file in "${installed[@]}"; do
    [[ -d $file || ! -e $file ]] || fail "left behind after removal: $file"
done
[[ ! -e /usr/lib/zandel-programm ]] || fail "the program folder was left behind"
echo "PASS: the package installed with apt, scored $points from its menu command, and was removed cleanly"
