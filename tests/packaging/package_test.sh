#!/usr/bin/env bash
# Installs the build into a scratch folder and validates the desktop files, then builds the
# Debian package, inspects it, unpacks it into a scratch root and starts both programs there.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work="$build/package-test"
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

echo "-- install"
DESTDIR="$work/install" cmake --install "$build" --prefix /usr >/dev/null
share="$work/install/usr/share"
desktop-file-validate "$share/applications/org.tarnvale.Tarnvale.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/org.tarnvale.Tarnvale.metainfo.xml" \
    | tee "$work/appstream.txt"
for size in 16 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${size}x${size}/apps/org.tarnvale.Tarnvale.png" ] || fail "no ${size}px icon"
done
[ -f "$share/icons/hicolor/scalable/apps/org.tarnvale.Tarnvale.svg" ] || fail "no scalable icon"
man -l "$share/man/man1/tarnvale-cli.1" >/dev/null 2>&1 || grep -q '^\.TH TARNVALE-CLI 1' \
    "$share/man/man1/tarnvale-cli.1" || fail "man page unreadable"

echo "-- package"
(cd "$build" && cpack -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/tarnvale_*.deb)
info=$(dpkg-deb --info "$deb")
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "Depends:.*$dependency" <<<"$info" || fail "package does not depend on $dependency"
done
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/tarnvale ./usr/bin/tarnvale-cli \
    ./usr/share/applications/org.tarnvale.Tarnvale.desktop \
    ./usr/share/metainfo/org.tarnvale.Tarnvale.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.tarnvale.Tarnvale.svg \
    ./usr/share/man/man1/tarnvale-cli.1; do
    grep -q " $file\$" <<<"$contents" || fail "package lacks $file"
done

echo "-- run from the unpacked package"
root="$work/root"
dpkg-deb -x "$deb" "$root"
[ "$("$root/usr/bin/tarnvale-cli" --version)" = "tarnvale-cli 2.20" ] || fail "tarnvale-cli --version"
"$root/usr/bin/tarnvale-cli" convert CDMA "Cell 800" 991 | grep -q '^CDMA,Cell 800,0,991,869.0400' \
    || fail "tarnvale-cli convert"
[ "$("$root/usr/bin/tarnvale" --version)" = "tarnvale 2.20" ] || fail "tarnvale --version"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tarnvale" >"$work/gui.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/gui.log" >&2; fail "tarnvale did not keep running (status $status)"; }
echo "package test passed"
