#!/usr/bin/env bash
# Installs the Debian packages the build needs, when missing. Sourced by run.sh and test.sh.
set -euo pipefail

tarnvale_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2
    desktop-file-utils appstream dpkg-dev
    clang clang-tidy libclang-rt-14-dev
)

tarnvale_install_missing() {
    local missing=()
    local pkg
    for pkg in "${tarnvale_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Install them as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..." >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

tarnvale_build() {
    local dir=$1
    shift
    cmake -S "$tarnvale_root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

tarnvale_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
