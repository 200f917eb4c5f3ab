#!/usr/bin/env bash
# Builds the window, the command-line tool and the Python module, and nothing else, in a build
# folder of their own, and runs the window; arguments go to Qt (e.g. -platform offscreen).
# tarnvale-cli lands beside it in build-run/bin, the module in build-run/python
# (PYTHONPATH=build-run/python python3 -c "import tarnvale").
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing "${tarnvale_run_packages[@]}"
tarnvale_build "$tarnvale_root/build-run" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DTARNVALE_BENCHMARKS=OFF -DTARNVALE_FUZZ=OFF --target tarnvale --target tarnvale-cli \
    --target _tarnvale
exec "$tarnvale_root/build-run/bin/tarnvale" "$@"
