#include "doc/SettleOps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "doc/InvoiceOps.h"
#include "doc/VisitOps.h"
#include "model/SettlementJournal.h"
#include "support/SampleStop.h"
#include "support/SettlementFiles.h"

using namespace kelvo;
using kelvo::test::elementText;
using kelvo::test::kSampleRoute;

namespace {

struct SettleOps : ::testing::Test, test::StopDocument {
    const CStop& stop() { return *selectedStop(doc); }
};

}  // namespace

// One stop with a COD and a charge invoice (signature required), settled one after the other:
// by cheque in full, then short and in cash. Each step shows in memory, in the route's
// entry and in the files; the stop counts as settled once, with its last invoice.
TEST_F(SettleOps, ChequeThenCodShortSettleTheStop) {
    ASSERT_TRUE(openInvoice(2, 100103));  // charge, 118.22
    const std::uint32_t settledBefore = doc.Route().SettledStops();
    ASSERT_TRUE(readyForSettlement(doc));
    EXPECT_EQ(settle(doc, {118.22, "CHK-0042", "RD"}).next, screen::InvSelect);
    std::string inv = invoiceFile(100103);
    EXPECT_EQ(elementText(inv, "Status"), "Settled");
    EXPECT_EQ(elementText(inv, "CashCollected"), "118.22");
    EXPECT_EQ(elementText(inv, "CheckNumber"), "CHK-0042");
    EXPECT_EQ(elementText(inv, "PersonIdentification"), "RD");
    EXPECT_EQ(doc.Invoices().SettledCount(), 1);
    EXPECT_EQ(stop().SignedInvoices, 1);
    EXPECT_EQ(doc.Route().SettledStops(), settledBefore);
    EXPECT_DOUBLE_EQ(doc.Route().TotalCollectionsCharge(), 118.22);
    EXPECT_DOUBLE_EQ(doc.Routes().At(0).TotalCollectionsCharge(), 118.22);
    EXPECT_EQ(elementText(dev.read(kSampleRoute), "TotalCollectionsCharge"), "118.22");

    doc.Invoicing().selectInvoice(100104);  // COD, 52.62
    ASSERT_TRUE(openSelectedInvoice(doc));
    EXPECT_TRUE(collectedShort(doc.Invoice(), 50.0));
    EXPECT_FALSE(collectedShort(doc.Invoice(), 52.62));
    EXPECT_EQ(settle(doc, {50.0, "", "RD"}).next, screen::StopAction);
    EXPECT_EQ(elementText(invoiceFile(100104), "CheckNumber"), "");
    EXPECT_EQ(stop().SignedInvoices, 2);
    EXPECT_DOUBLE_EQ(stop().TotalCashCollected, 168.22);
    EXPECT_EQ(doc.Route().SettledStops(), settledBefore + 1);
    EXPECT_EQ(doc.Routes().At(0).SettledStops(), settledBefore + 1);
    EXPECT_DOUBLE_EQ(doc.Route().TotalCollectionsCOD(), 50.0);
    EXPECT_DOUBLE_EQ(doc.Route().TotalCollectionsCharge(), 118.22);
    const std::string route = dev.read(kSampleRoute);
    EXPECT_EQ(elementText(route, "SettledStops"), format("%u", settledBefore + 1));
    EXPECT_EQ(elementText(route, "TotalCollectionsCOD"), "50.00");
    EXPECT_NE(route.find("<TotalCashCollected>168.22</TotalCashCollected>"), std::string::npos);
    EXPECT_TRUE(prompter.shown().empty());
}

