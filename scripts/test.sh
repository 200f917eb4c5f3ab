#!/usr/bin/env bash
# Builds everything and runs every check, headless:
#   1. the build, warnings as errors, and the whole test suite; a build without the
#      command-line tool, which shows that nothing else needs it;
#   2. the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. each fuzz target for a bounded time (FUZZ_SECONDS, default 30);
#   4. clang-tidy over the project's sources.
# Set TARNVALE_QUICK=1 to run step 1 only.
set -euo pipefail
here=$(dirname "$0")
source "$here/setup.sh"
tarnvale_install_missing "${tarnvale_test_packages[@]}"
tarnvale_build "$tarnvale_root/build" -DTARNVALE_WERROR=ON
tarnvale_build "$tarnvale_root/build-nocli" -DTARNVALE_WERROR=ON -DTARNVALE_CLI=OFF >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$tarnvale_root/build" --output-on-failure --parallel "$(nproc)"
if [ "${TARNVALE_QUICK:-0}" = 1 ]; then
    exit 0
fi
"$here/sanitize.sh"
"$here/fuzz.sh" "${FUZZ_SECONDS:-30}"
"$here/tidy.sh"
echo "all checks passed: tests, sanitizers, fuzzing, clang-tidy"
