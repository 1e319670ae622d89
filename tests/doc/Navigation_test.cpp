#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "doc/CommandTables.h"
#include "doc/KelvoDoc.h"
#include "doc/Navigation.h"
#include "common/Clock.h"
#include "common/Prompter.h"
#include "support/TempDevice.h"

using namespace kelvo;

namespace {

constexpr int kNone = screen::None;

// The wearer-flow flags as a case starts with and expects them afterwards.
struct Flow {
    bool makeALike = false;
    bool productOnly = false;
    bool exchange = false;
    bool quantity = false;
    bool resumed = false;
};

FrameFlags toFlags(const Flow& f) {
    FrameFlags flags;
    flags.makeALike = f.makeALike;
    flags.productOnly = f.productOnly;
    flags.exchangeInProgress = f.exchange;
    flags.quantityChangeInProgress = f.quantity;
    flags.wearerFlowResumed = f.resumed;
    return flags;
}

struct NavCase {
    const char* name;
    int screen;
    Flow before;
    NavFacts facts;
    CommandId command;  // 0: no command
    int target;         // a screen shown directly, or kNone
    Flow after;
    bool resetWearerList = false;
    bool askContactSave = false;
};

NavFacts facts() {
    return NavFacts{};
}
NavFacts dud() {
    NavFacts f;
    f.dud = true;
    return f;
}
NavFacts invoices(int n) {
    NavFacts f;
    f.stopInvoiceCount = n;
    return f;
}
NavFacts staying() {
    NavFacts f;
    f.mayLeave = false;
    return f;
}
NavFacts settled() {
    NavFacts f;
    f.invoiceSettled = true;
    return f;
}
NavFacts ownNext() {
    NavFacts f;
    f.handlesNextItself = true;
    return f;
}
NavFacts firstDisabled() {
    NavFacts f;
    f.firstEntryEnabled = false;
    return f;
}

const Flow kPlain{};
const Flow kMakeALike{.makeALike = true};
const Flow kProductOnly{.productOnly = true};
const Flow kExchange{.exchange = true};
const Flow kQuantity{.quantity = true};
const Flow kResumed{.resumed = true};
const Flow kMakeALikeResumed{.makeALike = true, .resumed = true};
const Flow kQuantityResumed{.quantity = true, .resumed = true};

void check(const NavCase& c, Translation (*translate)(int, FrameFlags&, const NavFacts&)) {
    SCOPED_TRACE(c.name);
    FrameFlags flags = toFlags(c.before);
    const Translation t = translate(c.screen, flags, c.facts);
    EXPECT_EQ(t.command, c.command);
    EXPECT_EQ(t.screen, c.target);
    EXPECT_EQ(t.resetWearerList, c.resetWearerList);
    EXPECT_EQ(t.askContactSave, c.askContactSave);
    EXPECT_EQ(flags.makeALike, c.after.makeALike);
    EXPECT_EQ(flags.productOnly, c.after.productOnly);
    EXPECT_EQ(flags.exchangeInProgress, c.after.exchange);
    EXPECT_EQ(flags.quantityChangeInProgress, c.after.quantity);
    EXPECT_EQ(flags.wearerFlowResumed, c.after.resumed);
    EXPECT_TRUE(flags.arrowNavigation);
    EXPECT_FALSE(flags.safetyCheckPending);
}

}  // namespace

