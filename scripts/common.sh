# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: installs what is missing and builds.
# Sourced, not run; expects ZANDEL_ROOT to be the project's folder.

# What building and running the program need: scripts/run.sh installs these alone.
ZANDEL_PACKAGES=(
    cmake ninja-build g++ qt6-base-dev pkgconf libx11-dev  # build
    libxcb-shm0-dev libxcb-xkb-dev       # the picture box and held keys on X11
    qt6-base-private-dev libwayland-dev  # the picture box on Wayland
    qt6-wayland                          # running natively on Wayland
    fonts-liberation                     # a face that stands in for Arial
)
# What the tests need besides: scripts/test.sh and the benchmark add them.
ZANDEL_TEST_PACKAGES=(
    xvfb xauth xdotool x11-xkb-utils x11-utils  # tests of the real program
    clang-format                         # the layout check
    reuse                                # the licence check
    dpkg-dev debhelper fakeroot lintian  # the Debian package
    weston                               # the Wayland test
    mutter dbus-daemon                   # the test under GNOME's window manager
    at-spi2-core python3-pyatspi         # the test with a screen reader's key listener
)

zandel_install_missing() {
    local missing=() package
    for package in "${ZANDEL_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    zandel_as_root apt-get update
    zandel_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Runs a command as root, through sudo where this is not root already.
zandel_as_root() {
    if [[ $(id -u) -ne 0 ]]; then
        sudo "$@"
    else
        "$@"
    fi
}

# Builds into ZANDEL_BUILD (build/ unless set). Arguments: further CMake settings.
zandel_build() {
    local folder=${ZANDEL_BUILD:-$ZANDEL_ROOT/build}
    cmake -S "$ZANDEL_ROOT" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$folder"
}

# Fails when a C++ file is not laid out as .clang-format says.
zandel_check_format() {
    (cd "$ZANDEL_ROOT" && find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 clang-format --dry-run -Werror)
}

# Fails when a file carries no licence and copyright, in its header or in .reuse/dep5.
zandel_check_licences() {
    (cd "$ZANDEL_ROOT" && reuse lint --quiet) || { (cd "$ZANDEL_ROOT" && reuse lint | tail -n 20); return 1; }
}
