#pragma once

#include <string>
#include <vector>

#include "doc/Navigation.h"

namespace kelvo {

class CKelvoDoc;
class ScreenHost;
struct ScreenCommand;

// One entry of the Actions menu as the driver sees it.
struct MenuItem {
    CommandId id = 0;
    std::string caption;  // translated, "&" before the mnemonic
    bool enabled = true;
};

// The frame's dispatcher, driven by the screen table: every command of a button, the Actions
// menu, the arrow keys or a screen ends here. It translates Back and Next by the current
// screen by what the document holds, ignores a repeat of the command that led to the screen,
// refuses a command the screen offers but the document does not allow now, runs the
// command's rule and the screen's step, and then has the host show the screen the command
// leads to.
class Navigator {
public:
    // Both must outlive the navigator. No screen is current until show().
    Navigator(CKelvoDoc& doc, ScreenHost& host);

    // The driver chose a command on the current screen (its button or Actions entry).
    void choose(CommandId id);
    // Carries out a command that comes from anywhere else (the arrow keys send Back and Next).
    void dispatch(CommandId id);
    // Shows a screen directly (start-up); false when its view cannot be created.
    bool show(int screenIndex);
    // Makes another screen's command table the current one without a change of view.
    void setCommandTable(int screenIndex);

    // The current screen's index (screen::None before the first).
    int current() const { return m_screen; }
    // The last command that changed the screen (0 for none).
    CommandId lastCommand() const { return m_lastCommand; }
    FrameFlags& flags() { return m_flags; }

    // The current Actions menu in table order.
    std::vector<MenuItem> menu() const;
    // True when the current screen offers the command and it is enabled now.
    bool isEnabled(CommandId id) const;
    // True when App > Back is offered on the current screen.
    bool backEnabled() const;
    // The current screen's help: its caption and text, translated ("" when it has none).
    std::string helpCaption() const;
    std::string helpText() const;

private:
    void carryOut(CommandId id, bool chosen);
    NavFacts navFacts();
    bool change(int target);

    CKelvoDoc& m_doc;
    ScreenHost& m_host;
    int m_screen = screen::None;
    CommandId m_lastCommand = 0;
    FrameFlags m_flags;
};

}  // namespace kelvo