TEST(Navigation, BackOnEveryScreen) {
    const std::vector<NavCase> cases = {
        {"0 start", 0, kPlain, facts(), 0, kNone, kPlain},
        {"1 route driver", 1, kPlain, facts(), 0, screen::Start, kPlain},
        {"2 route selection", 2, kPlain, facts(), 0, screen::RouteMan, kPlain},
        {"2 may not leave", 2, kPlain, staying(), 0, kNone, kPlain},
        {"3 stop selection", 3, kPlain, facts(), 0x8024, kNone, kPlain},
        {"4 stop actions", 4, kPlain, facts(), 0x8025, kNone, kPlain},
        {"4 may not leave", 4, kPlain, staying(), 0, kNone, kPlain},
        {"5 no invoice", 5, kPlain, invoices(0), 0x8028, kNone, kPlain},
        {"5 one invoice", 5, kPlain, invoices(1), 0x8028, kNone, kPlain},
        {"5 two invoices", 5, kPlain, invoices(2), 0x8030, kNone, kPlain},
        {"6 line adjustment", 6, kPlain, facts(), 0x802E, kNone, kPlain},
        {"7 contact", 7, kPlain, facts(), 0x8028, kNone, kPlain, false, true},
        {"8 safety", 8, kPlain, facts(), 0x8024, kNone, kPlain},
        {"9 settings", 9, kPlain, facts(), 0, kNone, kPlain},
        {"10 contact person", 10, kPlain, facts(), 0x8028, kNone, kPlain},
        {"11 stop information", 11, kPlain, facts(), 0x8028, kNone, kPlain},
        {"12 invoice selection", 12, kPlain, facts(), 0x8028, kNone, kPlain},
        {"13 scanning", 13, kPlain, facts(), 0x8028, kNone, kPlain},
        {"14 wearers", 14, kPlain, facts(), 0x8028, kNone, kPlain, true},
        {"15 wearer product", 15, kPlain, facts(), 0x8028, kNone, kPlain, true},
        {"16 add wearer", 16, kPlain, facts(), 0x8027, kNone, kPlain},
        {"17 page 2", 17, kPlain, facts(), 0x804C, kNone, kPlain},
        {"17 make-a-like", 17, kMakeALike, facts(), 0x804D, kNone, kMakeALike},
        {"18 product only", 18, kProductOnly, facts(), 0x8027, kNone, kProductOnly},
        {"18 new wearer", 18, kPlain, facts(), 0x8053, kNone, kResumed},
        {"18 new wearer DUD", 18, kPlain, dud(), 0x804C, kNone, kResumed},
        {"18 make-a-like", 18, kMakeALike, facts(), 0x8057, kNone, kMakeALikeResumed},
        {"18 make-a-like DUD", 18, kMakeALike, dud(), 0x8057, kNone, kMakeALikeResumed},
        {"19 exchange", 19, kExchange, facts(), 0x8050, kNone, kPlain},
        {"19 quantity", 19, kQuantity, facts(), 0x8051, kNone, kQuantity},
        {"19 quantity resumed", 19, kQuantityResumed, facts(), 0x8051, kNone, kQuantityResumed},
        {"19 new product", 19, kPlain, facts(), 0x8055, kNone, kResumed},
        {"19 make-a-like", 19, kMakeALike, facts(), 0x8057, kNone, kMakeALikeResumed},
        {"20 select size", 20, kPlain, facts(), 0x8053, kNone, kResumed},
        {"20 select size DUD", 20, kPlain, dud(), 0x804C, kNone, kResumed},
        {"21 exchange", 21, kPlain, facts(), 0x8027, kNone, kPlain},
        {"22 change quantity", 22, kPlain, facts(), 0x8027, kNone, kPlain},
        {"23 new services", 23, kPlain, facts(), 0x802E, kNone, kPlain},
        {"24 add new service", 24, kPlain, facts(), 0, kNone, kPlain},
        {"25 order detail", 25, kPlain, facts(), 0x802E, kNone, kPlain},
        {"26 unused", 26, kPlain, facts(), 0, kNone, kPlain},
        {"27 inventory change", 27, kPlain, facts(), 0x8035, kNone, kPlain},
        {"before the first screen", -1, kPlain, facts(), 0, kNone, kPlain},
        {"past the last screen", 28, kPlain, facts(), 0, kNone, kPlain},
    };
    std::set<int> covered;
    for (const NavCase& c : cases) {
        check(c, &translateBack);
        covered.insert(c.screen);
    }
    for (int s = 0; s < screen::Count; ++s) {
        EXPECT_TRUE(covered.count(s)) << "screen " << s;
    }
}

