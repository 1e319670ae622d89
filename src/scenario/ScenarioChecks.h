#pragma once

#include "scenario/ScenarioStep.h"

namespace kelvo {

class ScenarioStage;

// Carries out an "expect" step: what the screens show, which message boxes appeared, what the
// device files hold. A check that does not hold is a failed outcome saying what was found.
StepOutcome runCheck(const ScenarioStep& step, ScenarioStage& stage);

// True for the "expect" steps.
bool isCheck(StepKind kind);

}  // namespace kelvo
