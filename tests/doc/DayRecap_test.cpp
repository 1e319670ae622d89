#include "doc/DayRecap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "doc/FileReports.h"
#include "doc/SettleOps.h"
#include "doc/VisitOps.h"
#include "support/SampleStop.h"

using namespace kelvo;

namespace {

// The sample day after a morning's work on route 101; route 102 not started.
struct DayRecapTest : ::testing::Test, test::StopDocument {
    void SetUp() override { test::workAtStop(dev, doc, 0, false); }

    // Settles an invoice of a stop of route 101 as the invoice details do.
    void settle(int stopIndex, double number, const Payment& payment) {
        ASSERT_TRUE(selectStop(doc, stopIndex));
        doc.Route().Stop(static_cast<std::size_t>(stopIndex)).ArrivalTime = "09:05";
        doc.Invoicing().selectInvoice(number);
        ASSERT_TRUE(openSelectedInvoice(doc));
        ASSERT_TRUE(kelvo::settle(doc, payment).settled);
    }

    // Gives line 0 of an invoice an adjustment and saves it.
    void adjust(double number, double amount) {
        CInvoice invoice;
        ASSERT_TRUE(loadInvoice(invoice, dev.fs(), prompter, number));
        ASSERT_TRUE(invoice.AdjustLine(0, amount));
        ASSERT_TRUE(invoice.Save(dev.fs()));
    }

    // The morning: stop 3 pays its charge invoice by cheque and its COD invoice short in cash,
    // stop 8 pays more than its COD invoice, stop 10 pays in full; the visit-only stop 5 is
    // visited, stop 4 cannot be delivered; two invoices are adjusted up and down.
    void workTheMorning() {
        settle(2, 100103, {118.22, "CHK-0042", "RD"});
        settle(2, 100104, {50.00, "", "RD"});
        settle(7, 100108, {20.00, "", "MP"});
        settle(9, 100110, {45.10, "", ""});
        doc.Route().Stop(4).ArrivalTime = "10:15";
        doc.Route().Stop(3).UndeliverReasonCode = "01";
        ASSERT_TRUE(doc.Route().Save(dev.fs()));
        adjust(100107, 5.00);
        adjust(99874, -3.00);
    }

    std::string value(const std::vector<RecapRow>& rows, const std::string& label,
                      std::size_t nth = 0) {
        for (const RecapRow& row : rows) {
            if (row.label == label && nth-- == 0) {
                return row.value;
            }
        }
        return "(missing)";
    }
};

}  // namespace

TEST_F(DayRecapTest, FiguresOfTheRoutesAndTheDayAfterSettlements) {
    workTheMorning();
    prompter.clearShown();
    const DayRecap recap = buildDayRecap(doc);
    EXPECT_TRUE(recap.Notes.empty());
    EXPECT_TRUE(prompter.shown().empty());
    ASSERT_EQ(recap.Routes.size(), 2u);

    const DayRecap::Figures& r101 = recap.Routes[0].figures;
    EXPECT_EQ(recap.Routes[0].RouteNumber, 101);
    EXPECT_EQ(r101.StopsServed, 4);  // stops 3, 5 (visited), 8, 10
    EXPECT_EQ(r101.StopsUndeliverable, 1);
    EXPECT_EQ(r101.StopsOpen, 5);
    EXPECT_EQ(r101.InvoicesSettled, 4);
    EXPECT_EQ(r101.InvoicesOpen, 7);
    EXPECT_DOUBLE_EQ(r101.CashCollected, 115.10);
    ASSERT_EQ(r101.Cheques.size(), 1u);
    EXPECT_EQ(r101.Cheques[0].CustomerName, "Pacific Auto Body");
    EXPECT_DOUBLE_EQ(r101.Cheques[0].InvoiceNumber, 100103);
    EXPECT_EQ(r101.Cheques[0].CheckNumber, "CHK-0042");
    EXPECT_DOUBLE_EQ(r101.Cheques[0].Amount, 118.22);
    EXPECT_DOUBLE_EQ(r101.TotalCollected(), 233.32);
    EXPECT_DOUBLE_EQ(r101.CodExpected, 112.23);   // 52.62 + 14.51 + 45.10
    EXPECT_DOUBLE_EQ(r101.CodCollected, 115.10);  // 50.00 + 20.00 + 45.10
    // The 5.49 paid over at stop 8 does not make up the 2.62 stop 3 still owes.
    EXPECT_DOUBLE_EQ(r101.CodDelayed, 2.62);
    EXPECT_EQ(r101.ChargeSettled, 1);
    EXPECT_DOUBLE_EQ(r101.ChargeCollected, 118.22);
    EXPECT_DOUBLE_EQ(r101.PlusAdjustments, 5.00);
    EXPECT_DOUBLE_EQ(r101.MinusAdjustments, 3.00);

    const DayRecap::Figures& r102 = recap.Routes[1].figures;
    EXPECT_EQ(r102.StopsServed + r102.StopsUndeliverable, 0);
    EXPECT_EQ(r102.StopsOpen, 10);
    EXPECT_EQ(r102.InvoicesSettled, 0);
    EXPECT_EQ(r102.InvoicesOpen, 12);

    EXPECT_EQ(recap.Day.StopsOpen, 15);
    EXPECT_EQ(recap.Day.InvoicesOpen, 19);
    EXPECT_DOUBLE_EQ(recap.Day.TotalCollected(), 233.32);
    EXPECT_EQ(recap.Day.Cheques.size(), 1u);

    // The rows the screen and the PDF show: the day first, then each route.
    const std::vector<RecapRow> rows = recapRows(recap);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].kind, RecapRow::Kind::Heading);
    EXPECT_EQ(rows[0].label, "The day: 2 routes");
    EXPECT_EQ(value(rows, "COD delayed"), "2.62");
    EXPECT_EQ(value(rows, "Stops open", 1), "5");
    EXPECT_EQ(value(rows, "Stops open", 2), "10");
    const auto cheque = std::find_if(rows.begin(), rows.end(), [](const RecapRow& row) {
        return row.kind == RecapRow::Kind::Detail;
    });
    ASSERT_NE(cheque, rows.end());
    EXPECT_EQ(cheque->label, "Pacific Auto Body\nInv# 100103  Chq CHK-0042");
    EXPECT_EQ(cheque->value, "118.22");
}

