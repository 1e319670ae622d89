#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "doc/DayFinding.h"

namespace kelvo {

// What the day check found in an import folder, and what it read there.
struct DayCheckResult {
    std::vector<DayFinding> findings;  // in the order the files were checked
    std::size_t routes = 0;            // route files that Kelvo can open
    std::size_t stops = 0;
    std::size_t invoices = 0;  // invoice files read
    std::size_t calls = 0;     // call files read

    // True when no finding is an error: Kelvo can work the day.
    bool Workable() const;
    // Number of findings of this severity.
    std::size_t Count(FindingSeverity severity) const;
};

// Checks a day's import folder (as the back office lays it into "\My Documents\Before
// Departure\") before it goes to the device. The folder is read through the program's own
// readers, playing the data folder, so that what passes is exactly what Kelvo reads; nothing
// in it is written. A path that is not a folder gives one error.
DayCheckResult checkDay(const std::filesystem::path& importFolder);

}  // namespace kelvo
