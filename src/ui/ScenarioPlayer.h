#pragma once

#include <filesystem>
#include <string>

namespace kelvo {

// Runs the scenario file on the device folder `root` with the real program and returns the
// exit status: 0 every check held, 1 a check failed, 2 the scenario cannot be run.
// Screenshots go to `outDir` (empty: beside the scenario). With `strict`, message boxes left
// unchecked at the end fail the scenario.
int runScenario(const std::filesystem::path& root, const std::string& scenarioFile,
                const std::string& outDir, bool strict);

}  // namespace kelvo