// A settlement writes its files in order, the journal that records it first and gone last:
// journal, signature, invoice, route, receipt, journal removed; it says which it wrote and
// hands the receipt on for printing. The journal is the program's own: no listing of the data
// folder shows it.
TEST_F(SettleOps, ASettlementRecordsItselfBeforeItsFilesAndLeavesNoRecord) {
    test::TextReceipts receipts;
    doc.SetReceiptWriter(&receipts);
    ASSERT_TRUE(openInvoice(2, 100104));
    std::vector<std::string> changes;
    dev.fs().setFaultHook([&](FsChange change, const std::filesystem::path& p, std::size_t) {
        if (change == FsChange::Rename || change == FsChange::Remove) {
            changes.push_back(p.filename().string());
        }
        return true;
    });
    clock.set(LocalTime{2006, 12, 5, 14, 5, 30});
    const SettleResult first = settle(doc, {50.0, "", "RD"}, test::signatureBytes(dev.fs()));
    dev.fs().setFaultHook({});
    EXPECT_TRUE(first.settled);
    EXPECT_EQ(first.next, screen::InvSelect);
    const std::string receipt = "\\My Documents\\Receipts\\Inv_100104.pdf";
    EXPECT_EQ(first.written, (std::vector<std::string>{"\\VexXml\\Inv_100104.bmp",
                                                       "\\VexXml\\Inv_100104.xml", kSampleRoute,
                                                       receipt}));
    EXPECT_EQ(receipts.handedOn, std::vector<std::string>{receipt});
    EXPECT_EQ(changes, (std::vector<std::string>{".Settlement.xml", "Inv_100104.bmp",
                                                 "Inv_100104.xml", "Route_101_20061205.xml",
                                                 "Inv_100104.pdf", ".Settlement.xml"}));
    EXPECT_FALSE(dev.exists("\\VexXml\\.Settlement.xml"));
    EXPECT_EQ(dev.read("\\VexXml\\Inv_100104.bmp"), "BM signature");
    EXPECT_EQ(dev.read("\\My Documents\\Receipts\\Inv_100104.pdf"),
              "Invoice# 100104\nPaid in cash\nSigned by: RD\nSettled Dec 5, 2006 14:05\n");

    // Kept while the route file cannot be written; the data folder's listing never shows it.
    doc.Invoicing().selectInvoice(100103);
    ASSERT_TRUE(openSelectedInvoice(doc));
    dev.fs().setFaultHook([](FsChange change, const std::filesystem::path& p, std::size_t) {
        return !(change == FsChange::Rename && p.filename() == "Route_101_20061205.xml");
    });
    const SettleResult second =
        settle(doc, {118.22, "CHK-0042", "RD"}, test::signatureBytes(dev.fs()));
    dev.fs().setFaultHook({});
    EXPECT_EQ(second.next, screen::StopAction);
    EXPECT_EQ(second.written.size(), 2u);  // the signature and the invoice
    ASSERT_FALSE(prompter.shown().empty());
    EXPECT_EQ(prompter.shown().back().caption, "Error data files");
    EXPECT_TRUE(dev.exists("\\VexXml\\.Settlement.xml"));
    for (const std::string& name : dev.fs().listFiles("\\VexXml\\", "*.*")) {
        EXPECT_NE(name.front(), '.') << name;
    }
    // The next stop that opens saves the route the screens hold and lets the record go.
    EXPECT_EQ(elementText(dev.read(kSampleRoute), "TotalCollectionsCharge"), "0.00");
    loadStopInvoices(doc);
    EXPECT_FALSE(dev.exists("\\VexXml\\.Settlement.xml"));
    EXPECT_EQ(elementText(dev.read(kSampleRoute), "TotalCollectionsCharge"), "118.22");
    EXPECT_EQ(elementText(dev.read(kSampleRoute), "TotalCollectionsCOD"), "50.00");
    // The receipt written by the completion is not handed on: the customer is gone.
    EXPECT_EQ(receipts.handedOn.size(), 1u);
    EXPECT_TRUE(dev.exists("\\My Documents\\Receipts\\Inv_100103.pdf"));
}

