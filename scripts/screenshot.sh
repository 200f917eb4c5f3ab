#!/usr/bin/env bash
# Renders the README's screenshots from the real program on the offscreen platform: the main
# window at GSM, DCS 1800, the channel at list position 100, and the Carrier window.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarnvale_install_missing "${tarnvale_test_packages[@]}"
tarnvale_build "$tarnvale_root/build" >/dev/null
QT_QPA_PLATFORM=offscreen "$tarnvale_root/build/bin/tarnvale-screenshot" \
    "$tarnvale_root/docs/screenshot.png" 1 2 100
QT_QPA_PLATFORM=offscreen "$tarnvale_root/build/bin/tarnvale-screenshot" \
    "$tarnvale_root/docs/carrier.png" carrier
echo "wrote docs/screenshot.png and docs/carrier.png"
