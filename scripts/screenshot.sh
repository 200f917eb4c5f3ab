#!/usr/bin/env bash
# Renders the README's screenshot of the main window from the real program on the offscreen
# platform: GSM, DCS 1800, the channel at list position 100. (The tool windows' screenshots are
# taken under Xvfb with a window manager, where their placement shows.)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing "${tarnvale_test_packages[@]}"
tarnvale_build "$tarnvale_root/build" >/dev/null
QT_QPA_PLATFORM=offscreen "$tarnvale_root/build/bin/tarnvale-screenshot" \
    "$tarnvale_root/docs/screenshot.png" 1 2 100
echo "wrote docs/screenshot.png"
