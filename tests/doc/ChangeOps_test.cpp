#include "doc/ChangeOps.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/AddWearerOps.h"
#include "doc/WearerFixture.h"
#include "model/AdjReason.h"

using namespace kelvo;
using kelvo::test::WearerFixture;

namespace {

using ChangeOpsTest = WearerFixture;

TEST_F(ChangeOpsTest, AnExchangeNeedsAnotherProductOrSize) {
    const std::string added =
        "<Transactions><T><Code>3</Code><WID>W20117-00005</WID><Inventory><P><PID>105</PID>"
        "<SID>3</SID></P></Inventory></T></Transactions>";
    enter(added);
    select(5, " SH100 M");
    EXPECT_FALSE(done(storeExchange(doc, {.PID = 101, .SID = 2})));
    EXPECT_EQ(messages(),
              "Invalid data: Exchange with the same product/size not allowed. Choose "
              "another product or size!; ");
    for (const ExchangeEntry& taken :
         {ExchangeEntry{.PID = 104, .SID = 4}, ExchangeEntry{.PID = 105, .SID = 3}}) {
        EXPECT_FALSE(done(storeExchange(doc, taken)));
        EXPECT_EQ(messages(),
                  "Invalid data: Exchange with this product/size not allowed. Choose "
                  "another product or size!; ");
    }
    ASSERT_TRUE(done(storeExchange(doc, {101, 3, 2, 1, "0.50"})));
    const CInventory& t = *data.Pending.Get();
    EXPECT_EQ(t.Code, kExchangeProduct);
    ASSERT_EQ(t.Lines.size(), 1u);
    const CInventoryLine& l = t.Lines[0];
    EXPECT_EQ(std::vector<double>(
                  {l.PID, l.SID, l.Qty, l.Chg, l.TID, l.FID, l.Price, l.OrgPID, l.OrgSID}),
              std::vector<double>({101, 3, 11, 11, 2, 1, 0.50, 101, 2}));

    // Back from the work order the exchange screen shows the line again; storing replaces it.
    const std::optional<CInventoryLine> shown = resumeChange(doc);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->SID, 3);
    ASSERT_TRUE(done(storeExchange(doc, {.PID = 101, .SID = 5})));
    EXPECT_EQ(data.Pending.Get()->Lines.size(), 1u);
    EXPECT_EQ(file(), added);
}

// Where the driver is shown no prices, the exchanged garment keeps the price of the one it
// replaces (the shirt's 0.45), whatever the screen's hidden price field holds.
TEST_F(ChangeOpsTest, WithoutShownPricesAnExchangeKeepsTheReplacedPrice) {
    std::string config = s.dev.read("\\VexXml\\Config.xml");
    setElement(config, "WearerInventoryPrice", "N");
    s.dev.put("\\VexXml\\Config.xml", config);
    ASSERT_TRUE(doc.Config().Load(s.dev.fs()));
    enter();
    select(5, " SH100 M");
    ASSERT_TRUE(done(storeExchange(doc, {.PID = 101, .SID = 3})));
    EXPECT_EQ(data.Pending.Get()->Lines.at(0).Price, 0.45);
}

TEST_F(ChangeOpsTest, ARiseGoesToTheWorkOrderAndADropIsSavedAtOnce) {
    enter();
    select(5, " CO300 XL");  // 5 coveralls at 1.10
    struct Case {
        QuantityEntry entry;
        bool complete;
    } cases[] = {
        {{"7", "7", "1.10"}, true},  {{"3", "3", "1.10"}, true},      {{"0", "3", "1.10"}, false},
        {{"5", "5", "1.10"}, false}, {{"7", "0", "1.10"}, false},     {{"7", "7", "0"}, false},
        {{"7", "7", "10000"}, true}, {{"7", "7", "10000.01"}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(quantityComplete(doc, c.entry), c.complete) << c.entry.quantity << c.entry.price;
    }
    EXPECT_TRUE(sameQuantity(doc, "5"));
    EXPECT_FALSE(sameQuantity(doc, ""));

    EXPECT_EQ(storeQuantity(doc, {"7", "6", "1.20"}).stored, QuantityStored::ToWorkOrder);
    EXPECT_EQ(data.Pending.Get()->Code, kQuantityUp);
    EXPECT_EQ(file(), "");
    // Back from the work order, lowered instead: the same transaction becomes a drop.
    resumeChange(doc);
    EXPECT_EQ(storeQuantity(doc, {"3", "3", "1.10"}).stored, QuantityStored::Committed);
    EXPECT_FALSE(data.Pending.IsOpen());
    ASSERT_EQ(data.Transactions.Count(), 1u);
    const CInventory& t = data.Transactions.At(0);
    EXPECT_EQ(t.Code, kQuantityDown);
    EXPECT_EQ(t.Lines.size(), 1u);
    EXPECT_EQ(t.Lines[0].TID, 0);
    // The wearer screen comes back with Luis Alvarez's products shown.
    EXPECT_TRUE(data.ListState.ExpandSelected());
    EXPECT_FALSE(data.ListState.Selection().isProduct);
    EXPECT_EQ(selectedWearerLine(data), "5 Luis Alvarez");
}

TEST_F(ChangeOpsTest, TheWorkOrderOffersOrderingReasonsAndSavesTheChange) {
    enter();
    std::string reasons;
    for (const CAdjReason* r : workOrderReasons(doc)) {
        reasons += r->ReasonCode + " ";
    }
    // Not the billing adjustments (SD also orders), undeliverable or loss charge reasons.
    EXPECT_EQ(reasons, "XD SZ NE LE WO RP ");

    select(21);
    storePage1(doc, {"12345678", "Stone", "Ann", "Ann", 10, "", ""});
    ASSERT_TRUE(done(storeProduct(doc, {.PID = 101, .SID = 3, .quantity = "4", .changes = "4"})));
    EXPECT_EQ(workOrderWearerLine(doc), "12345678 Ann Stone");
    ASSERT_TRUE(done(saveWorkOrder(doc, {"NE", "WO-1", "Deliver <Mon> & Tue"})));
    const std::string written = file();
    EXPECT_NE(written.find("<ReasonCode>NE</ReasonCode>\r\n\t\t\t<Ref>WO-1</Ref>\r\n\t\t\t"
                           "<Rem>Deliver &lt;Mon&gt; &amp; Tue</Rem>"),
              std::string::npos);
    // The new wearer is selected; its number widens the number column.
    EXPECT_EQ(data.NextWearerNumber, 12345678);
    EXPECT_EQ(enterWearers(doc), 18);
    EXPECT_EQ(selectedWearerLine(data), "12345678 Ann Stone");
    EXPECT_FALSE(data.ListState.ExpandSelected());

    // The "DUD" laundry asks only for the reason.
    configure("DUD", 1);
    select(21, " SH100 L");
    ASSERT_TRUE(done(storeExchange(doc, {.PID = 101, .SID = 4})));
    ASSERT_TRUE(done(saveWorkOrder(doc, {"SZ", "WO-2", "x"})));
    EXPECT_NE(file().find("<ReasonCode>SZ</ReasonCode>\r\n\t\t\t<Ref></Ref>\r\n\t\t\t<Rem></Rem>"),
              std::string::npos);
}

}  // namespace
