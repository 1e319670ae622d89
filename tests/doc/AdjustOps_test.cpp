#include "doc/AdjustOps.h"

#include <gtest/gtest.h>

#include "common/Clock.h"
#include "doc/FileReports.h"
#include "doc/InvoiceOps.h"
#include "doc/InvoiceTexts.h"
#include "doc/LineAdjuster.h"
#include "doc/VisitOps.h"
#include "support/SampleStop.h"

using namespace kelvo;
using kelvo::test::elementText;
using kelvo::test::kSampleRoute;

namespace {

// A line as the Adjust page sees it.
CInvoiceItem line(std::int16_t type, double price, double delivered, double preBilled) {
    CInvoiceItem l;
    l.LineType = type;
    l.Price = price;
    l.DeliveredQuantity = delivered;
    l.PreBilledQuantity = preBilled;
    return l;
}

ConfigData configAllowingDelivered(bool allow) {
    ConfigData c;
    if (allow) {
        // Only the reader sets the switch: give it the one field it needs.
        test::TempDevice dev;
        dev.put("\\VexXml\\Config.xml",
                "<Config><FileVersion>10.00</FileVersion>"
                "<AllowAdjustmentDelQty>Y</AllowAdjustmentDelQty></Config>");
        c.Load(dev.fs());
    }
    return c;
}

struct AdjustOps : ::testing::Test, test::StopDocument {};

// The files an operation wrote, in order.
using Written = std::vector<std::string>;
constexpr const char* kInv100101 = "\\VexXml\\Inv_100101.xml";
constexpr const char* kInv100102 = "\\VexXml\\Inv_100102.xml";

}  // namespace

TEST(AdjustAmount, PriceTimesQuantityCutToTheCent) {
    EXPECT_DOUBLE_EQ(adjustmentAmount(1.2345, 3), 3.70);
    EXPECT_DOUBLE_EQ(adjustmentAmount(1.2345, -3), -3.70);
    // Exact products that binary arithmetic puts just below the cent keep their cent.
    EXPECT_DOUBLE_EQ(adjustmentAmount(0.29, 3), 0.87);
    EXPECT_DOUBLE_EQ(adjustmentAmount(0.57, 100), 57.0);
    EXPECT_DOUBLE_EQ(adjustmentAmount(0.0850, -7), -0.59);
    EXPECT_DOUBLE_EQ(adjustmentAmount(12.5, 0), 0.0);
}

// A price of five decimals from the file is the price the page bills with: 100 more at 0.12345
// come to 12.34 (the four decimals the file is written with would give 12.35).
TEST(LineAdjuster, BillsWithThePriceAsTheFileGivesIt) {
    test::TempDevice dev;
    dev.put("\\VexXml\\Inv_5.xml",
            "<Invoice><Invoice-Items><Invoice-Item><LineType>1</LineType><Price>0.12345</Price>"
            "<DeliveredQuantity>10</DeliveredQuantity><PreBilledQuantity>10</PreBilledQuantity>"
            "</Invoice-Item></Invoice-Items></Invoice>");
    ScriptedPrompter prompter;
    CInvoice invoice;
    ASSERT_TRUE(loadInvoice(invoice, dev.fs(), prompter, 5));
    LineAdjuster page(invoice.Line(0), configAllowingDelivered(false));
    page.BilledChanged(100, prompter);
    EXPECT_DOUBLE_EQ(page.Amount(), 12.34);
}

