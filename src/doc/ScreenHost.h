#pragma once

#include "doc/Navigation.h"

namespace kelvo {

// What the navigator needs from the window that shows the screens: the frame implements it
// with its views, tests with a plain stand-in.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    // Creates the view of a screen and makes it the current one; false when it cannot be
    // created (the old view then stays).
    virtual bool openView(int screenIndex) = 0;
    // The current screen's own step for one of its commands (Check::ByScreen).
    virtual CommandOutcome runCheck(CommandId id) = 0;
    // Back is about to leave a screen that may hold unsaved changes.
    virtual void confirmLeave() = 0;
    // The current command table changed: another table, or what the document allows.
    virtual void commandsChanged() = 0;
};

}  // namespace kelvo
