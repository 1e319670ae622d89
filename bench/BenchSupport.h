#pragma once

// Helpers the benchmarks share: a temporary device root, a steady allocator and paired runs.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <time.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace kelvo::bench {

// A fresh folder to play the device root.
inline std::filesystem::path makeTempRoot() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "kelvo-bench-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) {
        std::abort();
    }
    return tmpl;
}

// The allocator keeps freed memory for reuse instead of handing it back to the system: on a
// virtual machine the page faults of fresh memory can cost more than a parse itself, and
// whether an iteration meets them would depend on which benchmark ran before.
inline const bool kSteadyAllocator = [] {
    ::mallopt(M_MMAP_THRESHOLD, 64 << 20);
    ::mallopt(M_TRIM_THRESHOLD, 256 << 20);
    return true;
}();

// The processor time of the calling thread: what a computation costs, without the time other
// processes had the processor meanwhile (the machine is shared while benchmarks run).
struct ThreadCpuClock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<ThreadCpuClock, duration>;
    static time_point now() {
        timespec t{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return time_point(duration(std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec));
    }
};

// Paired runs: each iteration times the model's operation and its reference one right after
// the other, so that the ratio holds even on a machine busy with other work. `prepare` runs
// untimed before each pair. Clock: wall time by default; ThreadCpuClock for work that does not
// wait for the disk.
template <class Clock = std::chrono::steady_clock, class P, class A, class B>
void paired(benchmark::State& state, P prepare, A model, B reference) {
    typename Clock::duration modelTime{}, referenceTime{};
    for (auto _ : state) {
        prepare();
        const auto t0 = Clock::now();
        model();
        const auto t1 = Clock::now();
        reference();
        const auto t2 = Clock::now();
        modelTime += t1 - t0;
        referenceTime += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["model_us"] = std::chrono::duration<double, std::micro>(modelTime).count() / n;
    state.counters["reference_us"] =
        std::chrono::duration<double, std::micro>(referenceTime).count() / n;
    state.counters["ratio"] = std::chrono::duration<double>(modelTime).count() /
                              std::chrono::duration<double>(referenceTime).count();
}

}  // namespace kelvo::bench
