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

// What Back and Next need to know about the current screen and its data.
struct NavFacts {
    bool dud = false;                // the laundry variant with trucks
    int stopInvoiceCount = 0;        // invoices of the current stop
    bool mayLeave = true;            // the current screen lets the driver leave
    bool handlesNextItself = false;  // the stop-action screen takes Next for its arrival step
    bool invoiceSettled = false;     // the current invoice is "Settled"
    bool firstEntryEnabled = true;   // the first entry of the screen's command table is enabled
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

}  // namespace kelvo
