#include "doc/Navigator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "doc/ScreenHost.h"
#include "doc/ScreenTable.h"
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
    void fillNavFacts(NavFacts& f) override {
        const bool enabled = f.firstEntryEnabled;
        f = facts;
        f.firstEntryEnabled = enabled;
    }
    void confirmLeave() override { ++leaves; }
    void commandsChanged() override { ++changes; }

    Navigator* nav = nullptr;
    std::set<int> missing;
    std::map<CommandId, int> checks;
    std::map<CommandId, CommandOutcome> answers;
    NavFacts facts;
    bool pendingAtCheck = false;
    int opened = 0, leaves = 0, changes = 0;
};

class NavigatorTest : public ::testing::Test {
protected:
    NavigatorTest() : doc(device.fs(), prompter, clock), nav(doc, host) { host.nav = &nav; }

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

TEST_F(NavigatorTest, BackAndNextFollowTheScreensFactsAndTheWearerFlow) {
    struct Case {
        int screen;
        FrameFlags flags;
        NavFacts facts;
        CommandId step;
        int target;
        FrameFlags after;
    };
    FrameFlags plain, makeALike, productOnly, exchange, resumed, makeALikeResumed;
    makeALike.makeALike = makeALikeResumed.makeALike = true;
    productOnly.productOnly = true;
    exchange.exchangeInProgress = true;
    resumed.wearerFlowResumed = makeALikeResumed.wearerFlowResumed = true;
    NavFacts none, twoInvoices, staying, settled, dud, ownNext;
    twoInvoices.stopInvoiceCount = 2;
    staying.mayLeave = false;
    settled.invoiceSettled = true;
    dud.dud = true;
    ownNext.handlesNextItself = true;
    const Case cases[] = {
        {screen::RouteSelect, plain, staying, cmd::Back, screen::RouteSelect, plain},
        {screen::StopAction, plain, staying, cmd::Back, screen::StopAction, plain},
        {screen::StopAction, plain, twoInvoices, cmd::Next, screen::InvSelect, plain},
        {screen::StopAction, plain, ownNext, cmd::Next, screen::StopAction, plain},
        {screen::InvDetails, plain, twoInvoices, cmd::Back, screen::InvSelect, plain},
        {screen::InvDetails, plain, settled, cmd::Next, screen::InvDetails, plain},
        // Right is the page's "->" for every laundry; the "DUD" page leads on by its own step.
        {screen::AddWearer, resumed, dud, cmd::Next, screen::AddNextWearer, resumed},
        {screen::AddNextWearer, makeALike, none, cmd::Back, screen::AddWearer, makeALike},
        {screen::AddNextWearer, makeALike, none, cmd::Next, screen::SelectSize, makeALike},
        {screen::AddProduct, productOnly, none, cmd::Back, screen::Wearer, productOnly},
        {screen::AddProduct, plain, dud, cmd::Back, screen::AddWearer, resumed},
        {screen::AddProduct, makeALike, none, cmd::Back, screen::SelectSize, makeALikeResumed},
        // The exchange is under way again: its work order leads back to it once more.
        {screen::WorkOrder, exchange, none, cmd::Back, screen::ExchangeProd, exchange},
        {screen::WorkOrder, plain, none, cmd::Back, screen::AddProduct, resumed},
        {screen::SelectSize, makeALike, dud, cmd::Back, screen::AddWearer, makeALikeResumed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "screen " << c.screen << " step " << c.step);
        Navigator fresh(doc, host);
        host.facts = c.facts;
        ASSERT_TRUE(fresh.show(c.screen));
        fresh.flags() = c.flags;
        fresh.dispatch(c.step);
        EXPECT_EQ(fresh.current(), c.target);
        EXPECT_EQ(fresh.flags().makeALike, c.after.makeALike);
        EXPECT_EQ(fresh.flags().productOnly, c.after.productOnly);
        EXPECT_EQ(fresh.flags().exchangeInProgress, c.after.exchangeInProgress);
        EXPECT_EQ(fresh.flags().wearerFlowResumed, c.after.wearerFlowResumed);
    }
}

TEST_F(NavigatorTest, RepeatGuardIgnoresOnlyTheCommandThatChangedTheScreen) {
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

// A reason chosen by mistake is corrected at once; Next before the arrival is the arrival; the
// stop information screen shows the page its button asked for.
TEST_F(NavigatorTest, TheStopScreensOwnSteps) {
    ASSERT_TRUE(nav.show(screen::StopSelect));
    nav.choose(cmd::Undeliverable);
    nav.choose(cmd::Undeliverable);
    EXPECT_EQ(host.checks[cmd::Undeliverable], 2);
    EXPECT_EQ(nav.current(), screen::StopSelect);

    ASSERT_TRUE(nav.show(screen::StopAction));
    host.facts.handlesNextItself = true;
    nav.dispatch(cmd::Next);
    EXPECT_EQ(host.checks[cmd::Arrived], 1);
    EXPECT_EQ(nav.current(), screen::StopAction);
    host.facts.handlesNextItself = false;
    nav.dispatch(cmd::Next);
    EXPECT_EQ(host.checks[cmd::Arrived], 1);

    for (const auto& [command, page] :
         {std::pair{cmd::AgingInfo, StopInfoPage::Aging},
          std::pair{cmd::StopInstructions, StopInfoPage::Instructions},
          std::pair{cmd::AgingInfo, StopInfoPage::Aging}}) {
        ASSERT_TRUE(nav.show(screen::StopAction));
        nav.choose(command);
        EXPECT_EQ(nav.current(), screen::StopInfo);
        EXPECT_EQ(doc.StopInfo(), page);
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

TEST_F(NavigatorTest, ACommandTheScreenSwitchedOffIsRefusedAndGreyed) {
    ASSERT_TRUE(nav.show(screen::RouteMan));
    EXPECT_EQ(menuText(), "&Start|&Export Files|Day Recap");
    doc.Commands().SetEnabled(screen::RouteMan, cmd::ExportFiles, false);
    EXPECT_EQ(menuText(), "&Start|[&Export Files]|Day Recap");
    EXPECT_FALSE(nav.isEnabled(cmd::ExportFiles));
    nav.choose(cmd::ExportFiles);
    EXPECT_EQ(host.checks[cmd::ExportFiles], 0);
    EXPECT_EQ(nav.current(), screen::RouteMan);
    doc.Commands().SetEnabled(screen::RouteMan, cmd::ExportFiles, true);
    nav.choose(cmd::ExportFiles);
    EXPECT_EQ(nav.current(), screen::Start);
    // Each screen keeps its own switch for a command both offer.
    doc.Commands().SetEnabled(screen::Wearer, cmd::CancelTransaction, false);
    EXPECT_TRUE(doc.Commands().IsEnabled(screen::WearerProduct, cmd::CancelTransaction));
    EXPECT_FALSE(nav.isEnabled(cmd::RouteManStart));  // not offered on the start screen
}

TEST_F(NavigatorTest, MenusAndTheBackEntry) {
    ASSERT_TRUE(nav.show(screen::Start));
    EXPECT_EQ(menuText(), "Se&ttings|&Start");
    EXPECT_FALSE(nav.backEnabled());
    ASSERT_TRUE(nav.show(screen::RouteMan));
    EXPECT_FALSE(nav.backEnabled());
    ASSERT_TRUE(nav.show(screen::StopAction));
    EXPECT_EQ(menuText(), "&Arrived|&Departed");  // its buttons' other commands have no entry
    EXPECT_TRUE(nav.backEnabled());
    for (int s : {screen::ContactPerson, screen::StopInfo}) {
        ASSERT_TRUE(nav.show(s));
        EXPECT_EQ(menuText(), "");
    }
    ASSERT_TRUE(nav.show(screen::AddNextWearer));
    EXPECT_EQ(menuText(), "Add Product");
    nav.flags().makeALike = true;
    EXPECT_EQ(menuText(), "Select Size");
    // The wearer screen switches between its two tables itself.
    ASSERT_TRUE(nav.show(screen::Wearer));
    const int changes = host.changes;
    nav.setCommandTable(screen::WearerProduct);
    EXPECT_EQ(menuText(), "Exchange|Change Quantity|Quit Product|Cancel Transaction");
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
    ASSERT_TRUE(nav.show(screen::RouteSelect));
    host.answers[cmd::EndRoute] = CommandOutcome::stay();
    nav.choose(cmd::EndRoute);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "Please do safety check!");
    EXPECT_EQ(prompter.shown()[0].caption, "Warning");
    EXPECT_EQ(host.checks[cmd::EndRoute], 0);
    doc.SetSafetyDone(true);
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
