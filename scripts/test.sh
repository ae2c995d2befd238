#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and the tests need, builds, and runs every test.
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

ZANDEL_PACKAGES+=("${ZANDEL_TEST_PACKAGES[@]}")
zandel_install_missing
zandel_check_format
zandel_check_licences
zandel_build -DBUILD_TESTING=ON
cd "$ZANDEL_ROOT/build"
ctest --output-on-failure
