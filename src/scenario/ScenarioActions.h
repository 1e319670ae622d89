#pragma once

#include "scenario/ScenarioStep.h"

namespace kelvo {

class ScenarioStage;

// Carries out a step that sets up the device or acts as the driver: device-file,
// device-folder, clock, answer, command, menu, click, type, select, key, sign, wait (nothing
// to do: the player schedules the next step later) and screenshot.
StepOutcome runAction(const ScenarioStep& step, ScenarioStage& stage);

}  // namespace kelvo
