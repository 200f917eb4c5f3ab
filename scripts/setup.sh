#!/usr/bin/env bash
# Installs the Debian packages a build needs, when missing. Sourced by the other scripts.
set -euo pipefail

# What building the window, the command-line tool and the Python module and running the window
# takes.
tarnvale_run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libcli11-dev libconfig++-dev
    python3-dev pybind11-dev
    fonts-liberation2
)
# What building and running every test, benchmark, fuzzer and check takes besides.
tarnvale_test_packages=(
    "${tarnvale_run_packages[@]}"
    nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    python3-pytest python3-numpy python3-pip python3-setuptools
    desktop-file-utils appstream dpkg-dev lintian
    clang clang-tidy libclang-rt-14-dev
)

# Usage: tarnvale_install_missing PACKAGE...
tarnvale_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
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

# Usage: tarnvale_build DIR [CMAKE_OPTIONS...] [--target TARGET]
tarnvale_build() {
    local dir=$1
    shift
    local options=() targets=()
    while [ $# -gt 0 ]; do
        if [ "$1" = --target ]; then
            targets+=(--target "$2")
            shift 2
        else
            options+=("$1")
            shift
        fi
    done
    cmake -S "$tarnvale_root" -B "$dir" -G Ninja "${options[@]}" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}

tarnvale_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
