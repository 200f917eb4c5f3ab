#!/usr/bin/env bash
# Builds everything and runs every test, headless.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing
tarnvale_build "$tarnvale_root/build"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$tarnvale_root/build" --output-on-failure --parallel "$(nproc)"
