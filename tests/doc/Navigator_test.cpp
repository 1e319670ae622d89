#include "doc/Navigator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/InvoiceOps.h"
#include "doc/KelvoDoc.h"
#include "doc/ScreenHost.h"
#include "doc/ScreenTable.h"
#include "doc/SettleOps.h"
#include "support/SampleStop.h"
#include "support/TempDevice.h"

using namespace kelvo;

namespace {

// A window whose every screen is a plain view that counts the steps it is asked to run and
// answers as told.
class FakeHost : public ScreenHost {
public:
    bool openView(int index) override {
        ++opened;
        return missing.count(index) == 0;
    }
    CommandOutcome runCheck(CommandId id) override {
        ++checks[id];
        pendingAtCheck = nav->flags().safetyCheckPending;
        const auto it = answers.find(id);
        return it == answers.end() ? CommandOutcome::proceed() : it->second;
    }
    void confirmLeave() override { ++leaves; }
    void commandsChanged() override { ++changes; }

    Navigator* nav = nullptr;
    std::set<int> missing;
    std::map<CommandId, int> checks;
    std::map<CommandId, CommandOutcome> answers;
    bool pendingAtCheck = false;
    int opened = 0, leaves = 0, changes = 0;
};

class NavigatorTest : public ::testing::Test {
protected:
    NavigatorTest() : doc(device.fs(), prompter, clock), nav(doc, host) {
        host.nav = &nav;
        // The wearer forms' drafts complete, as plain views that accept every entry leave them.
        CWearerDrafts& d = doc.WearerData().Drafts;
        d.Page1 = {"8", "Stone", "Ann", "Ann", 10, "", ""};
        d.Product = {.PID = 101, .SID = 2, .quantity = "1"};
        d.Exchange = {.PID = 101, .SID = 2};
        d.WorkOrder.reasonCode = "WO";
    }

    // The Actions menu as "caption|[disabled caption]|...".
    std::string menuText() const {
        std::string out;
        for (const MenuItem& item : nav.menu()) {
            out +=
                (out.empty() ? "" : "|") + (item.enabled ? item.caption : "[" + item.caption + "]");
        }
        return out;
    }

