#!/usr/bin/env bash
# Installs the build into a scratch folder and validates the desktop files, then builds the
# Debian package, inspects it (and has lintian judge it, where lintian is installed), unpacks
# it into a scratch root and starts both programs there.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work="$build/package-test"
rm -rf "$work"
mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# No library search path may name the current directory (an empty or relative entry) or the
# program's own folder: a planted library there would be loaded.
check_search_paths() {
    local binary=$1 paths
    paths=$(readelf -d "$binary" | sed -n 's/.*(R\(UN\)\?PATH).*\[\(.*\)\]/\2/p')
    [ -z "$paths" ] || fail "$binary has a library search path: $paths"
}

echo "-- library search paths of the build"
check_search_paths "$build/bin/tarnvale"
check_search_paths "$build/bin/tarnvale-cli"

echo "-- install"
DESTDIR="$work/install" cmake --install "$build" --prefix /usr >/dev/null
share="$work/install/usr/share"
desktop-file-validate "$share/applications/org.tarnvale.tarnvale.desktop"
appstreamcli validate --no-net --pedantic --explain \
    "$share/metainfo/org.tarnvale.tarnvale.metainfo.xml" >"$work/appstream.txt" 2>&1 \
    || { cat "$work/appstream.txt" >&2; fail "appstreamcli validate"; }
# Pedantic notes count too: the metadata is to pass without one.
grep -qE '^(E|W|I|P):' "$work/appstream.txt" && { cat "$work/appstream.txt" >&2; fail "appstream notes"; }
for size in 16 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${size}x${size}/apps/org.tarnvale.tarnvale.png" ] || fail "no ${size}px icon"
done
[ -f "$share/icons/hicolor/scalable/apps/org.tarnvale.tarnvale.svg" ] || fail "no scalable icon"
for page in tarnvale tarnvale-cli; do
    zcat "$share/man/man1/$page.1.gz" | grep -q "^\.TH ${page^^} 1" || fail "man page $page unreadable"
done
[ -f "$share/doc/tarnvale/copyright" ] || fail "no copyright file"

echo "-- package"
(cd "$build" && cpack -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/tarnvale_*.deb)
info=$(dpkg-deb --info "$deb")
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "Depends:.*$dependency" <<<"$info" || fail "package does not depend on $dependency"
done
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/tarnvale ./usr/bin/tarnvale-cli \
    ./usr/share/applications/org.tarnvale.tarnvale.desktop \
    ./usr/share/metainfo/org.tarnvale.tarnvale.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.tarnvale.tarnvale.svg \
    ./usr/share/man/man1/tarnvale.1.gz ./usr/share/man/man1/tarnvale-cli.1.gz \
    ./usr/share/doc/tarnvale/copyright ./usr/share/doc/tarnvale/changelog.Debian.gz; do
    grep -q " $file\$" <<<"$contents" || fail "package lacks $file"
done

if command -v lintian >/dev/null; then
    echo "-- lintian"
    lintian --pedantic --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
    grep -E '^[EWIP]:' "$work/lintian.txt" && fail "lintian has findings"
fi

echo "-- run from the unpacked package"
root="$work/root"
dpkg-deb -x "$deb" "$root"
check_search_paths "$root/usr/bin/tarnvale"
check_search_paths "$root/usr/bin/tarnvale-cli"
[ "$("$root/usr/bin/tarnvale-cli" --version)" = "tarnvale-cli 2.20" ] || fail "tarnvale-cli --version"
"$root/usr/bin/tarnvale-cli" convert CDMA "Cell 800" 991 | grep -q '^CDMA,Cell 800,0,991,869.0400' \
    || fail "tarnvale-cli convert"
[ "$("$root/usr/bin/tarnvale" --version)" = "tarnvale 2.20" ] || fail "tarnvale --version"
if [ -d "$build/python/tarnvale" ]; then
    PYTHONPATH="$root/usr/lib/python3/dist-packages" python3 -c \
        'import tarnvale; assert tarnvale.convert("CDMA", "Cell 800", 991)[0]["forward_mhz"] == 869.04' \
        || fail "the Python module"
fi
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/tarnvale" >"$work/gui.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/gui.log" >&2; fail "tarnvale did not keep running (status $status)"; }
echo "package test passed"
