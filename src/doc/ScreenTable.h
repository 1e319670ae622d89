#pragma once

#include <vector>

#include "doc/Commands.h"
#include "doc/Navigation.h"

namespace kelvo {

class CKelvoDoc;

// Whether the screen that offers a command runs a step of its own before the frame moves on
// (a check, a dialog, a save): the view's handleCommand(id), which may stay or lead elsewhere.
enum class Check { None, ByScreen };

// What a command's rule sees: the document, the frame's flags, and whether the driver chose
// the command on the screen that offers it (its button or Actions entry) rather than reaching
// it by Back or Next or from another screen.
struct CommandContext {
    CKelvoDoc& doc;
    FrameFlags& flags;
    bool chosen;
};

// A rule of the core that runs whenever the command is carried out, before the screen's own
// step: it may change the frame's flags, refuse (stay, after telling the driver why) or lead
// to another screen.
using CommandRule = CommandOutcome (*)(CommandContext& context);

// Where Back or Next leads from a screen; it may change the frame's flags.
using StepRule = Translation (*)(FrameFlags& flags, const NavFacts& facts);

// One command a screen offers.
struct ScreenCommand {
    CommandId id = 0;
    // Actions-menu caption, "&" before the mnemonic; nullptr: no menu entry (a button, a
    // list's tap or a step of Back and Next sends it).
    const char* caption = nullptr;
    int target = screen::None;  // the screen it leads to; screen::None: it stays
    Check check = Check::None;
    CommandRule rule = nullptr;
    bool repeats = false;  // carried out again even right after it changed the screen
    const char* makeALikeCaption = nullptr;  // the caption while a make-a-like is under way
};

// One screen: its commands in Actions-menu order, where Back and Next lead, and what Help
// tells about it. A new screen is one entry of the table.
struct ScreenEntry {
    int index = screen::None;
    const char* name = nullptr;  // the caption of its help
    std::vector<ScreenCommand> commands{};
    StepRule back = nullptr;  // nullptr: Back does nothing here
    StepRule next = nullptr;  // nullptr: Next does nothing here
    bool backInMenu = true;   // App > Back is offered
    // What the screen is for and what each of its buttons does; every screen that has a view
    // has one.
    const char* help = nullptr;
};

// The table: one entry per screen index, in index order.
const std::vector<ScreenEntry>& screenTable();
// The entry of a screen index; nullptr outside the table.
const ScreenEntry* findScreen(int index);
// The command as the first screen that offers it has it (every screen that offers a command
// gives it the same target, check and rule); nullptr for an unknown id.
const ScreenCommand* findCommand(CommandId id);
// The command as this screen offers it; nullptr when it does not.
const ScreenCommand* findCommand(const ScreenEntry& screen, CommandId id);

}  // namespace kelvo
