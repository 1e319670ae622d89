#!/usr/bin/env bash
# Pictures of `kelvo --kiosk` on a machine without a display, for the README:
#   kiosk-xvfb.png  under a bare X server (Xvfb, a 480 x 800 screen), taken with xwd
#   kiosk-cage.png  inside the kiosk compositor cage on wlroots' headless backend, Kelvo
#                   through Xwayland as the kiosk unit runs it, taken with grim
# Installs what is missing from Debian's packages (xvfb, x11-apps, netpbm, cage, xwayland,
# grim). cage refuses to run as root: run as root, the script runs cage as the user nobody.
#   scripts/kiosk-screens.sh [OUTDIR]        (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/screenshots}")"
mkdir -p "$out"

scripts/install-deps.sh --with xvfb x11-apps netpbm cage xwayland grim
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target kelvo
kelvo="$PWD/build/kelvo"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
# A device folder with the sample day in its import folder.
device() {
    mkdir -p "$1/My Documents/Before Departure"
    cp samples/day/* "$1/My Documents/Before Departure/"
}

echo "== Xvfb"
device "$work/xvfb-device"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 480x800x24 -nolisten tcp > /dev/null 2>&1 &
pids+=($!)
sleep 1
DISPLAY="$display" "$kelvo" --root "$work/xvfb-device" --kiosk > "$work/xvfb.log" 2>&1 &
pids+=($!)
sleep 4
xwd -root -display "$display" | xwdtopnm 2> /dev/null | pnmtopng > "$out/kiosk-xvfb.png"
echo "$out/kiosk-xvfb.png"

echo "== cage (headless)"
# As the unit runs it, with wlroots' headless backend and its software renderer (there is no
# GPU here). -r turns the output to portrait, the handheld's shape; it also keeps cage from
# trying to show Kelvo's buffer directly (direct scan-out), which the headless output refuses
# ("Basic output test failed"), after which it shows no new frame.
as=()
if [ "$(id -u)" -eq 0 ]; then
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chmod 755 "$work"
fi
runtime="$work/runtime"
mkdir -m 700 "$runtime"
device "$work/cage-device"
if [ ${#as[@]} -gt 0 ]; then
    chown -R 65534:65534 "$runtime" "$work/cage-device"
fi
"${as[@]}" env -i PATH=/usr/bin:/bin HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 QT_QPA_PLATFORM=xcb \
    cage -d -r -- "$kelvo" --root "$work/cage-device" --kiosk > "$work/cage.log" 2>&1 &
pids+=($!)
disown  # cage 0.1.4 aborts on SIGTERM (an assertion in wl_display_terminate): not our news
for _ in $(seq 100); do
    [ -S "$runtime/wayland-0" ] && break
    sleep 0.1
done
sleep 6
"${as[@]}" env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-0 \
    grim "$runtime/kiosk-cage.png"
cp "$runtime/kiosk-cage.png" "$out/kiosk-cage.png"
echo "$out/kiosk-cage.png"
sed 's/^/cage: /' "$work/cage.log"
