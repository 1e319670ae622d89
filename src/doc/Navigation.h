#pragma once

#include "doc/Commands.h"

namespace kelvo {

// The frame's state flags that steer navigation.
struct FrameFlags {
    bool arrowNavigation = true;      // Left/Right arrows send Back/Next
    bool safetyCheckPending = false;  // the route-driver screen's Start asks for the safety check
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
};

// Back (0x8038) on the current screen. May change the wearer-flow flags.
Translation translateBack(int current, FrameFlags& flags, const NavFacts& facts);

// Next (0x8039) on the current screen. May change the wearer-flow flags.
Translation translateNext(int current, FrameFlags& flags, const NavFacts& facts);

// The check or action a command runs before the frame changes screens.
enum class Action {
    None,
    StartDataCheck,
    Preparation,
    RouteManStart,
    StartRoute,
    EndRoute,
    ResetWearerList,
    Undeliverable,
    Instructions,
    Arrived,
    Departed,
    SettleInvoice,
    Order,
    ApplyLine,
    ContactSave,
    ContactCancel,
    ContactAdd,
    VoiceRecorder,
    SafetySave,
    SafetyCancel,
    SafetyPage,
    Export,
    SettingsSave,
    ScanOk,
    ScanCancel,
    FlagMode,
    ReplaceMode,
    AddWearer,
    MakeALike,
    AddProduct,
    QuitWearer,
    Exchange,
    ChangeQuantity,
    QuitProduct,
    WearerPage2,
    StorePage2,
    StoreProduct,
    SaveWorkOrder,
    StoreExchange,
    AddAnotherProduct,
    StoreQuantity,
    CancelTransaction,
    DeleteService,
    SaveService,
    OrderDetailCancel,
    SaveInventoryChange,
};

// One command of the dispatcher: its action and the screen it normally leads to
// (screen::None: the command stays on the current screen).
struct CommandRoute {
    CommandId id;
    int target;
    Action action;
};

// The route of a command, or nullptr for a command the dispatcher does not know.
const CommandRoute* findCommandRoute(CommandId id);

// True for the commands the repeat guard never ignores.
bool alwaysRepeatable(CommandId id);

}  // namespace kelvo
