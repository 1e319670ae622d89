#include "doc/DraftRules.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/KelvoDoc.h"
#include "doc/ScanOps.h"
#include "doc/ScreenTable.h"
#include "doc/ServiceOps.h"
#include "doc/WearerFixture.h"

using namespace kelvo;

namespace {

// The forms' drafts decide their commands through the screen table, as the menu and the
// buttons ask for them.
struct DraftRulesTest : test::WearerFixture {
    const ScreenCommand& command(int screen, CommandId id) {
        const ScreenCommand* c = findCommand(*findScreen(screen), id);
        EXPECT_NE(c, nullptr);
        return *c;
    }
    bool enabled(int screen, CommandId id) { return command(screen, id).enabled(doc); }
};

TEST_F(DraftRulesTest, WearerFormsGoOnOnlyWithACompleteEntry) {
    enter();
    CWearerDrafts& d = data.Drafts;
    d.Page1 = {"8", "S", "A", "A", 10, "", ""};
    EXPECT_TRUE(enabled(screen::AddWearer, cmd::WearerPage2));
    d.Page1.department = 0;
    EXPECT_FALSE(enabled(screen::AddWearer, cmd::WearerPage2));

    d.Product = {.PID = 101, .SID = 3, .quantity = "2"};
    EXPECT_TRUE(enabled(screen::AddProduct, cmd::StoreProduct));
    for (ProductEntry p :
         {ProductEntry{.PID = 101, .SID = 3}, ProductEntry{.PID = 101, .quantity = "2"},
          ProductEntry{.SID = 3, .quantity = "2"}}) {
        d.Product = p;
        EXPECT_FALSE(enabled(screen::AddProduct, cmd::StoreProduct)) << p.PID << p.SID;
    }

    d.Exchange = {.PID = 101, .SID = 3};
    EXPECT_TRUE(enabled(screen::ExchangeProd, cmd::WorkOrder));
    d.Exchange.SID = 0;
    EXPECT_FALSE(enabled(screen::ExchangeProd, cmd::WorkOrder));

    d.WorkOrder = {"WO", "", ""};
    EXPECT_TRUE(enabled(screen::WorkOrder, cmd::WorkOrderSave));
    d.WorkOrder = {"", "R-1", "a remark"};
    EXPECT_FALSE(enabled(screen::WorkOrder, cmd::WorkOrderSave));
}

// Next of Change Quantity reads "Work Order" for a rise, which goes on to the work order, and
// "Save" for a drop, which is saved at once.
TEST_F(DraftRulesTest, ChangeQuantityNamesItsNextByTheQuantityTyped) {
    enter();
    select(5, " CO300 XL");  // 5 coveralls at 1.10
    const ScreenCommand& next = command(screen::ChangeQty, cmd::QuantityNext);
    struct Case {
        QuantityEntry typed;
        bool enabled;
        const char* caption;
    } const cases[] = {{{"7", "7", "1.10"}, true, "Work Order"},
                       {{"3", "3", "1.10"}, true, "Save"},
                       {{"5", "5", "1.10"}, false, "Save"},
                       {{"7", "0", "1.10"}, false, "Work Order"}};
    for (const Case& c : cases) {
        data.Drafts.Quantity = c.typed;
        EXPECT_EQ(next.enabled(doc), c.enabled) << c.typed.quantity << "/" << c.typed.changes;
        EXPECT_EQ(next.caption(doc), c.caption) << c.typed.quantity;
    }
}

TEST_F(DraftRulesTest, ContactScanAndServiceFormsFollowTheirDrafts) {
    FormDrafts& d = doc.Drafts();
    // Calls: nothing before they are open; Save and Cancel only with a call shown; the voice
    // recorder where the laundry records voice messages.
    for (CommandId id : {cmd::ContactAdd, cmd::ContactSave, cmd::VoiceRecorder}) {
        EXPECT_FALSE(enabled(screen::Contact, id)) << id;
    }
    d.call = {true, -1};
    EXPECT_TRUE(enabled(screen::Contact, cmd::ContactAdd));
    EXPECT_TRUE(enabled(screen::Contact, cmd::VoiceRecorder));
    EXPECT_FALSE(enabled(screen::Contact, cmd::ContactCancel));
    d.call.shown = 0;
    EXPECT_TRUE(enabled(screen::Contact, cmd::ContactCancel));
    std::string config = s.dev.read("\\VexXml\\Config.xml");
    setElement(config, "VoiceRecording", "N");
    s.dev.put("\\VexXml\\Config.xml", config);
    ASSERT_TRUE(doc.Config().Load(s.dev.fs()));
    EXPECT_FALSE(enabled(screen::Contact, cmd::VoiceRecorder));

    // Scan: V once a code is typed, and nothing while the garment lists could not be opened.
    ASSERT_TRUE(openScan(doc));
    d.scan = {true, ""};
    EXPECT_FALSE(enabled(screen::Scan, cmd::ScanOk));
    EXPECT_TRUE(enabled(screen::Scan, cmd::ReplaceMode));
    d.scan.code = "00a1b2c3";
    EXPECT_TRUE(enabled(screen::Scan, cmd::ScanOk));
    d.scan.open = false;
    EXPECT_FALSE(enabled(screen::Scan, cmd::ScanOk));
    EXPECT_FALSE(enabled(screen::Scan, cmd::ScanCancel));

    // New service: Save with group, product, frequency, quantity and price.
    ASSERT_TRUE(openNewServices(doc));
    openAddService(doc);
    d.service = {0, 0, 1, "3", "5.25"};
    EXPECT_TRUE(enabled(screen::AddNewService, cmd::ServiceSave));
    d.service.quantity.clear();
    EXPECT_FALSE(enabled(screen::AddNewService, cmd::ServiceSave));
}

}  // namespace