// The Adjust page as the driver types: delivered, then billed, on the lines of each kind.
TEST(LineAdjuster, DeliveredAndBilledFollowEachOther) {
    struct Case {
        const char* what;
        CInvoiceItem line;
        bool allowDelivered;
        char field;  // 'D' delivered typed, 'Q' billed typed
        int typed;
        int delivered, billed;
        double amount;
        bool message;
    };
    CInvoiceItem perVisit = line(LineTypes::Rent, 4.5, 6, 10);
    perVisit.BillingMethod = 2;
    perVisit.MinFreq = 2;
    perVisit.MinQty = 10;
    CInvoiceItem perDelivery = perVisit;
    perDelivery.MinFreq = 4;
    CInvoiceItem perWeek = perVisit;
    perWeek.MinFreq = 1;
    CInvoiceItem billedBefore = line(LineTypes::Wash, 0.5, 5, 5);
    billedBefore.AdjustmentQuantity = 2;
    CInvoiceItem deliveredBefore = line(LineTypes::Rent, 0.5, 5, 5);
    deliveredBefore.AdjustmentDeliveredQuantity = 1;
    const Case cases[] = {
        {"billed up", line(LineTypes::Rent, 1.2345, 5, 5), true, 'Q', 3, 3, 3, 3.70, false},
        {"delivered down", line(LineTypes::Wash, 0.5, 5, 5), true, 'D', -2, -2, -2, -1.0, false},
        {"more back than delivered", line(LineTypes::Rent, 0.5, 5, 9), true, 'D', -8, -5, -5, -2.5,
         true},
        {"more back than billed", line(LineTypes::Sales, 1.0, 8, 3), true, 'D', -5, -5, -3, -3.0,
         false},
        {"minimum per visit holds", perVisit, true, 'D', 0, 0, 0, 0.0, false},
        {"minimum per visit, more", perVisit, true, 'D', 7, 7, 3, 13.5, false},
        {"minimum per delivery", perDelivery, true, 'D', -2, -2, 0, 0.0, false},
        {"minimum per visit, too few", perVisit, true, 'D', -9, -6, 0, 0.0, true},
        {"minimum per week follows", perWeek, true, 'D', -2, -2, -2, -9.0, false},
        {"billed kept apart", billedBefore, true, 'D', -3, -3, 2, 0.0, false},
        {"billed kept apart, too far", billedBefore, true, 'D', -7, -5, 2, 0.0, true},
        {"delivered follows billed", line(LineTypes::Rent, 0.5, 5, 5), false, 'Q', -8, -5, -8, -4.0,
         true},
        {"delivered kept apart", deliveredBefore, true, 'Q', 4, 1, 4, 2.0, false},
        {"delivered not adjustable", deliveredBefore, false, 'Q', 4, 4, 4, 2.0, false},
        {"charge line has no delivered", line(LineTypes::SpecialCharge, 1.0, 0, 0), true, 'Q', 2, 0,
         2, 2.0, false},
        {"charge line ignores delivered", line(LineTypes::Tax, 1.0, 0, 0), true, 'D', 2, 0, 0, 0.0,
         false},
    };
    const ConfigData allow = configAllowingDelivered(true);
    const ConfigData refuse = configAllowingDelivered(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompter prompter;
        LineAdjuster page(c.line, c.allowDelivered ? allow : refuse);
        if (c.field == 'D') {
            page.DeliveredChanged(c.typed, prompter);
        } else {
            page.BilledChanged(c.typed, prompter);
        }
        EXPECT_EQ(page.Delivered(), c.delivered);
        EXPECT_EQ(page.Billed(), c.billed);
        EXPECT_DOUBLE_EQ(page.Amount(), c.amount);
        ASSERT_EQ(prompter.shown().size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(prompter.shown()[0].text, "Negative delivered quantity not allowed!");
            EXPECT_EQ(prompter.shown()[0].caption, "Invalid data");
        }
    }
}

// A COD invoice moves only the route's COD totals; the stop's amount to pay follows the
// invoice's. The minimum charge takes back what the line adds until the invoice is over it.
TEST_F(AdjustOps, CodAdjustmentMovesTheCodColumn) {
    ASSERT_TRUE(openInvoice(1, 100102));  // COD 43.00, minimum 40.00
    const CRoute& route = doc.Route();
    ASSERT_TRUE(saveLineAdjustment(doc, 0, {1.40, 10, 10, "60", "DM"}).done);
    EXPECT_DOUBLE_EQ(doc.Invoice().PayThisAmount(), 43.0);
    EXPECT_DOUBLE_EQ(route.PlusAdjustmentsCOD(), 1.40);
    EXPECT_DOUBLE_EQ(route.MinusAdjustmentsCOD(), 1.40);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCOD(), 185.44);

    const Outcome adjusted = saveLineAdjustment(doc, 0, {14.0, 100, 100, "60", "DM"});
    ASSERT_TRUE(adjusted.done);
    EXPECT_EQ(adjusted.written, (Written{kInv100102, kSampleRoute}));
    EXPECT_DOUBLE_EQ(doc.Invoice().PayThisAmount(), 44.61);
    EXPECT_DOUBLE_EQ(selectedStop(doc)->PayTotal, 44.61);
    EXPECT_DOUBLE_EQ(route.PlusAdjustmentsCOD(), 14.11);
    EXPECT_DOUBLE_EQ(route.MinusAdjustmentsCOD(), 12.50);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCOD(), 187.05);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCharge(), 504.0);
    EXPECT_DOUBLE_EQ(route.PlusAdjustmentsCharge(), 0.0);
    EXPECT_DOUBLE_EQ(doc.Routes().At(0).PayThisAmountCOD(), 187.05);
    EXPECT_DOUBLE_EQ(doc.Routes().At(0).MinusAdjustmentsCOD(), 12.50);
    EXPECT_DOUBLE_EQ(doc.Invoices().At(0).PayThisAmount, 44.61);

    const std::string inv = invoiceFile(100102);
    EXPECT_EQ(elementText(inv, "PayThisAmount"), "44.61");
    EXPECT_EQ(elementText(inv, "AdjustmentQuantity"), "100");
    EXPECT_EQ(elementText(inv, "AdjustmentDeliveredQuantity"), "100");
    EXPECT_EQ(elementText(inv, "AdjustmentReasonCode"), "DM");
    const std::string file = dev.read(kSampleRoute);
    EXPECT_EQ(elementText(file, "PayThisAmountCOD"), "187.05");
    EXPECT_EQ(elementText(file, "PlusAdjustmentsCOD"), "14.11");
    EXPECT_NE(file.find("<PayTotal>44.61</PayTotal>"), std::string::npos);
}