TEST(Navigation, NextOnEveryScreen) {
    const std::vector<NavCase> cases = {
        {"0 start", 0, kPlain, facts(), 0x8020, kNone, kPlain},
        {"1 route driver", 1, kPlain, facts(), 0x8024, kNone, kPlain},
        {"2 route selection", 2, kPlain, facts(), 0x8025, kNone, kPlain},
        {"3 stop selection", 3, kPlain, facts(), 0x8028, kNone, kPlain},
        {"4 one invoice", 4, kPlain, invoices(1), 0x8028, kNone, kPlain},
        {"4 two invoices", 4, kPlain, invoices(2), 0x8030, kNone, kPlain},
        {"4 arrival step", 4, kPlain, ownNext(), 0, kNone, kPlain},
        {"4 may not leave", 4, kPlain, staying(), 0, kNone, kPlain},
        {"5 open invoice", 5, kPlain, facts(), 0x8033, kNone, kPlain},
        {"5 settled invoice", 5, kPlain, settled(), 0, kNone, kPlain},
        {"6", 6, kPlain, facts(), 0, kNone, kPlain},
        {"7", 7, kPlain, facts(), 0, kNone, kPlain},
        {"8", 8, kPlain, facts(), 0, kNone, kPlain},
        {"9", 9, kPlain, facts(), 0, kNone, kPlain},
        {"10", 10, kPlain, facts(), 0, kNone, kPlain},
        {"11", 11, kPlain, facts(), 0, kNone, kPlain},
        {"12", 12, kPlain, facts(), 0, kNone, kPlain},
        {"13", 13, kPlain, facts(), 0, kNone, kPlain},
        {"14", 14, kPlain, facts(), 0, kNone, kPlain},
        {"15", 15, kPlain, facts(), 0, kNone, kPlain},
        {"16 add wearer", 16, kResumed, facts(), 0x8053, kNone, kResumed},
        {"16 add wearer DUD", 16, kResumed, dud(), 0x8055, kNone, kPlain},
        {"16 disabled", 16, kResumed, firstDisabled(), 0, kNone, kResumed},
        {"17 page 2", 17, kPlain, facts(), 0x8054, kNone, kPlain},
        {"17 make-a-like", 17, kMakeALike, facts(), 0x8057, kNone, kMakeALike},
        {"17 disabled", 17, kPlain, firstDisabled(), 0, kNone, kPlain},
        {"18 add product", 18, kResumed, facts(), 0x8055, kNone, kPlain},
        {"18 disabled", 18, kResumed, firstDisabled(), 0, kNone, kResumed},
        {"19 work order", 19, kPlain, facts(), 0x8056, kNone, kPlain},
        {"19 disabled", 19, kPlain, firstDisabled(), 0, kNone, kPlain},
        {"20 select size", 20, kPlain, facts(), 0x8059, kNone, kPlain},
        {"20 disabled", 20, kPlain, firstDisabled(), 0, kNone, kPlain},
        {"21 exchange", 21, kPlain, facts(), 0x8058, kNone, kPlain},
        {"21 disabled", 21, kPlain, firstDisabled(), 0, kNone, kPlain},
        {"22 change quantity", 22, kPlain, facts(), 0x805A, kNone, kPlain},
        {"22 disabled", 22, kPlain, firstDisabled(), 0, kNone, kPlain},
        {"23", 23, kPlain, facts(), 0, kNone, kPlain},
        {"24", 24, kPlain, facts(), 0, kNone, kPlain},
        {"25", 25, kPlain, facts(), 0, kNone, kPlain},
        {"26", 26, kPlain, facts(), 0, kNone, kPlain},
        {"27", 27, kPlain, facts(), 0, kNone, kPlain},
        {"past the last screen", 28, kPlain, facts(), 0, kNone, kPlain},
    };
    std::set<int> covered;
    for (const NavCase& c : cases) {
        check(c, &translateNext);
        covered.insert(c.screen);
    }
    for (int s = 0; s < screen::Count; ++s) {
        EXPECT_TRUE(covered.count(s)) << "screen " << s;
    }
}

namespace {

using Table = std::vector<std::pair<CommandId, std::string>>;

// The Actions menu of every screen, in menu order.
const std::vector<Table> kMenus = {
    {{0x8021, "Se&ttings"}, {0x8020, "&Start"}},
    {{0x8024, "&Start"}, {0x8043, "&Export Files"}},
    {{0x8025, "&Start Route"}, {0x8022, "&Preparation"}, {0x8026, "&End Route"}},
    {{0x8028, "Select &Stop"}, {0x8029, "&Undeliverable"}, {0x802A, "&Instructions"}},
    {{0x802B, "&Arrived"}, {0x8032, "&Departed"}},
    {{0x8033, "&Ok"}, {0x8000, "Adjust Line"}, {0x8035, "&Order(#)"}, {0x805C, "New Service"}},
    {{0x8036, "&Ok"}, {0x8037, "&Cancel"}},
    {{0x803C, "&Save"}, {0x803D, "&Cancel"}, {0x803E, "&Add"}, {0x803F, "&Voice recorder"}},
    {{0x8040, "&Save"}, {0x8041, "&Cancel"}, {0x8042, "&Page"}},
    {{0x8044, "&Ok"}, {0x8045, "&Cancel"}},
    {{0x803A, "&Ok"}},
    {{0x803A, "&Ok"}},
    {{0x802E, "&Settlement"}},
    {{0x8048, "&Ok"}, {0x8049, "&Cancel"}, {0x804A, "Flag Mode"}, {0x804B, "Replace Mode"}},
    {{0x804C, "Add Wearer"},
     {0x804D, "Make-A-Like"},
     {0x804E, "Add Product"},
     {0x804F, "Quit Wearer"},
     {0x805B, "Cancel Transaction"}},
    {{0x8050, "Exchange"},
     {0x8051, "Change Quantity"},
     {0x8052, "Quit Product"},
     {0x805B, "Cancel Transaction"}},
    {{0x8053, "Wearer Page 2"}},
    {{0x8054, "Add Product"}},
    {{0x8055, "Add Product"}},
    {{0x8056, "Save"}},
    {{0x8059, "Add Product"}},
    {{0x8058, "Work Order"}},
    {{0x805A, "Next"}},
    {{0x805D, "Add"}, {0x805E, "Delete"}},
    {{0x805F, "Save"}, {0x8060, "Cancel"}},
    {{0x8061, "Save"}, {0x8062, "Cancel"}},
    {{0x8063, "Save"}, {0x8064, "Cancel"}},
    {{0x8065, "Save"}, {0x8066, "Cancel"}},
};

}  // namespace