    test::TempDevice device;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc;
    FakeHost host;
    Navigator nav;
};

// Back and Next on every screen, with plain screens that accept every command (no invoices
// on the stop, nothing settled, no wearer flow under way, not the "DUD" laundry), hold the
// promises a driver relies on: both lead to a screen of the table; Back goes to a screen the
// driver can come back from (by Next, by a command that leads here, or by a command whose
// screen decides where it goes); and Back taken again and again never goes round in a circle:
// it ends on the start screen or on a screen whose own step handles Back.
TEST_F(NavigatorTest, BackAndNextOfEveryScreenHoldTheirPromises) {
    // Where a step leads from a screen shown afresh.
    auto after = [&](int from, CommandId step) {
        Navigator fresh(doc, host);
        EXPECT_TRUE(fresh.show(from)) << "screen " << from;
        fresh.dispatch(step);
        return fresh.current();
    };
    // Whether one step of the driver may lead from `from` to `to`.
    auto mayLead = [&](int from, int to) {
        if (after(from, cmd::Next) == to) {
            return true;
        }
        const std::vector<ScreenCommand>& commands = findScreen(from)->commands;
        return std::any_of(commands.begin(), commands.end(), [&](const ScreenCommand& c) {
            return c.target == to || (c.target == screen::None && c.check == Check::ByScreen);
        });
    };
    std::vector<int> back(screen::Count);
    for (int n = 0; n < screen::Count; ++n) {
        back[n] = after(n, cmd::Back);
        ASSERT_NE(findScreen(back[n]), nullptr) << "Back on screen " << n;
        ASSERT_NE(findScreen(after(n, cmd::Next)), nullptr) << "Next on screen " << n;
        if (back[n] != n) {
            EXPECT_TRUE(mayLead(back[n], n))
                << "Back on screen " << n << " leads to screen " << back[n]
                << ", from which no step leads back to it";
        }
    }
    EXPECT_EQ(back[screen::Start], screen::Start);
    for (int n = 0; n < screen::Count; ++n) {
        int at = n;
        for (int steps = 0; steps < screen::Count && back[at] != at; ++steps) {
            at = back[at];
        }
        EXPECT_EQ(back[at], at) << "Back taken again and again from screen " << n
                                << " goes round in a circle";
    }
}

TEST_F(NavigatorTest, BackAndNextFollowTheWearerFlow) {
    struct Case {
        int screen;
        FrameFlags flags;
        CommandId step;
        int target;
        FrameFlags after;
    };
    FrameFlags plain, makeALike, productOnly, exchange, resumed, makeALikeResumed;
    makeALike.makeALike = makeALikeResumed.makeALike = true;
    productOnly.productOnly = true;
    exchange.exchangeInProgress = true;
    resumed.wearerFlowResumed = makeALikeResumed.wearerFlowResumed = true;
    const Case cases[] = {
        {screen::AddWearer, resumed, cmd::Next, screen::AddNextWearer, resumed},
        {screen::AddNextWearer, makeALike, cmd::Back, screen::AddWearer, makeALike},
        // Page 2 goes on only with a function to choose (the document holds none).
        {screen::AddNextWearer, makeALike, cmd::Next, screen::AddNextWearer, makeALike},
        {screen::AddProduct, productOnly, cmd::Back, screen::Wearer, productOnly},
        {screen::AddProduct, plain, cmd::Back, screen::AddNextWearer, resumed},
        {screen::AddProduct, makeALike, cmd::Back, screen::SelectSize, makeALikeResumed},
        // The exchange is under way again: its work order leads back to it once more.
        {screen::WorkOrder, exchange, cmd::Back, screen::ExchangeProd, exchange},
        {screen::WorkOrder, plain, cmd::Back, screen::AddProduct, resumed},
        {screen::SelectSize, makeALike, cmd::Back, screen::AddNextWearer, makeALikeResumed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "screen " << c.screen << " step " << c.step);
        Navigator fresh(doc, host);
        ASSERT_TRUE(fresh.show(c.screen));
        fresh.flags() = c.flags;
        fresh.dispatch(c.step);
        EXPECT_EQ(fresh.current(), c.target);
        EXPECT_EQ(fresh.flags().makeALike, c.after.makeALike);
        EXPECT_EQ(fresh.flags().productOnly, c.after.productOnly);
        EXPECT_EQ(fresh.flags().exchangeInProgress, c.after.exchangeInProgress);
        EXPECT_EQ(fresh.flags().wearerFlowResumed, c.after.wearerFlowResumed);
    }
    // The "DUD" laundry has no page 2: Back leads to page 1. Right is the page's "->" in
    // every laundry; the "DUD" page leads on by its own step.
    NavFacts dud;
    dud.dud = true;
    FrameFlags flags;
    EXPECT_EQ(findScreen(screen::AddProduct)->back(flags, dud).command, cmd::AddWearer);
    EXPECT_EQ(findScreen(screen::SelectSize)->back(flags, dud).command, cmd::AddWearer);
    EXPECT_EQ(findScreen(screen::AddWearer)->next(flags, dud).command, cmd::WearerPage2);
}

// Back and Next learn where the driver stands from the document, never from a screen: a route
// under way keeps him on the routes, a stop between arrival and departure keeps him there,
// Next before the arrival is the arrival, a stop with one invoice goes straight to it and
// back, a settled invoice has no Next.
TEST_F(NavigatorTest, BackAndNextFollowTheDocument) {
    test::workAtStop(device, doc, 2, false);  // two invoices
    const auto step = [this](int from, CommandId command) {
        Navigator fresh(doc, host);
        EXPECT_TRUE(fresh.show(from));
        fresh.dispatch(command);
        return fresh.current();
    };
    EXPECT_EQ(step(screen::RouteSelect, cmd::Back), screen::RouteMan);
    doc.Routes().At(0).SetStartMileage(1200.0);
    EXPECT_EQ(step(screen::RouteSelect, cmd::Back), screen::RouteSelect);
    doc.Routes().At(0).SetEndMileage(1290.0);
    EXPECT_EQ(step(screen::RouteSelect, cmd::Back), screen::RouteMan);
    doc.Routes().At(0).SetEndMileage(0.0);

    EXPECT_EQ(step(screen::StopAction, cmd::Back), screen::StopSelect);
    EXPECT_EQ(step(screen::StopAction, cmd::Next), screen::StopAction);
    EXPECT_EQ(host.checks[cmd::Arrived], 1);
    CStop& stop = doc.Route().Stop(2);
    stop.ArrivalTime = "09:05";
    EXPECT_EQ(step(screen::StopAction, cmd::Back), screen::StopAction);
    EXPECT_EQ(step(screen::StopAction, cmd::Next), screen::StopAction);
    EXPECT_EQ(host.checks[cmd::Arrived], 1);
    ASSERT_EQ(loadStopInvoices(doc), 2u);
    stop.DepartureTime = "09:30";
    EXPECT_EQ(step(screen::StopAction, cmd::Next), screen::InvSelect);
    stop.DepartureTime.clear();

    doc.Invoicing().selectInvoice(100103);
    ASSERT_TRUE(openSelectedInvoice(doc));
    EXPECT_EQ(step(screen::InvDetails, cmd::Back), screen::InvSelect);
    EXPECT_EQ(step(screen::InvDetails, cmd::Next), screen::StopAction);
    EXPECT_EQ(host.checks[cmd::InvoiceOk], 1);
    ASSERT_EQ(settle(doc, {118.22, "CHK-0042", "RD"}).next, screen::InvSelect);
    EXPECT_EQ(step(screen::InvDetails, cmd::Next), screen::InvDetails);
    EXPECT_EQ(host.checks[cmd::InvoiceOk], 1);

    test::reopenAtStop(device, doc, 9);  // one invoice
    ASSERT_EQ(loadStopInvoices(doc), 1u);
    ASSERT_EQ(openStopInvoices(doc), cmd::Settlement);
    EXPECT_DOUBLE_EQ(doc.Invoicing().SelectedNumber(), 100110);
    EXPECT_EQ(step(screen::InvDetails, cmd::Back), screen::StopAction);
}

TEST_F(NavigatorTest, RepeatGuardIgnoresOnlyTheCommandThatChangedTheScreen) {
    test::workAtStop(device, doc, 0, false);
    ASSERT_TRUE(nav.show(screen::RouteSelect));
    nav.choose(cmd::StartRoute);
    EXPECT_EQ(nav.current(), screen::StopSelect);
    nav.choose(cmd::StartRoute);
    EXPECT_EQ(nav.lastCommand(), cmd::StartRoute);
    EXPECT_EQ(host.opened, 2);
    // Back and Next name no command of their own: two Backs walk back two screens.
    nav.show(screen::RouteSelect);
    nav.dispatch(cmd::Back);
    nav.dispatch(cmd::Back);
    EXPECT_EQ(nav.current(), screen::Start);

    // Add Product and Work Order are carried out every time.
    ASSERT_TRUE(nav.show(screen::AddProduct));
    nav.choose(cmd::StoreProduct);
    ASSERT_TRUE(nav.show(screen::AddProduct));
    nav.choose(cmd::StoreProduct);
    EXPECT_EQ(host.checks[cmd::StoreProduct], 2);
    ASSERT_TRUE(nav.show(screen::ExchangeProd));
    nav.choose(cmd::WorkOrder);
    ASSERT_TRUE(nav.show(screen::ExchangeProd));
    nav.choose(cmd::WorkOrder);
    EXPECT_EQ(host.checks[cmd::WorkOrder], 2);
    // Coming back into the add-product screen stores nothing again.
    ASSERT_TRUE(nav.show(screen::AddProduct));
    nav.flags().wearerFlowResumed = true;
    nav.choose(cmd::StoreProduct);
    EXPECT_EQ(host.checks[cmd::StoreProduct], 2);
    EXPECT_EQ(nav.current(), screen::AddProduct);
}

TEST_F(NavigatorTest, TheWearerListStartsAfreshOnlyFromTheStop) {
    CWearerListState& state = doc.WearerData().ListState;
    state.SaveView("Park", {});
    ASSERT_TRUE(nav.show(screen::AddWearer));
    nav.dispatch(cmd::Back);
    EXPECT_EQ(nav.current(), screen::Wearer);
    EXPECT_TRUE(state.HasSavedView());
    // Without a selected wearer the wearer actions stay.
    nav.choose(cmd::MakeALike);
    nav.choose(cmd::AddProduct);
    EXPECT_EQ(nav.current(), screen::Wearer);
    EXPECT_EQ(prompter.shown().size(), 2u);
    nav.dispatch(cmd::Back);
    EXPECT_EQ(nav.current(), screen::StopAction);
    EXPECT_FALSE(state.HasSavedView());
    state.SaveView("Park", {});
    nav.choose(cmd::WearerScreen);
    EXPECT_FALSE(state.HasSavedView());
}

// Add Wearer chosen on the wearer screen starts a new flow, whatever the last one left behind.
TEST_F(NavigatorTest, AddWearerChosenStartsAFreshWearerFlow) {
    ASSERT_TRUE(nav.show(screen::Wearer));
    nav.flags().makeALike = nav.flags().productOnly = nav.flags().wearerFlowResumed = true;
    nav.choose(cmd::AddWearer);
    EXPECT_EQ(nav.current(), screen::AddWearer);
    EXPECT_FALSE(nav.flags().makeALike);
    EXPECT_FALSE(nav.flags().productOnly);
    EXPECT_FALSE(nav.flags().wearerFlowResumed);
}

// A reason chosen by mistake is corrected at once; the stop information screen shows the page
// its button asked for.
TEST_F(NavigatorTest, TheStopScreensOwnSteps) {
    test::workAtStop(device, doc, 2, false);
    doc.Routes().At(0).SetStartMileage(1200.0);  // a stop is marked only on a started route
    ASSERT_TRUE(nav.show(screen::StopSelect));
    nav.choose(cmd::Undeliverable);
    nav.choose(cmd::Undeliverable);
    EXPECT_EQ(host.checks[cmd::Undeliverable], 2);
    EXPECT_EQ(nav.current(), screen::StopSelect);

    for (const auto& [command, page] :
         {std::pair{cmd::AgingInfo, StopInfoPage::Aging},
          std::pair{cmd::StopInstructions, StopInfoPage::Instructions},
          std::pair{cmd::AgingInfo, StopInfoPage::Aging}}) {
        ASSERT_TRUE(nav.show(screen::StopAction));
        nav.choose(command);
        EXPECT_EQ(nav.current(), screen::StopInfo);
        EXPECT_EQ(doc.Routing().StopInfo(), page);
    }
}

TEST_F(NavigatorTest, ARefusedStepStaysAndCanBeTriedAgainAndAStepCanLeadElsewhere) {
    ASSERT_TRUE(nav.show(screen::Start));
    host.answers[cmd::Start] = CommandOutcome::stay();
    nav.choose(cmd::Start);
    EXPECT_EQ(nav.current(), screen::Start);
    host.answers.erase(cmd::Start);
    nav.choose(cmd::Start);
    EXPECT_EQ(host.checks[cmd::Start], 2);
    EXPECT_EQ(nav.current(), screen::RouteMan);

    host.answers[cmd::RouteManStart] = CommandOutcome::to(screen::Safety, cmd::Preparation);
    nav.choose(cmd::RouteManStart);
    EXPECT_EQ(nav.current(), screen::Safety);
    EXPECT_EQ(nav.lastCommand(), cmd::Preparation);

    // From another screen a command goes straight to its screen: Back from the safety check
    // is the route-driver screen's Start without its step.
    nav.dispatch(cmd::Back);
    EXPECT_EQ(nav.current(), screen::RouteSelect);
    EXPECT_EQ(host.checks[cmd::RouteManStart], 1);
}

TEST_F(NavigatorTest, AScreenThatCannotBeCreatedLeavesTheOldOne) {
    test::workAtStop(device, doc, 0, false);
    host.missing = {screen::StopSelect};
    ASSERT_TRUE(nav.show(screen::RouteSelect));
    nav.choose(cmd::StartRoute);
    EXPECT_EQ(nav.current(), screen::RouteSelect);
    // Nothing changed the screen, so the same command may be given again.
    nav.choose(cmd::StartRoute);
    EXPECT_EQ(host.checks[cmd::StartRoute], 2);
    EXPECT_FALSE(nav.show(screen::StopSelect));
    EXPECT_FALSE(nav.show(screen::Count));
}

// What the document does not allow is greyed and refused however it arrives; the menu
// follows the document at once.
TEST_F(NavigatorTest, ACommandTheDocumentDoesNotAllowIsRefusedAndGreyed) {
    test::workAtStop(device, doc, 2, false);
    ASSERT_EQ(loadStopInvoices(doc), 2u);
    ASSERT_TRUE(nav.show(screen::StopAction));
    EXPECT_EQ(menuText(), "&Arrived|[&Departed]");
    EXPECT_FALSE(nav.isEnabled(cmd::Departed));
    nav.choose(cmd::Departed);
    EXPECT_EQ(host.checks[cmd::Departed], 0);
    doc.Route().Stop(2).ArrivalTime = "09:05";
    EXPECT_EQ(menuText(), "[&Arrived]|[&Departed]");  // the invoices are not settled
    nav.choose(cmd::Arrived);
    EXPECT_EQ(host.checks[cmd::Arrived], 0);
    EXPECT_FALSE(nav.isEnabled(cmd::RouteManStart));  // not offered on the stop actions

    ASSERT_TRUE(nav.show(screen::RouteSelect));
    EXPECT_EQ(menuText(), "&Start Route|&Preparation|[&End Route]");
    doc.Route().Stop(2).ArrivalTime.clear();
}

// A form's forward command waits for the complete draft the form keeps in the document, in the
// menu and by Next; a screen that cannot be opened leaves the draft as it is.
TEST_F(NavigatorTest, AFormsForwardCommandWaitsForItsCompleteDraft) {
    ASSERT_TRUE(nav.show(screen::WorkOrder));
    doc.WearerData().Drafts.WorkOrder.reasonCode.clear();
    EXPECT_EQ(menuText(), "[Save]");
    nav.dispatch(cmd::Next);
    EXPECT_EQ(host.checks[cmd::WorkOrderSave], 0);
    doc.WearerData().Drafts.WorkOrder.reasonCode = "WO";
    host.missing = {screen::Wearer};
    nav.dispatch(cmd::Next);
    EXPECT_EQ(host.checks[cmd::WorkOrderSave], 1);
    EXPECT_EQ(nav.current(), screen::WorkOrder);
    EXPECT_EQ(menuText(), "Save");
}

TEST_F(NavigatorTest, MenusAndTheBackEntry) {
    ASSERT_TRUE(nav.show(screen::Start));
    EXPECT_EQ(menuText(), "Se&ttings|&Start");
    EXPECT_FALSE(nav.backEnabled());
    ASSERT_TRUE(nav.show(screen::RouteMan));
    EXPECT_FALSE(nav.backEnabled());
    ASSERT_TRUE(nav.show(screen::StopAction));
    // Its buttons' other commands have no entry; without a stop nothing is to be recorded.
    EXPECT_EQ(menuText(), "[&Arrived]|[&Departed]");
    EXPECT_TRUE(nav.backEnabled());
    for (int s : {screen::ContactPerson, screen::StopInfo}) {
        ASSERT_TRUE(nav.show(s));
        EXPECT_EQ(menuText(), "");
    }
    ASSERT_TRUE(nav.show(screen::AddNextWearer));
    EXPECT_EQ(menuText(), "[Add Product]");  // no function to choose
    nav.flags().makeALike = true;
    EXPECT_EQ(menuText(), "[Select Size]");
    // The wearer screen switches between its two tables itself.
    ASSERT_TRUE(nav.show(screen::Wearer));
    const int changes = host.changes;
    nav.setCommandTable(screen::WearerProduct);
    EXPECT_EQ(menuText(), "Exchange|Change Quantity|Quit Product|[Cancel Transaction]");
    EXPECT_EQ(host.changes, changes + 1);
}

// Only Start chosen on the route-driver screen offers the safety check; Next there and Back
// from the routes go straight on.
TEST_F(NavigatorTest, StartChosenOnTheRouteDriverScreenOffersTheSafetyCheck) {
    ASSERT_TRUE(nav.show(screen::RouteMan));
    nav.dispatch(cmd::Next);
    EXPECT_FALSE(host.pendingAtCheck);
    EXPECT_EQ(nav.current(), screen::RouteSelect);
    nav.dispatch(cmd::Back);
    nav.choose(cmd::RouteManStart);
    EXPECT_TRUE(host.pendingAtCheck);
    EXPECT_EQ(host.checks[cmd::RouteManStart], 2);
    ASSERT_TRUE(nav.show(screen::StopSelect));
    EXPECT_FALSE(nav.flags().safetyCheckPending);  // a shown screen never inherits it
    nav.dispatch(cmd::Back);
    EXPECT_EQ(host.checks[cmd::RouteManStart], 2);
    EXPECT_FALSE(nav.flags().safetyCheckPending);
}

TEST_F(NavigatorTest, EndRouteWaitsForTheSafetyCheck) {
    test::workAtStop(device, doc, 0, false);
    CRouteSummary& route = doc.Routes().At(0);
    route.SetStartMileage(1200.0);
    route.SetSettledStops(route.TotalStops());
    ASSERT_TRUE(nav.show(screen::RouteSelect));
    host.answers[cmd::EndRoute] = CommandOutcome::stay();
    nav.choose(cmd::EndRoute);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "Please do safety check!");
    EXPECT_EQ(prompter.shown()[0].caption, "Warning");
    EXPECT_EQ(host.checks[cmd::EndRoute], 0);
    doc.Routing().markSafetyDone();
    nav.choose(cmd::EndRoute);
    EXPECT_EQ(host.checks[cmd::EndRoute], 1);
    EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST_F(NavigatorTest, BackFromTheContactScreenOffersToSaveFirst) {
    ASSERT_TRUE(nav.show(screen::Contact));
    nav.dispatch(cmd::Back);
    EXPECT_EQ(host.leaves, 1);
    EXPECT_EQ(nav.current(), screen::StopAction);
}

}  // namespace