TEST_F(AdjustOps, ChargeAdjustmentMovesTheChargeColumn) {
    ASSERT_TRUE(openInvoice(0, 100101));
    ASSERT_TRUE(saveLineAdjustment(doc, 0, {-0.90, -2, -2, "5", "SD"}).done);
    const CInvoice& inv = doc.Invoice();
    const CRoute& route = doc.Route();
    EXPECT_GT(inv.TotalMinusAdjustments(), 0.9);  // the line, its special charge and the tax
    EXPECT_DOUBLE_EQ(route.MinusAdjustmentsCharge(), inv.TotalMinusAdjustments());
    EXPECT_DOUBLE_EQ(route.PlusAdjustmentsCharge(), inv.TotalPlusAdjustments());
    EXPECT_NEAR(route.PayThisAmountCharge(), 504.0 - 112.99 + inv.PayThisAmount(), 1e-9);
    EXPECT_NEAR(selectedStop(doc)->PayTotal, inv.PayThisAmount(), 1e-9);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCOD(), 185.44);
    EXPECT_DOUBLE_EQ(route.MinusAdjustmentsCOD(), 0.0);
}

// Without a reason only the pick-up quantity is kept; an adjustment back to nothing drops
// its reason.
TEST_F(AdjustOps, ReasonDecidesWhatIsKept) {
    ASSERT_TRUE(openInvoice(1, 100102));
    const std::string route = dev.read(kSampleRoute);
    const Outcome pickUp = saveLineAdjustment(doc, 0, {1.40, 10, 10, "58", ""});
    ASSERT_TRUE(pickUp.done);
    EXPECT_EQ(pickUp.written, Written{kInv100102});
    EXPECT_EQ(doc.Invoice().Line(0).PickUpQty, "58");
    EXPECT_DOUBLE_EQ(doc.Invoice().Line(0).AdjustmentAmount, 0.0);
    EXPECT_EQ(dev.read(kSampleRoute), route);
    EXPECT_NE(invoiceFile(100102).find("<PickUpQty>58</PickUpQty>"), std::string::npos);

    ASSERT_TRUE(saveLineAdjustment(doc, 0, {1.40, 10, 10, "58", "DM"}).done);
    EXPECT_EQ(doc.Invoice().Line(0).AdjustmentReasonCode, "DM");
    ASSERT_TRUE(saveLineAdjustment(doc, 0, {0.0, 0, 3, "58", "DM"}).done);
    EXPECT_EQ(doc.Invoice().Line(0).AdjustmentReasonCode, "");
    EXPECT_DOUBLE_EQ(doc.Invoice().Line(0).AdjustmentDeliveredQuantity, 3.0);
    EXPECT_DOUBLE_EQ(doc.Route().PlusAdjustmentsCOD(), 0.0);
    EXPECT_DOUBLE_EQ(doc.Route().MinusAdjustmentsCOD(), 0.0);
    EXPECT_FALSE(saveLineAdjustment(doc, 99, {0.0, 0, 0, "", "DM"}).done);
}

TEST_F(AdjustOps, PickUpEntry) {
    EXPECT_EQ(pickUpDigits(prompter, "12"), "12");
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(pickUpDigits(prompter, "1a2-"), "12");
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "Only numerical characters are allowed!");
    EXPECT_EQ(prompter.shown()[0].caption, "Error data");
    EXPECT_EQ(pickUpStepped("", 1), "1");
    EXPECT_EQ(pickUpStepped("0", -1), "0");
    EXPECT_EQ(pickUpStepped("9999", 1), "9999");
    EXPECT_EQ(pickUpStepped("41", -1), "40");
    EXPECT_FALSE(pickUpDecreasable(""));
    EXPECT_FALSE(pickUpDecreasable("0"));
    EXPECT_TRUE(pickUpDecreasable("1"));
    EXPECT_FALSE(pickUpIncreasable("9999"));
    EXPECT_TRUE(pickUpIncreasable(""));

    CInvoiceItem l;
    l.SER = 2;
    prompter.clearShown();
    EXPECT_TRUE(pickUpMissing(prompter, l, ""));
    EXPECT_EQ(prompter.shown().at(0).text, "Fill a picked up quantity!");
    EXPECT_FALSE(pickUpMissing(prompter, l, "0"));
    l.SER = 0;
    EXPECT_FALSE(pickUpMissing(prompter, l, ""));
}

