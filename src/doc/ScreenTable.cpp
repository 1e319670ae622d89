#include "doc/ScreenTable.h"

#include <algorithm>

#include "common/Prompter.h"
#include "common/Translate.h"
#include "doc/DataTransfer.h"
#include "doc/DraftRules.h"
#include "doc/InvoiceOps.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/ServiceOps.h"
#include "doc/VisitOps.h"
#include "doc/WearerOps.h"
#include "doc/WearerRules.h"

namespace kelvo {

namespace {

using T = Translation;
constexpr Check kScreen = Check::ByScreen;

// --- Rules of commands -----------------------------------------------------------------

// Start chosen on the route-driver screen (its button or Actions entry, not Next) offers the
// safety check; the screen asks once it runs its step.
CommandOutcome startOffersSafetyCheck(CommandContext& c) {
    c.flags.safetyCheckPending = c.chosen;
    return CommandOutcome::proceed();
}

// A route is ended only after today's truck safety check.
CommandOutcome safetyCheckFirst(CommandContext& c) {
    if (c.doc.Routing().SafetyDone()) {
        return CommandOutcome::proceed();
    }
    c.doc.Prompt().inform(tr("Please do safety check!"), tr("Warning"), MessageIcon::None);
    return CommandOutcome::stay();
}

// A new wearer chosen on the wearer screen starts a wearer flow of its own. Reached by Back
// (the "DUD" laundry's products and sizes lead back to page 1) it keeps the flow, so that a
// make-a-like stays one and the page shows what was entered.
CommandOutcome newWearerFlow(CommandContext& c) {
    if (c.chosen) {
        c.flags.makeALike = false;
        c.flags.productOnly = false;
        c.flags.wearerFlowResumed = false;
    }
    return CommandOutcome::proceed();
}

// Coming back into the add-product screen stores nothing again.
CommandOutcome resumedStaysOnProduct(CommandContext& c) {
    return c.flags.wearerFlowResumed ? CommandOutcome::to(screen::AddProduct)
                                     : CommandOutcome::proceed();
}

// The stop information screen shows the page its button asked for.
template <StopInfoPage page>
CommandOutcome showStopInfo(CommandContext& c) {
    c.doc.Routing().showStopInfo(page);
    return CommandOutcome::proceed();
}

// The "DUD" laundry orders on its own order detail screen; the others in the order dialog of
// the invoice details, which stay.
CommandOutcome orderDetailForDud(CommandContext& c) {
    return c.doc.Config().IsDud() ? CommandOutcome::to(screen::InvDudDetail)
                                  : CommandOutcome::proceed();
}

// A flat-good service is deleted only once the driver confirmed it.
CommandOutcome confirmServiceDelete(CommandContext& c) {
    return c.doc.Prompt().ask(tr(kDeleteServiceQuestion), tr("Confirm cancel"))
               ? CommandOutcome::proceed()
               : CommandOutcome::stay();
}

// --- When commands are enabled -------------------------------------------------------

bool checklistGiven(const CKelvoDoc& d) {
    return d.SafetyChecks().Count() > 0;
}

// A route that has not ended may be started (again, to correct its start mileage).
bool routeStartable(const CKelvoDoc& d) {
    const CRouteSummary* e = selectedRouteEntry(d);
    return e && !(routeStarted(d) && e->EndMileage() > 0.0);
}

bool routeEndable(const CKelvoDoc& d) {
    return routeStarted(d) && !endRefused(d);
}

bool stopsOpen(const CKelvoDoc& d) {
    return d.Route().HoldsRoute() && d.Route().StopCount() > 0 && routeOpen(d);
}

bool stopUndeliverable(const CKelvoDoc& d) {
    const CStop* s = selectedStop(d);
    return s && mayBeUndeliverable(d, *s);
}

bool stopHasDirections(const CKelvoDoc& d) {
    const CStop* s = selectedStop(d);
    return s && !s->DrivingInstructions.empty();
}

bool stopToArriveAt(const CKelvoDoc& d) {
    const CStop* s = selectedStop(d);
    return s && !stopArrived(*s);
}

bool departable(const CKelvoDoc& d) {
    return mayDepart(d);
}

bool invoiceLineSelected(const CKelvoDoc& d) {
    return d.Invoicing().SelectedLine() >= 0;
}

// A line opens for adjustment while its invoice may be settled: read-only for want of the
// configuration's consent it still opens, so that its pick-up quantities can be entered
// (otherwise an invoice waiting for them could never be settled).
bool lineAdjustable(const CKelvoDoc& d) {
    return invoiceLineSelected(d) && maySettle(d);
}

// The inventory of a settled invoice is signed as it is.
bool inventoryChangeable(const CKelvoDoc& d) {
    return invoiceLineSelected(d) && !d.Invoice().IsSettled();
}

bool invoiceListed(const CKelvoDoc& d) {
    return d.Invoices().Find(d.Invoicing().SelectedNumber()) != nullptr;
}

bool stopSelected(const CKelvoDoc& d) {
    return selectedStop(d) != nullptr;
}

bool servicesListed(const CKelvoDoc& d) {
    return d.FlatGoodTransactions().Count() > 0;
}

bool wearerChangeCancellable(const CKelvoDoc& d) {
    return mayCancelSelected(d.WearerData());
}

bool sizesChosen(const CKelvoDoc& d) {
    const CInventory* pending = d.WearerData().Pending.Get();
    return pending && pending->LinesComplete();
}

bool functionsListed(const CKelvoDoc& d) {
    return !d.WearerData().Functions.IsEmpty();
}

// --- Rules of Back and Next --------------------------------------------------------------

// Settlement leads to the invoice list only when the stop has more than one invoice.
CommandId stopOrInvoices(const NavFacts& f) {
    return f.invoiceList ? cmd::InvoiceSelect : cmd::SelectStop;
}

Translation toStopActions(FrameFlags&, const NavFacts&) {
    return T::toCommand(cmd::SelectStop);
}

Translation toRouteSelection(FrameFlags&, const NavFacts&) {
    return T::toCommand(cmd::RouteManStart);
}

Translation toInvoiceDetails(FrameFlags&, const NavFacts&) {
    return T::toCommand(cmd::Settlement);
}

Translation toWearers(FrameFlags&, const NavFacts&) {
    return T::toCommand(cmd::WearerScreen);
}

Translation leaveWearers(FrameFlags&, const NavFacts&) {
    Translation t = T::toCommand(cmd::SelectStop);
    t.resetWearerList = true;
    return t;
}

// Back from a page after the first of a new wearer resumes the wearer flow.
Translation resumeNewWearer(FrameFlags& fl, const NavFacts& f) {
    fl.wearerFlowResumed = true;
    return T::toCommand(f.dud ? cmd::AddWearer : cmd::WearerPage2);
}

// The add and change screens go on with their single command while it is enabled.
template <StepRule rule>
Translation whileEnabled(FrameFlags& fl, const NavFacts& f) {
    return f.firstEntryEnabled ? rule(fl, f) : Translation{};
}

template <CommandId id>
Translation command(FrameFlags&, const NavFacts&) {
    return T::toCommand(id);
}

// --- The table ---------------------------------------------------------------------------

const std::vector<ScreenEntry> kScreens = {
    {.index = screen::Start,
     .name = KELVO_TR_NOOP("Start Screen"),
     .commands = {{cmd::Settings, KELVO_TR_NOOP("Se&ttings"), screen::Settings},
                  {cmd::Start, KELVO_TR_NOOP("&Start"), screen::RouteMan, kScreen}},
     .next = &command<cmd::Start>,
     .backInMenu = false,
     .help = KELVO_TR_NOOP("The plant whose data are on the device, and the program's version.\n\n"
                           "*  Settings: where the data are kept.\n"
                           "->  Start: takes in the day's files.")},

    {.index = screen::RouteMan,
     .name = "Route Man & Truck Info",
     .commands = {{cmd::RouteManStart, "&Start", screen::RouteSelect, kScreen,
                   &startOffersSafetyCheck},
                  {cmd::ExportFiles, "&Export Files", screen::Start, kScreen, nullptr, false,
                   nullptr, &exportAvailable},
                  {cmd::DayRecap, KELVO_TR_NOOP("Day Recap"), screen::DayRecap}},
     .back = [](FrameFlags&, const NavFacts&) { return T::toScreen(screen::Start); },
     .next = &command<cmd::RouteManStart>,
     .backInMenu = false,
     .help = "The driver, the truck and the day's routes.\n\n"
             "<-  Back to the start screen.\n"
             "->  Start: the truck safety check when it is due, then the routes.\n"
             "E  Export: sends every file to the office once every route has ended."},

    {.index = screen::RouteSelect,
     .name = KELVO_TR_NOOP("Route Selection"),
     .commands = {{cmd::StartRoute, KELVO_TR_NOOP("&Start Route"), screen::StopSelect, kScreen,
                   nullptr, false, nullptr, &routeStartable},
                  {cmd::Preparation, KELVO_TR_NOOP("&Preparation"), screen::Safety, kScreen,
                   nullptr, false, nullptr, &checklistGiven},
                  {cmd::EndRoute, KELVO_TR_NOOP("&End Route"), screen::RouteSelect, kScreen,
                   &safetyCheckFirst, false, nullptr, &routeEndable}},
     // A route under way keeps the driver on the routes until it has ended.
     .back =
         [](FrameFlags&, const NavFacts& f) {
             return f.routeInProgress ? T{} : T::toScreen(screen::RouteMan);
         },
     .next = &command<cmd::StartRoute>,
     .help = KELVO_TR_NOOP("The day's routes, and what the selected one has to collect and has "
                           "collected.\n\n"
                           "<-  Back to the route driver.\n"
                           "->  Start Route: asks for the start mileage.\n"
                           "->  (the second) The truck safety check.\n"
                           "End  End Route: asks for the end mileage.")},

    {.index = screen::StopSelect,
     .name = KELVO_TR_NOOP("Stop Selection"),
     // Undeliverable may follow itself: a reason chosen by mistake is corrected at once.
     .commands = {{cmd::SelectStop, KELVO_TR_NOOP("Select &Stop"), screen::StopAction,
                   Check::None, nullptr, false, nullptr, &stopsOpen},
                  {cmd::Undeliverable, KELVO_TR_NOOP("&Undeliverable"), screen::StopSelect, kScreen,
                   nullptr, true, nullptr, &stopUndeliverable},
                  {cmd::Instructions, KELVO_TR_NOOP("&Instructions"), screen::None, kScreen,
                   nullptr, false, nullptr, &stopHasDirections}},
     .back = &toRouteSelection,
     .next = &command<cmd::SelectStop>,
     .help = KELVO_TR_NOOP("The stops of the route, the selected one's address and contact.\n\n"
                           "<-  Back to the routes.\n"
                           "V  Open the stop.\n"
                           "Undel  The stop cannot be delivered: choose why.\n"
                           "--  Driving directions.")},

    {.index = screen::StopAction,
     .name = KELVO_TR_NOOP("Stop Actions"),
     .commands = {{cmd::Arrived, KELVO_TR_NOOP("&Arrived"), screen::None, kScreen, nullptr, false,
                   nullptr, &stopToArriveAt},
                  {cmd::Departed, KELVO_TR_NOOP("&Departed"), screen::StopSelect, kScreen, nullptr,
                   false, nullptr, &departable},
                  {cmd::ContactScreen, nullptr, screen::Contact},
                  {cmd::ContactPerson, nullptr, screen::ContactPerson},
                  {cmd::AgingInfo, nullptr, screen::StopInfo, Check::None,
                   &showStopInfo<StopInfoPage::Aging>},
                  {cmd::StopInstructions, nullptr, screen::StopInfo, Check::None,
                   &showStopInfo<StopInfoPage::Instructions>},
                  {cmd::InvoiceSelect, nullptr, screen::InvSelect},
                  {cmd::ScanScreen, nullptr, screen::Scan},
                  {cmd::WearerScreen, nullptr, screen::Wearer, Check::None,
                   &wearer_rules::openWearers}},
     // Between arrival and departure the driver stays at the stop.
     .back = [](FrameFlags&,
                const NavFacts& f) { return f.atStop ? T{} : T::toCommand(cmd::StartRoute); },
     // Before the arrival Next is the arrival.
     .next =
         [](FrameFlags&, const NavFacts& f) {
             if (f.beforeArrival) {
                 return T::toCommand(cmd::Arrived);
             }
             return f.atStop ? T{} : T::toCommand(stopOrInvoices(f));
         },
     .help = KELVO_TR_NOOP("One stop: its contacts, invoices, account and garments.\n\n"
                           "<-  Back to the stops (not between arrival and departure).\n"
                           "A  Arrived.  D  Departed (once every invoice is settled).\n"
                           "M  Contacts.  CP  Contact persons.\n"
                           "S  Settle the invoices.\n"
                           "AI  Aging.  I  Instructions.\n"
                           "G  Scan garments.  W  Wearers.")},

    {.index = screen::InvDetails,
     .name = KELVO_TR_NOOP("Invoice Details"),
     .commands = {{cmd::InvoiceOk, KELVO_TR_NOOP("&Ok"), screen::StopAction, kScreen, nullptr,
                   false, nullptr, &maySettle},
                  {cmd::AdjustLine, KELVO_TR_NOOP("Adjust Line"), screen::InvAdjLine, Check::None,
                   nullptr, false, nullptr, &lineAdjustable},
                  // An extra order is for the next delivery: a settled invoice takes one too.
                  {cmd::Order, KELVO_TR_NOOP("&Order(#)"), screen::InvDudDetail, kScreen,
                   &orderDetailForDud, false, nullptr, &invoiceLineSelected},
                  {cmd::NewService, KELVO_TR_NOOP("New Service"), screen::NewServices},
                  // A stop with one invoice never shows its list: its receipt is offered here.
                  {cmd::Receipt, KELVO_TR_NOOP("Receipt"), screen::None, kScreen, nullptr, false,
                   nullptr, &selectedInvoiceSettled}},
     .back = [](FrameFlags&, const NavFacts& f) { return T::toCommand(stopOrInvoices(f)); },
     .next =
         [](FrameFlags&, const NavFacts& f) {
             return f.invoiceSettled ? T{} : T::toCommand(cmd::InvoiceOk);
         },
     .help = KELVO_TR_NOOP("The invoice's amounts and lines; a settled invoice is read-only.\n\n"
                           "<-  Back to the stop or its invoices.\n"
                           "Adjust  Adjust the selected line (or double tap it).\n"
                           "Order  Order extra of the line for the next delivery.\n"
                           "Settle  Collect the payment and the signature.")},

    {.index = screen::InvAdjLine,
     .name = KELVO_TR_NOOP("Line Adjustment"),
     .commands = {{cmd::LineOk, KELVO_TR_NOOP("&Ok"), screen::InvDetails, kScreen, nullptr, false,
                   nullptr, &invoiceLineSelected},
                  {cmd::LineCancel, KELVO_TR_NOOP("&Cancel"), screen::InvDetails}},
     .back = &toInvoiceDetails,
     .help =
         KELVO_TR_NOOP("One invoice line. Adjust: delivered and billed quantity, the amount they "
                       "come to and the reason. Pick Up: the quantity picked up.\n\n"
                       "Cancel  Leave the line as it was.\n"
                       "Ok  Save the line.")},

    {.index = screen::Contact,
     .name = KELVO_TR_NOOP("Contact"),
     .commands = {{cmd::ContactSave, KELVO_TR_NOOP("&Save"), screen::None, kScreen, nullptr, false,
                   nullptr, &callShown},
                  {cmd::ContactCancel, KELVO_TR_NOOP("&Cancel"), screen::None, kScreen, nullptr,
                   false, nullptr, &callShown},
                  {cmd::ContactAdd, KELVO_TR_NOOP("&Add"), screen::None, kScreen, nullptr, false,
                   nullptr, &callsOpen},
                  {cmd::VoiceRecorder, KELVO_TR_NOOP("&Voice recorder"), screen::None, kScreen,
                   nullptr, false, nullptr, &voiceRecordingOffered}},
     .back =
         [](FrameFlags&, const NavFacts&) {
             Translation t = T::toCommand(cmd::SelectStop);
             t.askContactSave = true;
             return t;
         },
     .help = KELVO_TR_NOOP(
         "The stop's calls: the contact person spoken to, the category, the status and "
         "the notes (a saved call takes follow-up notes).\n\n"
         "<-  Back to the stop; changes not saved are offered for saving.\n"
         "New  A new call.\n"
         "V  Save the call.\n"
         "Cancel  Drop the changes not saved.\n"
         "Rec  Record a voice message for the call; Stop ends it.")},

    {.index = screen::Safety,
     .name = KELVO_TR_NOOP("Safety Check"),
     .commands = {{cmd::SafetySave, KELVO_TR_NOOP("&Save"), screen::RouteSelect, kScreen},
                  {cmd::SafetyCancel, KELVO_TR_NOOP("&Cancel"), screen::RouteSelect, kScreen},
                  {cmd::SafetyPage, KELVO_TR_NOOP("&Page"), screen::None, kScreen}},
     .back = &toRouteSelection,
     .help = KELVO_TR_NOOP("The truck checklist, four items a page: tap Ok or Need Maintenance "
                           "for each.\n\n"
                           "->  Save the answers.\n"
                           "Cancel  Drop the answers not saved.\n"
                           "Page  Remarks on the truck.")},

    {.index = screen::Settings,
     .name = KELVO_TR_NOOP("Memory Location"),
     .commands = {{cmd::SettingsOk, KELVO_TR_NOOP("&Ok"), screen::Start, kScreen},
                  {cmd::SettingsCancel, KELVO_TR_NOOP("&Cancel"), screen::Start}},
     .help = KELVO_TR_NOOP("Where the data are kept: in main memory or on a storage card.\n\n"
                           "->  Move the data there.\n"
                           "Cancel  Leave them where they are.")},

    // The contact person and stop information screens have an empty Actions menu.
    {.index = screen::ContactPerson,
     .name = KELVO_TR_NOOP("Contact Person"),
     .back = &toStopActions,
     .help = KELVO_TR_NOOP("The stop's contact persons and their functions.\n\n"
                           "<-  Back to the stop.")},
    {.index = screen::StopInfo,
     .name = KELVO_TR_NOOP("Stop Information"),
     .back = &toStopActions,
     .help = KELVO_TR_NOOP("The stop's instructions, or its account's aging and last payment.\n\n"
                           "<-  Back to the stop.")},

    {.index = screen::InvSelect,
     .name = KELVO_TR_NOOP("Invoice Selection"),
     .commands = {{cmd::Settlement, KELVO_TR_NOOP("&Settlement"), screen::InvDetails,
                   Check::None, nullptr, false, nullptr, &invoiceListed},
                  // Only a settled invoice has a receipt.
                  {cmd::Receipt, KELVO_TR_NOOP("Receipt"), screen::None, kScreen, nullptr, false,
                   nullptr, &selectedInvoiceSettled}},
     .back = &toStopActions,
     // Right opens the selected invoice, as 'S' does.
     .next = &command<cmd::Settlement>,
     .help = KELVO_TR_NOOP("The stop's invoices, what is to pay and what was collected.\n\n"
                           "<-  Back to the stop.\n"
                           "S  Open the selected invoice (or double tap it).")},

    {.index = screen::Scan,
     .name = KELVO_TR_NOOP("Garment Scanning"),
     .commands = {{cmd::ScanOk, KELVO_TR_NOOP("&Ok"), screen::None, kScreen, nullptr, false,
                   nullptr, &scanCodeComplete},
                  {cmd::ScanCancel, KELVO_TR_NOOP("&Cancel"), screen::None, kScreen, nullptr, false,
                   nullptr, &scanOpen},
                  {cmd::FlagMode, KELVO_TR_NOOP("Flag Mode"), screen::None, kScreen, nullptr, false,
                   nullptr, &scanOpen},
                  {cmd::ReplaceMode, KELVO_TR_NOOP("Replace Mode"), screen::None, kScreen, nullptr,
                   false, nullptr, &scanOpen}},
     .back = &toStopActions,
     .help =
         KELVO_TR_NOOP("Flag a garment, or mark it for replacement: choose the flag or the reason, "
                       "type a remark or reference, then scan or type the garment's ID-Code; Enter "
                       "stores it.\n\n"
                       "Flag, Replace  What is stored.\n"
                       "V  Store the garment.\n"
                       "Cancel  Clear the entry.\n"
                       "<-  Back to the stop.")},

    {.index = screen::Wearer,
     .name = KELVO_TR_NOOP("Wearers"),
     .commands = {{cmd::AddWearer, KELVO_TR_NOOP("Add Wearer"), screen::AddWearer, Check::None,
                   &newWearerFlow},
                  {cmd::MakeALike, KELVO_TR_NOOP("Make-A-Like"), screen::AddWearer, Check::None,
                   &wearer_rules::makeALike},
                  {cmd::AddProduct, KELVO_TR_NOOP("Add Product"), screen::AddProduct, Check::None,
                   &wearer_rules::addProduct},
                  {cmd::QuitWearer, KELVO_TR_NOOP("Quit Wearer"), screen::None, kScreen,
                   &wearer_rules::quitWearer},
                  {cmd::CancelTransaction, KELVO_TR_NOOP("Cancel Transaction"), screen::None,
                   kScreen, &wearer_rules::cancelTransaction, false, nullptr,
                   &wearerChangeCancellable}},
     .back = &leaveWearers,
     .help = KELVO_TR_NOOP(
         "The customer's wearers; today's changes in colour: green added, red quit or "
         "replaced, grey inactive. Tap a wearer to show or hide his products.\n\n"
         "View  Show the wearers whose name holds the filter.\n"
         "A  Add a wearer.  M  A new wearer like the selected one.\n"
         "AP  Add products to the selected wearer.\n"
         "Quit  The selected wearer leaves.\n"
         "Cancel  Undo the change of the selected row.\n"
         "<-  Back to the stop.")},

    // The wearer screen with a product line selected switches to this table itself.
    {.index = screen::WearerProduct,
     .name = KELVO_TR_NOOP("Wearers"),
     .commands = {{cmd::Exchange, KELVO_TR_NOOP("Exchange"), screen::ExchangeProd, Check::None,
                   &wearer_rules::exchange},
                  {cmd::ChangeQuantity, KELVO_TR_NOOP("Change Quantity"), screen::ChangeQty,
                   Check::None, &wearer_rules::changeQuantity},
                  {cmd::QuitProduct, KELVO_TR_NOOP("Quit Product"), screen::None, kScreen,
                   &wearer_rules::quitProduct},
                  {cmd::CancelTransaction, KELVO_TR_NOOP("Cancel Transaction"), screen::None,
                   kScreen, &wearer_rules::cancelTransaction, false, nullptr,
                   &wearerChangeCancellable}},
     .back = &leaveWearers,
     .help = KELVO_TR_NOOP("The selected product of a wearer.\n\n"
                           "Ex  Exchange it for another product or size.\n"
                           "M  Change its quantity, changes or price.\n"
                           "QP  The wearer gives it back.\n"
                           "Cancel  Undo the change of the selected row.\n"
                           "<-  Back to the stop.")},

    {.index = screen::AddWearer,
     .name = KELVO_TR_NOOP("Add Wearer"),
     .commands = {{cmd::WearerPage2, KELVO_TR_NOOP("Wearer Page 2"), screen::AddNextWearer, kScreen,
                   nullptr, false, nullptr, &wearerPage1Complete}},
     .back = &toWearers,
     // Right is the page's "->" in every laundry: the "DUD" laundry's page leads on to the
     // products from its own step, after the page has been checked and stored.
     .next = &whileEnabled<&command<cmd::WearerPage2>>,
     .help = KELVO_TR_NOOP("A new wearer, page 1: number, names, department, bank and locker.\n\n"
                           "<-  Back to the wearers; nothing is saved.\n"
                           "->  Page 2 (the products, for the laundries without page 2).")},

    {.index = screen::AddNextWearer,
     .name = KELVO_TR_NOOP("Add Wearer"),
     .commands = {{cmd::AddProductPage2, KELVO_TR_NOOP("Add Product"), screen::AddProduct, kScreen,
                   nullptr, false, KELVO_TR_NOOP("Select Size"), &functionsListed},
                  {cmd::SelectSizes, nullptr, screen::SelectSize, kScreen}},
     .back =
         [](FrameFlags& fl, const NavFacts&) {
             return T::toCommand(fl.makeALike ? cmd::MakeALike : cmd::AddWearer);
         },
     .next = &whileEnabled<[](FrameFlags& fl, const NavFacts&) {
         return T::toCommand(fl.makeALike ? cmd::SelectSizes : cmd::AddProductPage2);
     }>,
     .help = KELVO_TR_NOOP("A new wearer, page 2: administrative number, function and a remark.\n\n"
                           "<-  Back to page 1.\n"
                           "->  The wearer's products (their sizes for a make-a-like).")},

    {.index = screen::AddProduct,
     .name = KELVO_TR_NOOP("Add Product"),
     .commands = {{cmd::StoreProduct, KELVO_TR_NOOP("Add Product"), screen::WorkOrder, kScreen,
                   &resumedStaysOnProduct, true, nullptr, &productEntryComplete}},
     .back =
         [](FrameFlags& fl, const NavFacts& f) {
             if (fl.productOnly) {
                 return T::toCommand(cmd::WearerScreen);
             }
             if (fl.makeALike) {
                 fl.wearerFlowResumed = true;
                 return T::toCommand(cmd::SelectSizes);
             }
             return resumeNewWearer(fl, f);
         },
     .next = &whileEnabled<[](FrameFlags& fl, const NavFacts&) {
         fl.wearerFlowResumed = false;
         return T::toCommand(cmd::StoreProduct);
     }>,
     .help = KELVO_TR_NOOP("A product for the wearer: product, size, quantity, changes, emblem "
                           "template, finishing method and price.\n\n"
                           "<-  Back.\n"
                           "->  Add it; then another one, or the work order.")},

    {.index = screen::WorkOrder,
     .name = KELVO_TR_NOOP("Work Order"),
     .commands = {{cmd::WorkOrderSave, KELVO_TR_NOOP("Save"), screen::Wearer, kScreen, nullptr,
                   false, nullptr, &workOrderEntryComplete}},
     .back =
         [](FrameFlags& fl, const NavFacts&) {
             if (fl.exchangeInProgress) {
                 fl.exchangeInProgress = false;
                 return T::toCommand(cmd::Exchange);
             }
             if (fl.quantityChangeInProgress) {
                 return T::toCommand(cmd::ChangeQuantity);
             }
             fl.wearerFlowResumed = true;
             return T::toCommand(fl.makeALike ? cmd::SelectSizes : cmd::StoreProduct);
         },
     .next = &whileEnabled<&command<cmd::WorkOrderSave>>,
     .help =
         KELVO_TR_NOOP("Why the garments are ordered: choose the reason, give a reference and a "
                       "remark.\n\n"
                       "<-  Back to the change.\n"
                       "->  Save the change (once a reason is chosen).")},

    {.index = screen::SelectSize,
     .name = KELVO_TR_NOOP("Select Size"),
     .commands = {{cmd::AddSizedProduct, KELVO_TR_NOOP("Add Product"), screen::WorkOrder, kScreen,
                   nullptr, false, nullptr, &sizesChosen}},
     .back = &resumeNewWearer,
     .next = &whileEnabled<&command<cmd::AddSizedProduct>>,
     .help =
         KELVO_TR_NOOP("The products of the model wearer: choose a size for each.\n\n"
                       "<-  Back to page 2.\n"
                       "->  Once every product has a size: another product, or the work order.")},

    {.index = screen::ExchangeProd,
     .name = KELVO_TR_NOOP("Exchange Product"),
     .commands = {{cmd::WorkOrder, KELVO_TR_NOOP("Work Order"), screen::WorkOrder, kScreen, nullptr,
                   true, nullptr, &exchangeEntryComplete}},
     .back = &toWearers,
     .next = &whileEnabled<&command<cmd::WorkOrder>>,
     .help = KELVO_TR_NOOP("The product or size that replaces the selected one, with its emblem "
                           "template, finishing method and price.\n\n"
                           "<-  Back to the wearers; nothing is saved.\n"
                           "->  The work order.")},

    {.index = screen::ChangeQty,
     .name = KELVO_TR_NOOP("Change Quantity"),
     .commands = {{cmd::QuantityNext, KELVO_TR_NOOP("Next"), screen::WorkOrder, kScreen, nullptr,
                   false, nullptr, &quantityEntryComplete, &quantityNextCaption}},
     .back = &toWearers,
     .next = &whileEnabled<&command<cmd::QuantityNext>>,
     .help =
         KELVO_TR_NOOP("The future quantity, changes and price of the selected product.\n\n"
                       "<-  Back to the wearers; nothing is saved.\n"
                       "->  A higher quantity goes on to the work order; a lower one is saved at "
                       "once.")},

    {.index = screen::NewServices,
     .name = KELVO_TR_NOOP("New Services"),
     .commands = {{cmd::ServiceAdd, KELVO_TR_NOOP("Add"), screen::AddNewService, Check::None,
                   nullptr, false, nullptr, &stopSelected},
                  {cmd::ServiceDelete, KELVO_TR_NOOP("Delete"), screen::None, kScreen,
                   &confirmServiceDelete, false, nullptr, &servicesListed}},
     .back = &toInvoiceDetails,
     .help = KELVO_TR_NOOP(
         "The flat-good services added for the customer: product, frequency, quantity "
         "and price.\n\n"
         "<-  Back to the invoice.\n"
         "V  Add a service.\n"
         "Cancel  Delete the selected service.")},

    {.index = screen::AddNewService,
     .name = KELVO_TR_NOOP("Add New Service"),
     .commands = {{cmd::ServiceSave, KELVO_TR_NOOP("Save"), screen::NewServices, kScreen, nullptr,
                   false, nullptr, &serviceEntryComplete},
                  {cmd::ServiceCancel, KELVO_TR_NOOP("Cancel"), screen::NewServices}},
     .help = KELVO_TR_NOOP(
         "A new flat-good service: choose the group, the product and the frequency; "
         "the catalogue's price is filled in and may be changed; type the quantity.\n\n"
         "Save  Add the service.\n"
         "Cancel  Back to the services without adding.")},

    {.index = screen::InvDudDetail,
     .name = KELVO_TR_NOOP("Order Detail"),
     .commands = {{cmd::OrderDetailSave, KELVO_TR_NOOP("Save"), screen::InventoryChange,
                   Check::None, nullptr, false, nullptr, &inventoryChangeable},
                  {cmd::OrderDetailCancel, KELVO_TR_NOOP("Cancel"), screen::None, kScreen, nullptr,
                   false, nullptr, &inventoryChangeable}},
     .back = &toInvoiceDetails,
     .help =
         KELVO_TR_NOOP("The invoice's products with their inventory now and after the change.\n\n"
                       "<-  Back to the invoice.\n"
                       "Cancel  Undo the change of the selected product.\n"
                       "Change  Change the selected product's inventory.")},

    // No screen uses index 26.
    {.index = screen::Unused, .name = KELVO_TR_NOOP("")},

    {.index = screen::InventoryChange,
     .name = KELVO_TR_NOOP("Inventory Change"),
     .commands = {{cmd::InventoryChangeSave, KELVO_TR_NOOP("Save"), screen::InvDudDetail, kScreen,
                   nullptr, false, nullptr, &invoiceLineSelected},
                  {cmd::InventoryChangeCancel, KELVO_TR_NOOP("Cancel"), screen::InvDudDetail}},
     .back = &command<cmd::Order>,
     .help = KELVO_TR_NOOP("The inventory of one product: type the change, see the future "
                           "inventory.\n\n"
                           "<-  Leave it unchanged.\n"
                           "Ok  Store the future inventory.")},

    {.index = screen::DayRecap,
     .name = KELVO_TR_NOOP("Day Recap"),
     .commands = {{cmd::RecapPdf, KELVO_TR_NOOP("Write PDF"), screen::None, kScreen}},
     .back = [](FrameFlags&, const NavFacts&) { return T::toScreen(screen::RouteMan); },
     .help = KELVO_TR_NOOP(
         "The day and each route: stops served, undeliverable and open; invoices settled "
         "and open; cash and each cheque; COD expected, collected and delayed; charge "
         "invoices; adjustments.\n\n"
         "<-  Back to the route driver.\n"
         "PDF  Writes the recap to \\My Documents\\Receipts\\.")},
};

}  // namespace

bool ScreenCommand::enabled(const CKelvoDoc& doc) const {
    return !enabledRule || enabledRule(doc);
}

std::string ScreenCommand::caption(const CKelvoDoc& doc) const {
    const char* named = captionRule ? captionRule(doc) : nullptr;
    if (!named) {
        named = menuCaption;
    }
    return named ? tr(named) : std::string();
}

const std::vector<ScreenEntry>& screenTable() {
    return kScreens;
}

const ScreenEntry* findScreen(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kScreens.size()) {
        return nullptr;
    }
    return &kScreens[static_cast<std::size_t>(index)];
}

const ScreenCommand* findCommand(const ScreenEntry& screen, CommandId id) {
    const auto it = std::find_if(screen.commands.begin(), screen.commands.end(),
                                 [id](const ScreenCommand& c) { return c.id == id; });
    return it == screen.commands.end() ? nullptr : &*it;
}

const ScreenCommand* findCommand(CommandId id) {
    for (const ScreenEntry& screen : kScreens) {
        if (const ScreenCommand* c = findCommand(screen, id)) {
            return c;
        }
    }
    return nullptr;
}

}  // namespace kelvo
