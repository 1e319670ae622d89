#!/usr/bin/env bash
# Installs what is missing, builds Kelvo and runs every test: unit tests, screen tests and the
# end-to-end scenarios (with a thousand kills of each kind of save), then once more under
# AddressSanitizer and UndefinedBehaviorSanitizer; last the fuzz targets replay their
# regression files and run a few thousand inputs each.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# shellcheck source=scripts/build-support.sh
. scripts/build-support.sh

phase "Build"
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
phase "Tests"
export KELVO_KILLS="${KELVO_KILLS:-1000}"
(cd build && ctest --output-on-failure -j"$jobs")

phase "Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DKELVO_SANITIZE=ON -DKELVO_BENCHMARKS=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The on-screen keyboard's scenario runs only in the build above: under LeakSanitizer, Qt Quick's
# raster paint buffers, held by the gesture recognizers Qt keeps until exit, are reported as
# leaks of the system's Qt libraries.
(cd build-asan && KELVO_KILLS=200 ctest --output-on-failure -j"$jobs" -E '^scenario[.]keyboard[.]')

phase "Fuzz regressions and short fuzz runs"
scripts/fuzz.sh --runs "${KELVO_FUZZ_RUNS:-4000}"
phase_end
