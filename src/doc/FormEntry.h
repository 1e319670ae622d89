#pragma once

#include <map>
#include <set>

#include "doc/Commands.h"

namespace kelvo {

// What the form on the current screen decides while the driver fills it in: a forward command
// (Save, Ok, "->") that waits until the entry is complete, and the caption the entry gives a
// command (Change Quantity's Next is "Work Order" or "Save" by the quantity typed). Only a
// form sets it, from what is typed in it; everything the document itself knows is decided by
// the screen table's rules instead. The navigator forgets it whenever another screen opens,
// so nothing a form held back outlives its screen.
class FormEntry {
public:
    // True while the form holds the command back.
    bool Holds(CommandId id) const { return m_held.count(id) != 0; }
    // Holds the command back until the entry is complete, or lets it go.
    void Hold(CommandId id, bool held) {
        if (held) {
            m_held.insert(id);
        } else {
            m_held.erase(id);
        }
    }
    // The caption the entry gives the command (untranslated, a KELVO_TR_NOOP text); nullptr
    // for the table's.
    const char* Caption(CommandId id) const {
        const auto it = m_captions.find(id);
        return it == m_captions.end() ? nullptr : it->second;
    }
    void SetCaption(CommandId id, const char* caption) { m_captions[id] = caption; }
    // Forgets what the form decided (another screen opens).
    void Clear() {
        m_held.clear();
        m_captions.clear();
    }

private:
    std::set<CommandId> m_held;
    std::map<CommandId, const char*> m_captions;
};

}  // namespace kelvo