TEST_F(AdjustOps, OrderAndInventoryChange) {
    ASSERT_TRUE(openInvoice(0, 100101));
    const Outcome ordered = storeOrder(doc, 13, "EX", -12);
    ASSERT_TRUE(ordered.done);
    EXPECT_EQ(ordered.written, Written{kInv100101});
    EXPECT_EQ(doc.Invoice().Line(13).OrderingReasonCode, "EX");
    EXPECT_NE(invoiceFile(100101).find("<OrderQty>-12</OrderQty>"), std::string::npos);
    EXPECT_FALSE(storeOrder(doc, 13, "EX", 10000).done);
    EXPECT_DOUBLE_EQ(doc.Invoice().Line(13).OrderQty, -12.0);

    const std::size_t mats = 13;  // MT35, a product-level line with inventory 4
    const double inventory = doc.Invoice().Line(mats).InventoryQuantity;
    const Outcome changed = storeInventoryChange(doc, mats, 3);
    ASSERT_TRUE(changed.done);
    EXPECT_EQ(changed.written, Written{kInv100101});
    EXPECT_DOUBLE_EQ(doc.Invoice().Line(mats).FutureInv, inventory + 3);
    EXPECT_FALSE(storeInventoryChange(doc, mats, -wholeQuantity(inventory) - 1).done);
    EXPECT_EQ(prompter.shown().back().text, "The future inventory cannot be less than 0!");
    EXPECT_DOUBLE_EQ(doc.Invoice().Line(mats).FutureInv, inventory + 3);

    const std::optional<Message> cancel = cancelInventoryQuestion(doc, mats);
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->text, "Are you sure you want to cancel this change ?");
    EXPECT_EQ(cancel->caption, "Question");
    EXPECT_FALSE(cancelInventoryChange(doc, mats, Answer::No).done);
    EXPECT_DOUBLE_EQ(doc.Invoice().Line(mats).FutureInv, inventory + 3);
    const std::size_t shown = prompter.shown().size();
    const Outcome cancelled = cancelInventoryChange(doc, mats, Answer::Yes);
    EXPECT_TRUE(cancelled.done);
    EXPECT_EQ(cancelled.written, Written{kInv100101});
    EXPECT_EQ(prompter.shown().size(), shown);  // the operation asks nothing itself
    EXPECT_DOUBLE_EQ(doc.Invoice().Line(mats).FutureInv, inventory);
    // Nothing left to cancel: no question, and Yes changes nothing.
    EXPECT_FALSE(cancelInventoryQuestion(doc, mats));
    EXPECT_FALSE(cancelInventoryChange(doc, mats, Answer::Yes).done);
}

TEST(InvoiceTexts, RowsOfTheInvoiceScreens) {
    CInvoiceItem l = line(LineTypes::Rent, 4.5, 3, 4);
    l.Code = "MT35";
    l.Description = "Mat";
    l.AdjustmentDeliveredQuantity = -1;
    l.AdjustmentQuantity = 2;
    l.PrebilledAmount = 18.0;
    l.AdjustmentAmount = 9.0;
    l.Extend = 'Y';
    l.BillingMethod = 2;
    l.MinFreq = 4;
    l.MinQty = 4;
    l.MinPerc = 80;
    CAdjReasons reasons;
    // A product-level line (no SizeCode) shows its code and the blank, as a sized one does.
    EXPECT_EQ(detailRow(l, reasons),
              (std::array<std::string, 7>{"MT35 ", "Mat", "2", "6", "27.00", "9.00", ""}));
    EXPECT_EQ(billingText(l), "Minimum Based/(Delivery)");
    EXPECT_EQ(minimumText(l), "4 (80%)");
    l.SizeCode = "XL";
    l.Extend = 'N';
    l.AdjustmentAmount = 0;
    l.BillingMethod = 1;
    EXPECT_EQ(detailRow(l, reasons)[0], "MT35 XL");
    EXPECT_EQ(detailRow(l, reasons)[4], "");
    EXPECT_EQ(detailRow(l, reasons)[5], "");
    EXPECT_EQ(minimumText(l), "");
    l.SizeCode = "*";
    EXPECT_EQ(productText(l), "MT35");
    l.SizeCode = "-";
    EXPECT_EQ(productText(l), "MT35");

    CInvoiceHeader h;
    h.InvoiceNumber = 100104;
    h.COD = 'Y';
    h.PayThisAmount = 52.625;
    h.Status = "Settled";
    h.InvoiceDate = "20061205";
    EXPECT_EQ(invoiceRow(h),
              (std::array<std::string, 5>{"100104", "COD", "52.63", "Settled", "05-Dec"}));
    h.COD = 'N';
    EXPECT_EQ(invoiceRow(h)[1], "CHG");
}
