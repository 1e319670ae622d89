#!/usr/bin/env bash
# Builds Kelvo, lays out a fresh device folder whose import folder holds the sample day, as
# the back office delivers it, and starts Kelvo on it. Without a display, Kelvo runs on a
# virtual X display (Xvfb) shown by a VNC server that listens on this machine only
# (127.0.0.1:5900); from another machine, reach it through an SSH tunnel (see the README).
set -euo pipefail
cd "$(dirname "$0")/.."

headless=false
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    headless=true
fi
if $headless; then
    scripts/install-deps.sh --vnc
else
    scripts/install-deps.sh
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target kelvo

root="${1:-$PWD/out/sample-device}"
rm -rf "$root"
mkdir -p "$root/My Documents/Before Departure"
cp samples/day/* "$root/My Documents/Before Departure/"
echo "Device folder: $root"

if ! $headless; then
    exec build/kelvo --root "$root"
fi

# Qt's own VNC platform listens on every network interface without a password; an X server
# without network access and a VNC server bound to the loopback interface do not.
port="${KELVO_VNC_PORT:-5900}"
display=":${KELVO_DISPLAY:-57}"
Xvfb "$display" -screen 0 800x1000x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
x11vnc -display "$display" -localhost -rfbport "$port" -forever -shared -nopw -quiet \
    > /dev/null 2>&1 &
vnc=$!
trap 'kill $vnc $xvfb 2>/dev/null || true' EXIT
echo "No display found: Kelvo runs on a virtual display; connect a VNC viewer to localhost:$port"
echo "(this machine only; from another machine: ssh -L $port:localhost:$port THIS-MACHINE)."
DISPLAY="$display" build/kelvo --root "$root"
