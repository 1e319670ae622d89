#pragma once

#include <string>
#include <vector>

#include "doc/Commands.h"
#include "doc/Navigation.h"

namespace kelvo {

class CKelvoDoc;

// Whether the screen that offers a command runs a step of its own before the frame moves on
// (a check, a dialog, a save): the view's handleCommand(id), which may stay or lead elsewhere.
enum class Check { None, ByScreen };

// Where Back or Next leads from a screen; it may change the frame's flags.
using StepRule = Translation (*)(FrameFlags& flags, const NavFacts& facts);

// Whether a command can be carried out now, worked out from the document.
using EnabledRule = bool (*)(const CKelvoDoc& doc);
// The caption a command has now (untranslated, "&" before the mnemonic), worked out from the
// document.
using CaptionRule = const char* (*)(const CKelvoDoc& doc);

// One command a screen offers.
struct ScreenCommand {
    CommandId id = 0;
    // Actions-menu caption, "&" before the mnemonic; nullptr: no menu entry (a button, a
    // list's tap or a step of Back and Next sends it).
    const char* menuCaption = nullptr;
    int target = screen::None;  // the screen it leads to; screen::None: it stays
    Check check = Check::None;
    CommandRule rule = nullptr;
    bool repeats = false;  // carried out again even right after it changed the screen
    const char* makeALikeCaption = nullptr;  // the caption while a make-a-like is under way
    EnabledRule enabledRule = nullptr;       // nullptr: always enabled
    CaptionRule captionRule = nullptr;  // nullptr: always menuCaption

    // True when the command can be carried out now, as its rule decides from the document
    // (for a form's command, from the draft the form keeps there).
    bool enabled(const CKelvoDoc& doc) const;
    // The Actions-menu caption as it stands now, translated; "" for a command without entry.
    std::string caption(const CKelvoDoc& doc) const;
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
