#pragma once

#include "common/Prompter.h"

namespace kelvo {

// Shows each message in a modal QMessageBox over the active window.
class QtPrompter : public Prompter {
public:
    Answer show(const Message& message) override;
};

// Connects the core to Qt: the wait cursor and the translation of the core's texts.
void installQtPlatformHooks();

}  // namespace kelvo