// The office sends an invoice "Settled" with cash on it while the stop counts no signed
// invoice: only the driver's settlements count, so neither the start nor opening the stop
// changes a total or a file.
TEST_F(SettleOps, AnInvoiceTheOfficeSentSettledIsNeverCounted) {
    test::workAtStop(dev, doc, 2, false);
    std::string inv = invoiceFile(100104);
    inv = replaceAll(inv, "<Status></Status>", "<Status>Settled</Status>");
    inv = replaceAll(inv, "<CashCollected>0.00</CashCollected>",
                     "<CashCollected>10.00</CashCollected>");
    dev.put("\\VexXml\\Inv_100104.xml", inv);
    const std::string route = dev.read(kSampleRoute);

    CKelvoDoc again{dev.fs(), prompter, clock};
    ASSERT_TRUE(startDataCheck(again));
    test::reopenAtStop(dev, again, 2);
    EXPECT_EQ(loadStopInvoices(again), 2u);
    EXPECT_EQ(selectedStop(again)->SignedInvoices, 0);
    EXPECT_DOUBLE_EQ(selectedStop(again)->TotalCashCollected, 0.0);
    EXPECT_DOUBLE_EQ(again.Routes().At(0).TotalCollectionsCOD(), 0.0);
    EXPECT_EQ(dev.read(kSampleRoute), route);
    EXPECT_EQ(invoiceFile(100104), inv);
    EXPECT_TRUE(prompter.shown().empty());
}

// A record that cannot be completed is given up, telling the driver: a settlement cut short
// before the customer's signature was saved changed no data file, and one whose route is
// gone has nothing left to count on. A record that cannot be read at all goes as well.
TEST_F(SettleOps, ARecordThatCannotBeCompletedIsGivenUpWithAMessage) {
    test::workAtStop(dev, doc, 2, false);
    const std::string invoice = invoiceFile(100104);
    const std::string route = dev.read(kSampleRoute);
    const char* const journal = "\\VexXml\\.Settlement.xml";
    CSettlementJournal j;
    j.RouteNumber = 101;
    j.Date = "20061205";
    j.StopIndex = 2;
    j.InvoiceNumber = 100104;
    j.CashCollected = 52.62;
    j.PersonIdentification = "RD";
    j.Signature = 'Y';
    ASSERT_TRUE(j.Save(dev.fs(), journal));
    EXPECT_TRUE(completeRecordedSettlement(doc));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text,
              "The settlement of invoice 100104 was cut short and cannot be completed: the "
              "signature was not saved. Please settle the invoice again.");
    EXPECT_FALSE(dev.exists(journal));
    EXPECT_EQ(invoiceFile(100104), invoice);
    EXPECT_EQ(dev.read(kSampleRoute), route);

    j.Date = "20061206";
    ASSERT_TRUE(j.Save(dev.fs(), journal));
    EXPECT_TRUE(completeRecordedSettlement(doc));
    EXPECT_EQ(prompter.shown().back().text,
              "The settlement of invoice 100104 was cut short and cannot be completed: its "
              "route file cannot be read.");
    EXPECT_FALSE(dev.exists(journal));

    dev.put(journal, "<Settlement><RouteNumber>101");
    EXPECT_TRUE(completeRecordedSettlement(doc));
    EXPECT_EQ(prompter.shown().back().caption, "Error data");
    EXPECT_FALSE(dev.exists(journal));
    EXPECT_EQ(invoiceFile(100104), invoice);
    EXPECT_EQ(dev.read(kSampleRoute), route);
}

// A charge invoice settles with nothing collected: the collections keep their value, the
// stop still counts its signed invoice. Without a required signature nothing happens at all.
TEST_F(SettleOps, ChargeWithNothingCollectedAndMissingSignature) {
    ASSERT_TRUE(openInvoice(0, 100101));
    const std::string before = invoiceFile(100101);
    EXPECT_EQ(settle(doc, {0.0, "", ""}).next, screen::None);
    EXPECT_EQ(invoiceFile(100101), before);
    EXPECT_EQ(doc.Invoice().Status(), "");
    EXPECT_EQ(stop().SignedInvoices, 0);

    EXPECT_EQ(settle(doc, {0.0, "", "FM"}).next, screen::StopAction);
    EXPECT_EQ(elementText(invoiceFile(100101), "CashCollected"), "0.00");
    EXPECT_DOUBLE_EQ(doc.Route().TotalCollectionsCharge(), 0.0);
    EXPECT_EQ(stop().SignedInvoices, 1);
}

