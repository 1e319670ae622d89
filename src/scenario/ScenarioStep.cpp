#include "scenario/ScenarioStep.h"

namespace kelvo {

std::string WidgetRef::toString() const {
    switch (by) {
        case By::Name:
            return "#" + text;
        case By::Caption:
            return "\"" + text + "\"";
        case By::Label:
            return "@\"" + text + "\"";
        case By::None:
            break;
    }
    return "the focused widget";
}

bool ScenarioStep::preparesStart() const {
    return kind == StepKind::DeviceFile || kind == StepKind::DeviceFolder ||
           kind == StepKind::Clock || kind == StepKind::Answer;
}

}  // namespace kelvo
