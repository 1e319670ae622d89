#pragma once

#include "scenario/ScenarioStep.h"

class QPixmap;
class QWidget;

namespace kelvo {

class ScenarioStage;

// The steps of a touch screen with an on-screen keyboard: tap, drag, scan, expect keyboard,
// expect hints, expect scrolled.
bool isTouchStep(StepKind kind);

// Milliseconds the player lets the program run before the step after this one (a drag goes on
// after its step returns).
int touchDelay(StepKind kind);

// Carries out one of them.
StepOutcome runTouchStep(const ScenarioStep& step, ScenarioStage& stage);

namespace scenario {
// While the on-screen keyboard is shown, the screen's picture of the window's place (the
// keyboard and the dialogs over it as they stand there) in `picture`; false otherwise.
bool grabWithKeyboard(QWidget* window, QPixmap& picture);
}  // namespace scenario

}  // namespace kelvo
