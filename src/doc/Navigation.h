#pragma once

#include "doc/Commands.h"

// The state and the answers that steer the frame's dispatcher from screen to screen.
namespace kelvo {

// The frame's state flags that steer navigation.
struct FrameFlags {
    bool arrowNavigation = true;      // Left/Right arrows send Back/Next
    bool safetyCheckPending = false;  // Start on the route-driver screen offers the safety check
    bool makeALike = false;
    bool productOnly = false;
    bool exchangeInProgress = false;
    bool quantityChangeInProgress = false;
    bool wearerFlowResumed = false;
};

// What Back and Next need to know of the document: worked out from it by the navigator each
// time, never reported by a screen.
struct NavFacts {
    bool dud = false;              // the laundry variant with trucks
    bool invoiceList = false;      // the stop's invoices show in a list (one goes straight to it)
    bool routeInProgress = false;  // the selected route has started and not ended
    bool atStop = false;           // the driver has arrived at the selected stop and not left it
    bool beforeArrival = false;    // a stop is selected and not arrived at: Next is the arrival
    bool invoiceSettled = false;   // the open invoice is settled, or none is open
    bool firstEntryEnabled = true;  // the first entry of the screen's command table is enabled
};

// Where Back or Next leads: a command to carry out, or a screen to show directly, or nothing.
struct Translation {
    CommandId command = 0;
    int screen = screen::None;
    bool resetWearerList = false;  // the wearer screen's list state is reset first
    bool askContactSave = false;   // unsaved contact changes are offered for saving first

    static Translation toCommand(CommandId c) { return {c}; }
    static Translation toScreen(int s) { return {0, s}; }
};

// What a command's check decided: go on to the command's screen, stay, or go to another one.
struct CommandOutcome {
    enum Kind { Proceed, Stay, Target };
    Kind kind = Proceed;
    int target = screen::None;
    CommandId recordAs = 0;  // remembered by the repeat guard instead of the command itself

    static CommandOutcome proceed() { return {Proceed}; }
    static CommandOutcome stay() { return {Stay}; }
    static CommandOutcome to(int s, CommandId recordAs = 0) { return {Target, s, recordAs}; }
};

class CKelvoDoc;

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

}  // namespace kelvo
