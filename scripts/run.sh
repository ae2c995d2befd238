#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zandel-Programm authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need, builds, and starts the program beside its images and
# seed copy.
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

zandel_install_missing
zandel_build
cd "$ZANDEL_ROOT/build"
exec ./zandel-programm