// The recap reads what is saved: a route the driver has open with changes not yet saved is
// counted as its file says, and a settlement cut short after the invoice's save still counts
// its invoice and its money.
TEST_F(DayRecapTest, CountsTheFilesNotTheScreens) {
    settle(2, 100103, {118.22, "CHK-0042", "RD"});
    doc.Route().Stop(3).UndeliverReasonCode = "01";  // in memory only
    CInvoice cut;
    ASSERT_TRUE(loadInvoice(cut, dev.fs(), prompter, 100104));
    cut.SetCashCollected(52.62);
    cut.SetStatus("Settled");
    ASSERT_TRUE(cut.Save(dev.fs()));
    const DayRecap recap = buildDayRecap(doc);
    const DayRecap::Figures& f = recap.Routes[0].figures;
    EXPECT_EQ(f.StopsUndeliverable, 0);
    EXPECT_EQ(f.InvoicesSettled, 2);
    EXPECT_DOUBLE_EQ(f.CashCollected, 52.62);
    EXPECT_DOUBLE_EQ(f.CodDelayed, 0.0);
}

// Files that cannot be read become notes of the recap, never a message box; what they would
// have counted is missing, what the other files say is still there.
TEST_F(DayRecapTest, UnreadableFilesBecomeNotes) {
    settle(9, 100110, {45.10, "", ""});
    dev.put("\\VexXml\\Inv_100109.xml", "<Invoice><Status>Sett");
    ASSERT_TRUE(dev.fs().removeFile("\\VexXml\\Route_102_20061206.xml"));
    prompter.clearShown();
    const DayRecap recap = buildDayRecap(doc);
    EXPECT_TRUE(prompter.shown().empty());
    ASSERT_EQ(recap.Notes.size(), 2u);
    EXPECT_NE(recap.Notes[0].find("Inv_100109.xml"), std::string::npos) << recap.Notes[0];
    EXPECT_NE(recap.Notes[1].find("Route_102_20061206.xml"), std::string::npos);
    EXPECT_EQ(recap.Routes[0].figures.InvoicesOpen, 10);
    EXPECT_DOUBLE_EQ(recap.Day.CashCollected, 45.10);
    EXPECT_EQ(recap.Routes[1].figures.StopsOpen, 0);
    const std::vector<RecapRow> rows = recapRows(recap);
    EXPECT_EQ(rows[0].kind, RecapRow::Kind::Detail);
    EXPECT_EQ(rows[0].label, recap.Notes[0]);
}

TEST(DayRecapPath, NamedAfterTheDayOfTheClock) {
    EXPECT_EQ(recapPath({2026, 12, 6, 17, 45, 0}), "\\My Documents\\Receipts\\Recap_20261206.pdf");
}

// The PDF gets the rows of the screen, the heading and today's path; the driver hears where it
// went, or a warning that it could not be written.
TEST_F(DayRecapTest, SavingTheRecapWritesTheRowsShownAndSaysWhere) {
    const std::vector<RecapRow> rows = recapRows(buildDayRecap(doc));
    std::string writtenTo;
    std::size_t rowsWritten = 0;
    bool headed = false;
    const RecapWriter writer = [&](const DeviceFs&, const std::vector<std::string>& heading,
                                   const std::vector<RecapRow>& r, const std::string& path) {
        writtenTo = path;
        rowsWritten = r.size();
        headed = !heading.empty();
        return true;
    };
    prompter.clearShown();
    ASSERT_TRUE(saveDayRecap(doc, rows, writer));
    EXPECT_EQ(writtenTo, recapPath(clock.now()));
    EXPECT_EQ(rowsWritten, rows.size());
    EXPECT_TRUE(headed);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "The recap is written: " + writtenTo);

    prompter.clearShown();
    EXPECT_FALSE(saveDayRecap(doc, rows, [](auto&&...) { return false; }));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].icon, MessageIcon::Warning);
}