TEST(CommandTables, EveryScreenOffersItsCommandsInMenuOrderAllEnabled) {
    kelvo::test::TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock;
    const CKelvoDoc doc(dev.fs(), prompter, clock);
    const CommandTables& tables = doc.Tables();
    ASSERT_EQ(kMenus.size(), static_cast<std::size_t>(screen::Count));
    for (int s = 0; s < screen::Count; ++s) {
        SCOPED_TRACE(s);
        const auto& table = tables[static_cast<std::size_t>(s)];
        const Table& menu = kMenus[static_cast<std::size_t>(s)];
        ASSERT_EQ(table.size(), menu.size());
        for (std::size_t i = 0; i < menu.size(); ++i) {
            EXPECT_EQ(table[i].id, menu[i].first) << i;
            EXPECT_EQ(table[i].caption, menu[i].second) << i;
            EXPECT_TRUE(table[i].enabled) << i;
            EXPECT_TRUE(commandEnabled(tables, s, menu[i].first));
        }
    }
}

TEST(CommandTables, EnablingActsOnOneEntryOfOneScreen) {
    CommandTables tables = makeCommandTables();
    EXPECT_TRUE(setCommandEnabled(tables, 1, 0x8043, false));
    EXPECT_FALSE(commandEnabled(tables, 1, 0x8043));
    EXPECT_FALSE(tables[1][1].enabled);
    EXPECT_TRUE(commandEnabled(tables, 1, 0x8024));

    // Cancel Transaction stands on both wearer screens; each table keeps its own flag.
    EXPECT_TRUE(setCommandEnabled(tables, 14, 0x805B, false));
    EXPECT_FALSE(commandEnabled(tables, 14, 0x805B));
    EXPECT_TRUE(commandEnabled(tables, 15, 0x805B));

    EXPECT_TRUE(setCommandEnabled(tables, 1, 0x8043, true));
    EXPECT_TRUE(commandEnabled(tables, 1, 0x8043));

    // A command a screen does not offer is never enabled there, and cannot be switched.
    EXPECT_FALSE(commandEnabled(tables, 0, 0x8043));
    EXPECT_FALSE(setCommandEnabled(tables, 0, 0x8043, true));
    EXPECT_FALSE(commandEnabled(tables, 0, 0x8043));
    EXPECT_FALSE(setCommandEnabled(tables, -1, 0x8020, true));
    EXPECT_FALSE(setCommandEnabled(tables, screen::Count, 0x8020, true));
    EXPECT_FALSE(commandEnabled(tables, -1, 0x8020));
    EXPECT_FALSE(commandEnabled(tables, screen::Count, 0x8020));
}

