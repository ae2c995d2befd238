#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program with every platform option off, as a packager for a system without X11 or
# Wayland headers might, into build-options-off/; fails on a compiler warning. No tests.
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

zandel_install_missing
ZANDEL_BUILD=$ZANDEL_ROOT/build-options-off zandel_build -DWITH_X11=OFF -DWITH_X11_SHM=OFF -DWITH_WAYLAND=OFF \
    -DBUILD_TESTING=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
