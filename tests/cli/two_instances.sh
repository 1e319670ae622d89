#!/usr/bin/env bash
# Two Kelvos on one device folder (a driver who taps the icon twice):
#   two_instances.sh KELVO KELVO-PLAY SAMPLES WORK
# The second start says that Kelvo is already running, exits with status 3 and leaves every
# file of the device as it was; the scenario player is refused the same way (status 2). Once
# the first Kelvo is killed, its lock is taken over by the next start.
set -euo pipefail
kelvo=$1
player=$2
samples=$3
work=$4
root=$work/device

rm -rf "$work"
mkdir -p "$root/My Documents/Before Departure"
cp "$samples"/day/* "$root/My Documents/Before Departure/"
export QT_QPA_PLATFORM=offscreen

fail() {
    echo "FAILED: $*"
    for log in "$work"/*.log; do
        echo "--- $log"
        cat "$log"
    done
    exit 1
}

"$kelvo" --root "$root" -platform offscreen > "$work/first.log" 2>&1 &
first=$!
trap 'kill -9 $first 2>/dev/null || true' EXIT
# The start screen writes the properties file once: after it the first Kelvo writes nothing
# until the driver acts.
for _ in $(seq 1 600); do
    [ -f "$root/Program Files/Kelvo/Kelvo.properties" ] && break
    kill -0 $first 2>/dev/null || fail "the first Kelvo ended"
    sleep 0.1
done
[ -f "$root/Program Files/Kelvo/Kelvo.properties" ] || fail "the first Kelvo did not start"

snapshot() { (cd "$root" && find . -printf '%p %y %s %T@\n' | sort); }
before=$(snapshot)

set +e
timeout 60 "$kelvo" --root "$root" -platform offscreen > "$work/second.log" 2>&1
status=$?
set -e
[ "$status" = 3 ] || fail "the second Kelvo ended with status $status, not 3"
grep -q "Kelvo is already running on this device" "$work/second.log" ||
    fail "the second Kelvo did not say why it ended"
[ "$before" = "$(snapshot)" ] || fail "the second Kelvo changed the device: $(diff <(echo "$before") <(snapshot))"

printf 'click #1023\nexpect screen 1\n' > "$work/start.scn"
set +e
timeout 60 "$player" --root "$root" "$work/start.scn" -platform offscreen > "$work/player.log" 2>&1
status=$?
set -e
[ "$status" = 2 ] || fail "the scenario player ended with status $status, not 2"
grep -q "is in use by another Kelvo" "$work/player.log" || fail "the player did not say why"
[ "$before" = "$(snapshot)" ] || fail "the scenario player changed the device"

# A killed Kelvo leaves its lock file behind; the lock itself went with the process.
kill -9 $first
wait $first 2>/dev/null || true
timeout 120 "$player" --root "$root" "$work/start.scn" -platform offscreen > "$work/after.log" 2>&1 ||
    fail "the lock of the killed Kelvo was not taken over"
echo "a second Kelvo and a scenario refused on a device in use, the lock of a killed one taken over"
rm -rf "$work"
