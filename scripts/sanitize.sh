#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, any report fatal, and
# runs the whole test suite in that build.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing "${tarnvale_test_packages[@]}"
build="$tarnvale_root/build-sanitize"
tarnvale_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNVALE_SANITIZE=address,undefined \
    -DTARNVALE_BENCHMARKS=OFF
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The package test and pip build their own, unsanitized; the plain build runs them.
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" \
    -E "PackageInstallsAndRuns|PythonPipInstall"
