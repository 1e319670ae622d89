#!/usr/bin/env bash
# Builds Kelvo, lays out a fresh device folder whose import folder holds the sample day, as
# the back office delivers it, and starts Kelvo on it. Without a display, Kelvo runs on Qt's
# VNC platform on localhost.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target kelvo

root="${1:-$PWD/out/sample-device}"
rm -rf "$root"
mkdir -p "$root/My Documents/Before Departure"
cp samples/day/* "$root/My Documents/Before Departure/"
echo "Device folder: $root"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: Kelvo runs on Qt's VNC platform; connect a VNC viewer to localhost:5900."
    exec build/kelvo --root "$root" -platform vnc:addr=127.0.0.1:port=5900
fi
exec build/kelvo --root "$root"
