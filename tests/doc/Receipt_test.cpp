#include "doc/Receipt.h"

#include <gtest/gtest.h>

#include "common/Clock.h"
#include "doc/SettleOps.h"
#include "doc/VisitOps.h"
#include "support/SampleStop.h"

using namespace kelvo;

namespace {

// Settles an invoice of route 101 on a fresh sample day and returns its receipt at 14:05 on
// 6 December 2026.
Receipt settled(test::StopDocument& d, int stopIndex, double number, const Payment& payment) {
    EXPECT_TRUE(d.openInvoice(stopIndex, number));
    EXPECT_TRUE(settle(d.doc, payment).settled);
    return receiptFor(d.doc, *selectedStop(d.doc), d.doc.Invoice(), {2026, 12, 6, 14, 5, 0});
}

}  // namespace

// What changes from one settlement to the next: terms, the way of payment, the delayed mark,
// the initials and the signature picture (only where the stop signs).
TEST(Receipt, PaymentTermsAndSignature) {
    struct Case {
        int stop;
        double number;
        Payment payment;
        const char* terms;
        const char* paidBy;
        const char* delayed;
        const char* signedBy;
        const char* picture;
        const char* collected;
    };
    const Case cases[] = {
        {2,
         100104,
         {50.00, "", "RD"},
         "COD",
         "Paid in cash",
         "DELAYED",
         "Signed by: RD",
         "\\VexXml\\Inv_100104.bmp",
         "50.00"},
        {2,
         100104,
         {52.62, "", "RD"},
         "COD",
         "Paid in cash",
         "",
         "Signed by: RD",
         "\\VexXml\\Inv_100104.bmp",
         "52.62"},
        {2,
         100103,
         {100.00, "CHK-0042", "RD"},
         "Charge",
         "Paid by cheque# CHK-0042",
         "",
         "Signed by: RD",
         "\\VexXml\\Inv_100103.bmp",
         "100.00"},
        {9,
         100110,
         {45.00, "", ""},
         "COD",
         "Paid in cash",
         "DELAYED",
         "No signature required",
         "",
         "45.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        test::StopDocument d;
        const Receipt r = settled(d, c.stop, c.number, c.payment);
        EXPECT_EQ(r.Terms, c.terms);
        EXPECT_EQ(r.PaidBy, c.paidBy);
        EXPECT_EQ(r.Delayed, c.delayed);
        EXPECT_EQ(r.SignedBy, c.signedBy);
        EXPECT_EQ(r.SignaturePicture, c.picture);
        ASSERT_EQ(r.Totals.size(), 4u);
        EXPECT_EQ(r.Totals[3].second, c.collected);
        EXPECT_EQ(r.SettledAt, "Settled Dec 6, 2026 14:05");
    }
}

// The plant, the customer and the lines as the files and the invoice details have them.
TEST(Receipt, PlantCustomerAndLines) {
    test::StopDocument d;
    const Receipt r = settled(d, 2, 100103, {118.22, "", "RD"});
    ASSERT_FALSE(r.Plant.empty());
    EXPECT_EQ(r.Plant[0], "Bright & Clean Linen");
    ASSERT_FALSE(r.Customer.empty());
    EXPECT_EQ(r.Customer[0], "Pacific Auto Body");
    EXPECT_EQ(r.Stop, "Stop 3   Account# 3307");
    EXPECT_EQ(r.Invoice, "Invoice# 100103");
    EXPECT_EQ(r.Date, "Dec 5, 2006");
    ASSERT_EQ(r.Lines.size(), d.doc.Invoice().LineCount());
    const CInvoiceItem& first = d.doc.Invoice().Line(0);
    EXPECT_EQ(r.Lines[0][1], first.Description);
    EXPECT_EQ(r.Lines[0][5], "");  // not adjusted
    EXPECT_EQ(r.Totals[0].second, "118.22");
    EXPECT_EQ(r.Totals[2].second, "118.22");
}

TEST(ReceiptPath, InTheReceiptsFolderNotTheTransferFolders) {
    EXPECT_EQ(receiptPath(100104), "\\My Documents\\Receipts\\Inv_100104.pdf");
}
