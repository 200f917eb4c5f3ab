#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting from the
# checked-in seed corpus. A crash, a sanitizer report or a time-out fails the run.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 30)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing "${tarnvale_test_packages[@]}"
seconds=${1:-30}
build="$tarnvale_root/build-fuzz"
CC=clang CXX=clang++ tarnvale_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARNVALE_GUI=OFF -DBUILD_TESTING=OFF -DTARNVALE_BENCHMARKS=OFF -DTARNVALE_FUZZ=ON >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in parse_channel_fuzz parse_number_fuzz cli_args_fuzz find_frequency_fuzz csv_reader_fuzz; do
    mkdir -p "$work/$target"
    echo "-- $target, ${seconds}s"
    (cd "$work" && "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$work/$target" "$tarnvale_root/tests/fuzz/corpus/$target" \
        >"$work/$target.log" 2>&1) || { tail -40 "$work/$target.log"; echo "fuzzing failed: $target"; exit 1; }
    grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec' "$work/$target.log"
done
echo "fuzzing: every target ran clean"
