#!/usr/bin/env bash
# Builds the window and the command-line tool, and nothing else, in a build folder of their
# own, and runs the window; arguments go to Qt (e.g. -platform offscreen). tarnvale-cli lands
# beside it in build-run/bin.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing "${tarnvale_run_packages[@]}"
tarnvale_build "$tarnvale_root/build-run" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DTARNVALE_BENCHMARKS=OFF -DTARNVALE_FUZZ=OFF --target tarnvale --target tarnvale-cli
exec "$tarnvale_root/build-run/bin/tarnvale" "$@"
