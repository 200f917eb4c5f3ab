#!/usr/bin/env bash
# Builds the program and runs it; arguments go to Qt (e.g. -platform offscreen).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing
tarnvale_build "$tarnvale_root/build"
exec "$tarnvale_root/build/bin/tarnvale" "$@"
