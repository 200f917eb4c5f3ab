#!/usr/bin/env bash
# Builds the program, and only the program, in a build folder of its own, and runs it;
# arguments go to Qt (e.g. -platform offscreen).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing "${tarnvale_run_packages[@]}"
tarnvale_build "$tarnvale_root/build-run" -DCMAKE_BUILD_TYPE=Release -DTARNVALE_CLI=OFF \
    -DBUILD_TESTING=OFF -DTARNVALE_BENCHMARKS=OFF -DTARNVALE_FUZZ=OFF --target tarnvale
exec "$tarnvale_root/build-run/bin/tarnvale" "$@"
