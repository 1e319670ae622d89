#pragma once

// What every fuzz target shares: a scratch device root that lives as long as the process, the
// input written into it as a data file, and a check that stops the run with a report.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/DeviceFs.h"
#include "support/TempDevice.h"

namespace kelvo::fuzz {

// The scratch device root of the process.
inline const test::TempDevice& device() {
    static const test::TempDevice dev;
    return dev;
}

// The input as bytes.
inline std::string_view input(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Writes the input as a device file (folders created), replacing the last one.
inline void put(std::string_view devicePath, std::string_view content) {
    device().put(devicePath, content);
}

// Stops the run when a promise does not hold: libFuzzer keeps the input as a crash.
#define KELVO_FUZZ_CHECK(condition)                                                              \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: promise broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (0)

// A file the program wrote: no NUL byte and well formed for any XML reader.
bool wellWritten(std::string_view content);

}  // namespace kelvo::fuzz
