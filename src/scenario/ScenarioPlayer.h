#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

namespace kelvo {

// Runs the scenario file on the device folder `root` with the real program and returns the
// exit status: 0 every check held, 1 a check failed, 2 the scenario cannot be run.
// Screenshots go to `outDir` (empty: beside the scenario). With `strict`, message boxes left
// unchecked at the end fail the scenario. Reports on standard output.
int runScenario(const std::filesystem::path& root, const std::string& scenarioFile,
                const std::string& outDir, bool strict, bool timings = false);

// The same, reporting to `report`: "FILE:LINE: expected ..., found ..." for a failed check,
// "FILE:LINE: ..." for a step that cannot be run, the unchecked message boxes, and a
// one-line summary. With `timings`, also each step's duration (from its start until the
// program is idle again, in milliseconds) and the five slowest steps. Needs a QApplication;
// returns with no window of the program left open.
int runScenario(const std::filesystem::path& root, const std::string& scenarioFile,
                const std::string& outDir, bool strict, std::ostream& report,
                bool timings = false);

}  // namespace kelvo
