#pragma once

#include <array>
#include <string>
#include <vector>

#include "doc/Commands.h"

namespace kelvo {

// One entry of a screen's Actions menu.
struct CommandEntry {
    CommandId id = 0;
    std::string caption;  // with "&" marking the mnemonic
    bool enabled = true;
};

// The commands each of the 28 screens offers, in Actions menu order.
using CommandTables = std::array<std::vector<CommandEntry>, screen::Count>;

// The tables as the program starts: every entry enabled.
CommandTables makeCommandTables();

// Enables or disables a command in one screen's table; false when the screen does not offer it.
bool setCommandEnabled(CommandTables& tables, int screenIndex, CommandId id, bool enabled);

// True when the command stands, enabled, in the screen's table.
bool commandEnabled(const CommandTables& tables, int screenIndex, CommandId id);

}  // namespace kelvo
