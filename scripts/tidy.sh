#!/usr/bin/env bash
# Runs clang-tidy, with the checks of .clang-tidy, over the project's own sources; any finding
# fails.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing
build="$tarnvale_root/build"
tarnvale_build "$build" >/dev/null
cd "$tarnvale_root"
mapfile -t sources < <(git ls-files 'engine/*.cpp' 'cli/*.cpp' 'ui/*.cpp' 'app/*.cpp')
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet
echo "clang-tidy: ${#sources[@]} files, no findings"
