#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "doc/Commands.h"

namespace kelvo {

// The entries of the screens' command tables that a screen has switched off (Export before
// every route has ended, End Route while stops are open) or named by what they do now. Every
// entry starts enabled, with the table's caption.
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

    // Names one screen's entry by what it does now (translated, "&" before a mnemonic), in
    // place of the table's caption; "" gives the table's caption back.
    void SetCaption(int screenIndex, CommandId id, const std::string& caption) {
        if (caption.empty()) {
            m_captions.erase({screenIndex, id});
        } else {
            m_captions[{screenIndex, id}] = caption;
        }
    }
    // The caption a screen gave its entry; nullptr for the table's.
    const std::string* Caption(int screenIndex, CommandId id) const {
        const auto it = m_captions.find({screenIndex, id});
        return it == m_captions.end() ? nullptr : &it->second;
    }

private:
    std::set<std::pair<int, CommandId>> m_disabled;
    std::map<std::pair<int, CommandId>, std::string> m_captions;
};

}  // namespace kelvo