TEST_F(NavigatorTest, FlatGoodServiceIsDeletedOnlyAfterYes) {
    ASSERT_TRUE(nav.show(screen::NewServices));
    EXPECT_EQ(menuText(), "[Add]|[Delete]");  // no stop, no service
    device.put("\\VexXml\\FlatGoodTransactions_20117.xml",
               "<FlatGoodTransactions><FlatGoodTransaction><Prodcode>MT35</Prodcode>"
               "<Freqcode>1W</Freqcode><Qty>2</Qty><Price>4.50</Price></FlatGoodTransaction>"
               "</FlatGoodTransactions>");
    doc.FlatGoodTransactions().SetPath("");
    ASSERT_TRUE(doc.FlatGoodTransactions().Load(device.fs(), 20117).ok());
    ASSERT_EQ(doc.FlatGoodTransactions().Count(), 1u);
    EXPECT_EQ(menuText(), "[Add]|Delete");
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        prompter.queue(answer);
        nav.choose(cmd::ServiceDelete);
    }
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].text,
              "Are you sure you want to delete this flat good transaction ?");
    EXPECT_EQ(prompter.shown()[0].caption, "Confirm cancel");
    EXPECT_EQ(host.checks[cmd::ServiceDelete], 1);
    EXPECT_EQ(nav.current(), screen::NewServices);
}
