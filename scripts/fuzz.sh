#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with Debian's clang and runs each of them:
#
#   scripts/fuzz.sh [SECONDS]     every target for SECONDS seconds (default 60)
#   scripts/fuzz.sh --runs N      every target for N inputs (what scripts/test.sh does)
#
# Each target first replays its regression files (tests/fuzz/regressions/<target>/), then
# fuzzes from a corpus seeded with the sample day and the test data (kept in
# build-fuzz/corpus/). An input that breaks a promise is kept as a new regression file and
# the script fails. A line per target tells how many inputs it ran.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time="${1:-60}")
if [ "${1:-}" = "--runs" ]; then
    limit=(-runs="${2:?--runs takes a number}")
fi

jobs=$(nproc)
echo "== Fuzz targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)"
# shellcheck source=scripts/build-support.sh
. scripts/build-support.sh
CC=clang CXX=clang++ configure build-fuzz -DKELVO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j"$jobs" > build-fuzz/build.log 2>&1 || { cat build-fuzz/build.log; exit 1; }

# The seeds of each target: the files of its family.
declare -A seeds=(
    [route]="samples/day/Route_*.xml tests/data/route/*.xml tests/data/day/delivery/Route_*.xml"
    [stop]="samples/day/Route_*.xml"
    [config]="samples/day/Config.xml tests/data/config/*.xml"
    [lists]="samples/day/AdjReason.xml samples/day/ContactCategory.xml samples/day/*_20117.xml samples/day/FinishingMethods.xml samples/day/Flags.xml samples/day/Frequency.xml samples/day/Products.xml samples/day/Trucks.xml tests/data/lists/*.xml"
    [safety]="samples/day/Safety.xml tests/data/safety/*.xml"
    [properties]=""
    [invoice]="samples/day/Inv_10010*.xml tests/data/invoice/Inv_4711.xml"
    [wearer]="samples/day/Wearer_*.xml tests/data/wearer/Wearer_4711.xml"
    [transactions]="tests/data/wearer/InventoryTransaction_*.xml"
    [garment]="tests/data/garment/*.xml"
    [call]="samples/day/Call_*.xml tests/data/call/*.xml"
    [flatgoods]="samples/day/Flatgoodproducts.xml tests/data/flatgoods/*.xml"
    [scenario_script]="tests/scenarios/*.scn"
)

# The scratch device roots live in memory: the program flushes every file it writes.
if [ -d /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# fuzz_one TARGET: replays the target's regression files, then fuzzes it; what it found goes
# to build-fuzz/TARGET.log, its line of the summary to build-fuzz/TARGET.summary. Fails when an
# input breaks a promise (and the summary says so).
fuzz_one() {
    local target=$1
    local corpus=build-fuzz/corpus/$target
    local regressions=tests/fuzz/regressions/$target
    mkdir -p "$corpus" "$regressions"
    # shellcheck disable=SC2086
    for f in ${seeds[$target]}; do
        [ -f "$f" ] && cp -n "$f" "$corpus/" 2>/dev/null || true
    done
    [ -n "$(ls -A "$corpus")" ] || printf 'Storagelocation=\\' > "$corpus/seed"
    local binary=build-fuzz/tests/fuzz/fuzz_$target
    local log=build-fuzz/$target.log
    rm -f "build-fuzz/$target.summary"
    if [ -n "$(ls -A "$regressions")" ] && ! "$binary" "$regressions"/* > "$log" 2>&1; then
        echo "fuzz_$target: a regression file breaks a promise again"; tail -30 "$log"
        echo "fuzz_$target: FAILED" > "build-fuzz/$target.summary"
        return 1
    fi
    if ! "$binary" "${limit[@]}" -max_len=131072 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$regressions/" "$corpus" > "$log" 2>&1; then
        echo "fuzz_$target: found an input that breaks a promise, kept in $regressions/"
        tail -30 "$log"
        echo "fuzz_$target: FAILED" > "build-fuzz/$target.summary"
        return 1
    fi
    local runs
    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 inputs in \2 s/p' "$log" | tail -1)
    printf '%-16s %s\n' "fuzz_$target" "${runs:-?}" > "build-fuzz/$target.summary"
}

# Each target runs on one core: as many at once as there are cores.
targets=(route stop config lists safety properties invoice wearer transactions garment call
         flatgoods scenario_script)
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true  # each target's result is in its summary
    done
    fuzz_one "$target" &
done
wait
failed=0
for target in "${targets[@]}"; do
    if [ ! -f "build-fuzz/$target.summary" ] || grep -q FAILED "build-fuzz/$target.summary"; then
        failed=1
    fi
    cat "build-fuzz/$target.summary" 2>/dev/null || echo "fuzz_$target: no result"
done
exit $failed
