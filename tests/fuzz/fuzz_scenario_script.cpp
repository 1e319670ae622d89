// The scenario script reader: any text is read or refused with a line and a reason, and the
// numbers of the steps it takes stay in range.
#include "FuzzSupport.h"
#include "scenario/ScenarioScript.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScenarioScript script = ScenarioScript::parse(std::string(fuzz::input(data, size)));
    if (!script.ok()) {
        KELVO_FUZZ_CHECK(script.errorLine() > 0 && !script.error().empty());
        KELVO_FUZZ_CHECK(script.steps().empty());
        return 0;
    }
    for (const ScenarioStep& step : script.steps()) {
        KELVO_FUZZ_CHECK(step.number >= 0 && step.number <= 2147483647);
    }
    return 0;
}