TEST(Navigation, EveryCommandLeadsToItsScreen) {
    constexpr int kStay = screen::None;
    struct Expected {
        CommandId id;
        int target;
        Action action;
    };
    const std::vector<Expected> expected = {
        {0x8000, 6, Action::None},
        {0x8020, 1, Action::StartDataCheck},
        {0x8021, 9, Action::None},
        {0x8022, 8, Action::Preparation},
        {0x8024, 2, Action::RouteManStart},
        {0x8025, 3, Action::StartRoute},
        {0x8026, 2, Action::EndRoute},
        {0x8027, 14, Action::ResetWearerList},
        {0x8028, 4, Action::None},
        {0x8029, 3, Action::Undeliverable},
        {0x802A, kStay, Action::Instructions},
        {0x802B, kStay, Action::Arrived},
        {0x802D, 13, Action::None},
        {0x802E, 5, Action::None},
        {0x802F, 7, Action::None},
        {0x8030, 12, Action::None},
        {0x8031, 11, Action::None},
        {0x8032, 3, Action::Departed},
        {0x8033, 4, Action::SettleInvoice},
        {0x8035, 5, Action::Order},
        {0x8036, 5, Action::ApplyLine},
        {0x8037, 5, Action::None},
        {0x803C, kStay, Action::ContactSave},
        {0x803D, kStay, Action::ContactCancel},
        {0x803E, kStay, Action::ContactAdd},
        {0x803F, kStay, Action::VoiceRecorder},
        {0x8040, 2, Action::SafetySave},
        {0x8041, 2, Action::SafetyCancel},
        {0x8042, kStay, Action::SafetyPage},
        {0x8043, 0, Action::Export},
        {0x8044, 0, Action::SettingsSave},
        {0x8045, 0, Action::None},
        {0x8046, 10, Action::None},
        {0x8047, 11, Action::None},
        {0x8048, kStay, Action::ScanOk},
        {0x8049, kStay, Action::ScanCancel},
        {0x804A, kStay, Action::FlagMode},
        {0x804B, kStay, Action::ReplaceMode},
        {0x804C, 16, Action::AddWearer},
        {0x804D, 16, Action::MakeALike},
        {0x804E, 18, Action::AddProduct},
        {0x804F, kStay, Action::QuitWearer},
        {0x8050, 21, Action::Exchange},
        {0x8051, 22, Action::ChangeQuantity},
        {0x8052, kStay, Action::QuitProduct},
        {0x8053, 17, Action::WearerPage2},
        {0x8054, 18, Action::StorePage2},
        {0x8055, 19, Action::StoreProduct},
        {0x8056, 14, Action::SaveWorkOrder},
        {0x8057, 20, Action::None},
        {0x8058, 19, Action::StoreExchange},
        {0x8059, 19, Action::AddAnotherProduct},
        {0x805A, 19, Action::StoreQuantity},
        {0x805B, kStay, Action::CancelTransaction},
        {0x805C, 23, Action::None},
        {0x805D, 24, Action::None},
        {0x805E, kStay, Action::DeleteService},
        {0x805F, 23, Action::SaveService},
        {0x8060, 23, Action::None},
        {0x8061, 27, Action::None},
        {0x8062, kStay, Action::OrderDetailCancel},
        {0x8065, 25, Action::SaveInventoryChange},
        {0x8066, 25, Action::None},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.id);
        const CommandRoute* route = findCommandRoute(e.id);
        ASSERT_NE(route, nullptr);
        EXPECT_EQ(route->id, e.id);
        EXPECT_EQ(route->target, e.target);
        EXPECT_EQ(route->action, e.action);
    }
    // Back and Next are translated per screen before they get here; unused ids lead nowhere.
    for (CommandId id : {0x8038u, 0x8039u, 0x8023u, 0x802Cu, 0x8034u, 0x8067u, 0x8001u}) {
        EXPECT_EQ(findCommandRoute(id), nullptr) << id;
    }
    // Every command a Back or Next translation yields can be carried out.
    for (int s = 0; s < screen::Count; ++s) {
        for (const NavFacts& f : {facts(), dud(), invoices(2), settled()}) {
            for (const Flow& flow : {kPlain, kMakeALike, kProductOnly, kExchange, kQuantity}) {
                FrameFlags flags = toFlags(flow);
                const Translation back = translateBack(s, flags, f);
                flags = toFlags(flow);
                const Translation next = translateNext(s, flags, f);
                for (CommandId c : {back.command, next.command}) {
                    EXPECT_TRUE(c == 0 || findCommandRoute(c) != nullptr) << s << " " << c;
                }
            }
        }
    }
}

TEST(Navigation, OnlyTheProductStoringCommandsRepeat) {
    std::vector<CommandId> repeatable;
    for (CommandId id = 0x8000; id <= 0x8070; ++id) {
        if (alwaysRepeatable(id)) {
            repeatable.push_back(id);
        }
    }
    EXPECT_EQ(repeatable, (std::vector<CommandId>{0x8055, 0x8058}));
}