// A stop that needs no signature settles without initials; the last stop of a route counts
// the route as settled on the route list.
TEST_F(SettleOps, LastStopSettlesTheRoute) {
    ASSERT_TRUE(openInvoice(9, 100110));  // COD 45.10, no signature
    ASSERT_EQ(stop().SignatureRequired, 'N');
    doc.Route().SetSettledStops(doc.Route().TotalStops() - 1);
    doc.Routes().At(0).SetSettledStops(doc.Route().TotalStops() - 1);
    const int settledRoutes = doc.Routes().SettledRoutes();
    EXPECT_EQ(settle(doc, {45.10, "", ""}).next, screen::StopAction);
    EXPECT_TRUE(doc.Routes().At(0).IsSettled());
    EXPECT_EQ(doc.Routes().SettledRoutes(), settledRoutes + 1);
    EXPECT_EQ(elementText(invoiceFile(100110), "PersonIdentification"), "");
    EXPECT_DOUBLE_EQ(doc.Routes().At(0).TotalCollectionsCOD(), 45.10);
}

// A settled invoice is not offered again; a stop not yet reached offers nothing to settle;
// without the configuration's consent the lines stay read-only. What the invoice allows is
// worked out from the document each time: it follows a settlement and another selection.
TEST_F(SettleOps, WhatTheSelectedInvoiceAllows) {
    test::workAtStop(dev, doc, 2, false);
    ASSERT_EQ(openInvoiceList(doc, screen::StopAction), 0);
    EXPECT_DOUBLE_EQ(doc.Invoicing().SelectedNumber(), 100103);
    ASSERT_TRUE(openSelectedInvoice(doc));
    EXPECT_FALSE(maySettle(doc));
    EXPECT_TRUE(invoiceReadOnly(doc));

    doc.Route().Stop(2).ArrivalTime = "09:05";
    EXPECT_TRUE(maySettle(doc));
    doc.Invoicing().selectInvoice(100104);
    EXPECT_FALSE(maySettle(doc));  // selected, but the open invoice is still 100103
    ASSERT_TRUE(openSelectedInvoice(doc));
    EXPECT_TRUE(maySettle(doc));
    EXPECT_FALSE(invoiceReadOnly(doc));
    ASSERT_EQ(settle(doc, {52.62, "", "RD"}).next, screen::InvSelect);
    EXPECT_FALSE(maySettle(doc));
    EXPECT_TRUE(selectedInvoiceSettled(doc));
    // Back from the details the list keeps the invoice shown there.
    EXPECT_EQ(openInvoiceList(doc, screen::InvDetails), 1);
    EXPECT_FALSE(maySettle(doc));
    EXPECT_TRUE(invoiceReadOnly(doc));

    dev.put("\\VexXml\\Config.xml",
            test::readHostFile(std::filesystem::path(KELVO_SAMPLES_DIR) / "day" / "Config.xml")
                .replace(dev.read("\\VexXml\\Config.xml").find("<AllowInvoiceAdjust>Y"), 21,
                         "<AllowInvoiceAdjust>N"));
    loadConfiguration(doc);
    doc.Invoicing().selectInvoice(100103);
    ASSERT_TRUE(openSelectedInvoice(doc));
    EXPECT_TRUE(maySettle(doc));
    EXPECT_TRUE(invoiceReadOnly(doc));
    EXPECT_FALSE(selectedInvoiceSettled(doc));
}

// A line whose pick-up quantity the driver must enter holds the settlement back; quantities
// that default are filled in and saved.
TEST_F(SettleOps, PickUpsBeforeSettlement) {
    ASSERT_TRUE(openInvoice(0, 100101));
    EXPECT_FALSE(readyForSettlement(doc));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "Please enter pick up quantities before settlement!");
    const auto line = doc.Invoice().FindLine(LineTypes::Rent, "SH100");
    for (std::size_t i = 0; i < doc.Invoice().LineCount(); ++i) {
        if (doc.Invoice().Line(i).SER == 1) {
            doc.Invoice().SetPickUpQty(i, "3");
        }
    }
    EXPECT_TRUE(readyForSettlement(doc));
    EXPECT_EQ(doc.Invoice().Line(*line).PickUpQty, "5");
    EXPECT_NE(invoiceFile(100101).find("<PickUpQty>5</PickUpQty>"), std::string::npos);
}

