#pragma once

#include <set>
#include <utility>

#include "doc/Commands.h"

namespace kelvo {

// The entries of the screens' command tables that a screen has switched off (Export before
// every route has ended, End Route while stops are open). Every entry starts enabled.
class CommandStates {
public:
    // False once the screen switched the command off.
    bool IsEnabled(int screenIndex, CommandId id) const {
        return m_disabled.count({screenIndex, id}) == 0;
    }
    // Switches one screen's entry on or off; other screens offering the same id keep theirs.
    void SetEnabled(int screenIndex, CommandId id, bool enabled) {
        if (enabled) {
            m_disabled.erase({screenIndex, id});
        } else {
            m_disabled.insert({screenIndex, id});
        }
    }

private:
    std::set<std::pair<int, CommandId>> m_disabled;
};

}  // namespace kelvo
