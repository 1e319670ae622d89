#!/usr/bin/env bash
# Builds the Debian package and checks it as a handheld's administrator would: lintian reports
# no error and no warning, and the kiosk unit passes systemd-analyze verify. Installs lintian,
# and cage and xwayland (the unit's program, which the check looks for), from Debian's
# packages when they are missing.
#   scripts/package.sh        -> build/kelvo_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --with lintian cage xwayland systemd

echo "== Build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)"
rm -f build/kelvo_*.deb
(cd build && cpack -G DEB > /dev/null)
deb=$(ls build/kelvo_*.deb)
echo "== $deb"
dpkg-deb --field "$deb"

echo "== lintian"
lintian --fail-on error,warning "$deb"
echo "lintian: no error, no warning"

echo "== systemd-analyze verify"
# The unit as the package installs it, checked for one driver's user (a template unit is
# checked through an instance of it).
units=$(mktemp -d)
trap 'rm -rf "$units"' EXIT
dpkg-deb -x "$deb" "$units/root"
unit=$(find "$units/root" -name 'kelvo-kiosk@.service')
cp "$unit" "$units/kelvo-kiosk@.service"
ln -s kelvo-kiosk@.service "$units/kelvo-kiosk@driver.service"
if ! systemd-analyze verify --man=no "$units/kelvo-kiosk@driver.service" 2> "$units/verify.txt" ||
    [ -s "$units/verify.txt" ]; then
    cat "$units/verify.txt"
    exit 1
fi
echo "kelvo-kiosk@.service: verified"