TEST_F(SettleOps, PaymentDialogChecks) {
    struct Case {
        bool byCheck;
        std::string check, amount;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {false, "", "12.50", nullptr},
        {false, "", "0", nullptr},
        {true, "1234567890123456", "80", nullptr},
        {true, "", "80.00", "You must fill the check number before!"},
        {true, "12345678901234567", "80.00", "Enter no more than 16 characters."},
        {false, "", "", "Please enter a number."},
        {false, "", ".", "Please enter a number."},
        {false, "", "1.234", "Please enter a number."},
        {false, "", "-5", "Please enter a number."},
        {false, "", "1234567890", "Please enter a number."},
    };
    for (const Case& c : cases) {
        prompter.clearShown();
        EXPECT_EQ(paymentAcceptable(prompter, c.byCheck, c.check, c.amount), c.message == nullptr)
            << c.amount;
        if (c.message) {
            ASSERT_EQ(prompter.shown().size(), 1u) << c.amount;
            EXPECT_EQ(prompter.shown()[0].text, c.message);
        }
    }
    EXPECT_EQ(prompter.shown().back().caption, "Invalid data");
    EXPECT_TRUE(signatureComplete("RD", true));
    EXPECT_FALSE(signatureComplete("", true));
    EXPECT_FALSE(signatureComplete("RD", false));
}

// A settlement whose invoice file cannot be written changes nothing anywhere.
TEST_F(SettleOps, UnwritableInvoiceSettlesNothing) {
    ASSERT_TRUE(openInvoice(9, 100110));
    const std::string route = dev.read(kSampleRoute);
    std::filesystem::remove(dev.root() / "VexXml" / "Inv_100110.xml");
    std::filesystem::create_directory(dev.root() / "VexXml" / "Inv_100110.xml");
    EXPECT_EQ(settle(doc, {45.10, "", ""}).next, screen::None);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, "Error data");
    EXPECT_EQ(doc.Invoice().Status(), "");
    EXPECT_EQ(doc.Invoices().SettledCount(), 0);
    EXPECT_EQ(stop().SignedInvoices, 0);
    EXPECT_EQ(dev.read(kSampleRoute), route);
}

// An invoice file that is missing or damaged is reported by its loader; nothing can be
// settled on it and nothing is written over it.
TEST_F(SettleOps, MissingOrDamagedInvoiceOpensNothing) {
    test::workAtStop(dev, doc, 9);
    dev.put("\\VexXml\\Inv_100110.xml", "<Invoice><ID>");
    // The stop's list names the damaged file, and so does the invoice when it is opened.
    EXPECT_FALSE(openSelectedInvoice(doc));
    ASSERT_FALSE(prompter.shown().empty());
    EXPECT_EQ(prompter.shown().back().caption, "Load Error");
    EXPECT_FALSE(maySettle(doc));
    EXPECT_FALSE(readyForSettlement(doc));
    EXPECT_EQ(settle(doc, {45.10, "", ""}).next, screen::None);
    EXPECT_EQ(dev.read("\\VexXml\\Inv_100110.xml"), "<Invoice><ID>");

    std::filesystem::remove(dev.root() / "VexXml" / "Inv_100110.xml");
    prompter.clearShown();
    EXPECT_FALSE(openSelectedInvoice(doc));
    ASSERT_FALSE(prompter.shown().empty());
    EXPECT_EQ(prompter.shown().back().text.rfind("Error Opening Invoice XML:", 0), 0u);
    EXPECT_FALSE(dev.exists("\\VexXml\\Inv_100110.xml"));
}

TEST_F(SettleOps, SignaturePictureBesideTheInvoice) {
    EXPECT_EQ(signaturePath(doc, 100101), "\\VexXml\\Inv_100101.bmp");
    doc.SetStorageLocation("Storage Card");
    EXPECT_EQ(signaturePath(doc, 100101), "\\Storage Card\\VexXml\\Inv_100101.bmp");
}
