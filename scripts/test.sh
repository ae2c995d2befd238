#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
ZANDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ZANDEL_ROOT/scripts/common.sh"

zandel_install_missing
zandel_check_format
zandel_build -DBUILD_TESTING=ON
cd "$ZANDEL_ROOT/build"
ctest --output-on-failure
