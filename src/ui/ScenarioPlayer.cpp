#include "ui/ScenarioPlayer.h"

#include <cstdio>

namespace kelvo {

int runScenario(const std::filesystem::path&, const std::string& scenarioFile, const std::string&,
                bool) {
    std::fprintf(stderr, "%s: the scenario player is not part of this build\n",
                 scenarioFile.c_str());
    return 2;
}

}  // namespace kelvo
