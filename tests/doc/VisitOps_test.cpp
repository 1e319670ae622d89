#include "doc/VisitOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/InvoiceOps.h"
#include "doc/RouteOps.h"
#include "model/InventoryTransactions.h"
#include "model/Invoice.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kRoutePath = "\\VexXml\\Route_5_20061205.xml";

// One <Stop> of a test route.
struct StopSpec {
    std::string invoices;  // "<Invoice>..</Invoice>" elements
    std::string arrival = "00:00";
    std::string departure = "00:00";
    std::string reason{};
    int signedInvoices = 0;
    char survey = 'N';
    std::string delivery{};
};

std::string stopXml(int number, const StopSpec& s) {
    return "<Stop><StopNumber>" + std::to_string(number) + "</StopNumber><CustomerNumber>" +
           std::to_string(4700 + number) + "</CustomerNumber><CustomerName>Customer " +
           std::to_string(number) + "</CustomerName><DeliveryInstructions>" + s.delivery +
           "</DeliveryInstructions><UndeliverReasonCode>" + s.reason +
           "</UndeliverReasonCode><ArrivalTime>" + s.arrival + "</ArrivalTime><DepartureTime>" +
           s.departure + "</DepartureTime><SatisfactionSurvey>" + s.survey +
           "</SatisfactionSurvey><SignedInvoices>" + std::to_string(s.signedInvoices) +
           "</SignedInvoices><Invoices>" + s.invoices + "</Invoices></Stop>";
}

// An invoice file: its column, amount, reason and status.
std::string invoiceXml(char cod, const char* amount, const char* reason = "",
                       const char* status = "") {
    return std::string("<Invoice><ID>I</ID><CODInvoice>") + cod + "</CODInvoice><PrebilledAmount>" +
           amount + "</PrebilledAmount><PayThisAmount>" + amount +
           "</PayThisAmount><UndeliverReasonCode>" + reason + "</UndeliverReasonCode><Status>" +
           status + "</Status></Invoice>";
}

struct VisitOps : ::testing::Test {
    TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock{LocalTime{2006, 12, 5, 9, 5, 0}};
    CKelvoDoc doc{dev.fs(), prompter, clock};
    CRoute fromFile;

    // Writes the route (started at 08:40 with mileage `startMileage`) and opens it.
    void openRoute(const std::vector<StopSpec>& stops, double startMileage = 1200.0,
                   double endMileage = 0.0) {
        std::string xml =
            "<Route><Date>20061205</Date><RouteNumber>5</RouteNumber>"
            "<PrebilledAmountCharge>100.00</PrebilledAmountCharge>"
            "<PrebilledAmountCOD>60.00</PrebilledAmountCOD>"
            "<PayThisAmountCharge>100.00</PayThisAmountCharge>"
            "<PayThisAmountCOD>60.00</PayThisAmountCOD><StartTime>08:40</StartTime>"
            "<StartMileage>" +
            std::to_string(startMileage) + "</StartMileage><EndMileage>" +
            std::to_string(endMileage) + "</EndMileage><TotalStops>" +
            std::to_string(stops.size()) + "</TotalStops><Stops>";
        for (std::size_t i = 0; i < stops.size(); ++i) {
            xml += stopXml(static_cast<int>(i) + 1, stops[i]);
        }
        dev.put(kRoutePath, xml + "</Stops></Route>");
        loadRouteList(doc.Routes(), dev.fs(), prompter);
        doc.Route().Reset();  // read the new file even though number and date stay
        ASSERT_TRUE(doc.Routing().selectRoute(0));
        ASSERT_TRUE(loadSelectedRoute(doc));
    }
    // Selects a stop and loads its invoice headers, as the stop action screen does.
    void openStop(int index) {
        ASSERT_TRUE(selectStop(doc, index));
        loadStopInvoices(doc);
    }
    // Selects stop `selected` after the driver last left stop `left` (-1: none left).
    void selectAfterLeaving(int left, int selected) {
        doc.Routing().forgetDeparture();
        if (left >= 0) {
            ASSERT_TRUE(selectStop(doc, left));
            doc.Routing().leaveSelectedStop();
        }
        ASSERT_TRUE(selectStop(doc, selected));
    }
    void at(int hour, int minute) { clock.set(LocalTime{2006, 12, 5, hour, minute, 0}); }

    // The route as its file holds it now.
    const CRoute& saved() {
        fromFile.Reset();
        fromFile.Load(dev.fs(), 5, "20061205");
        return fromFile;
    }
    std::string reasonInFile(double number) {
        CInvoice invoice;
        return loadInvoice(invoice, dev.fs(), prompter, number) ? invoice.UndeliverReasonCode()
                                                                : "?";
    }
    const CRouteSummary& entry() const { return doc.Routes().At(0); }
};

}  // namespace

TEST_F(VisitOps, WhatAStopOffersFollowsItsTimesInvoicesAndTheRoute) {
    struct Case {
        StopSpec stop;
        bool arrived, departed, undeliverable;
    };
    const std::string one = "<Invoice>1</Invoice>";
    const Case cases[] = {
        {{one}, false, false, true},                            // still to reach
        {{one, "09:00"}, true, false, false},                   // at the stop
        {{one, "09:00", "09:20"}, true, true, true},            // left without settling
        {{one, "09:00", "09:20", "NA"}, true, true, true},      // undelivered, may be marked again
        {{one, "", ""}, false, false, true},                    // no time in the file: none set
        {{one, "00:00", "00:00", "", 1}, false, false, false},  // settled
        {{""}, true, true, false},                              // no invoice: settled, visited
    };
    std::vector<StopSpec> stops;
    for (const Case& c : cases) {
        stops.push_back(c.stop);
    }
    openRoute(stops);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const CStop& s = doc.Route().Stop(i);
        EXPECT_EQ(stopArrived(s), cases[i].arrived) << i;
        EXPECT_EQ(stopDeparted(s), cases[i].departed) << i;
        EXPECT_EQ(mayBeUndeliverable(doc, s), cases[i].undeliverable) << i;
    }

    // Neither before the start nor after the end of the route.
    for (const auto& [start, end] : {std::pair{0.0, 0.0}, std::pair{1200.0, 1300.0}}) {
        openRoute(stops, start, end);
        EXPECT_FALSE(routeOpen(doc));
        EXPECT_FALSE(mayBeUndeliverable(doc, doc.Route().Stop(0)));
    }
    openRoute(stops);
    EXPECT_TRUE(routeOpen(doc));
    doc.Routing().selectNoRoute();
    EXPECT_FALSE(routeOpen(doc));
}

// Once a stop has been left the list offers the stop after the selected one, whichever stop
// was left; before that, and after a cancelled undeliverable marking, the selected one.
TEST_F(VisitOps, TheStopListMovesOnOnceAStopHasBeenLeft) {
    openRoute(std::vector<StopSpec>(5));
    struct Case {
        int selected, lastDeparted, row;
    };
    for (const Case c : {Case{-1, -1, 0}, Case{2, -1, 2}, Case{2, 2, 3}, Case{2, 1, 3},
                         Case{2, 4, 3}, Case{4, 4, 4}, Case{-1, 3, 0}}) {
        selectAfterLeaving(c.lastDeparted, c.selected);
        EXPECT_EQ(stopRowToSelect(doc), c.row) << c.selected << " " << c.lastDeparted;
    }
    openRoute({});
    EXPECT_EQ(stopRowToSelect(doc), 0);
}

TEST_F(VisitOps, TheInvoiceSummaryCountsSettledInvoicesAndNamesTheFirstOnesColumn) {
    dev.put("\\VexXml\\Inv_30.xml", invoiceXml('N', "10.25", "", "Settled"));
    dev.put("\\VexXml\\Inv_10.xml", invoiceXml('Y', "5.00"));
    dev.put("\\VexXml\\Inv_20.xml", invoiceXml('N', "2.10"));
    dev.put("\\VexXml\\Inv_40.xml", invoiceXml('N', "1.00", "", "Settled"));
    openRoute({{"<Invoice>30</Invoice><Invoice>10</Invoice><Invoice>20</Invoice>"},
               {"<Invoice>30</Invoice><Invoice>40</Invoice>"},
               {"<Invoice>20</Invoice>"},
               {""}});
    const std::pair<std::string, std::string> expected[] = {
        {"3 Invoice In Progress", "Total Cod $ 17.35"},
        {"2 Invoice Settled", "Total Charge $ 11.25"},
        {"1 Invoice Unsettled", "Total Charge $ 2.10"},
        {"0 Invoice", "Total Charge $ 0.00"},
    };
    for (int i = 0; i < 4; ++i) {
        openStop(i);
        const InvoiceSummary s = summarizeInvoices(doc.Invoices());
        EXPECT_EQ(s.invoiceLine(), expected[i].first) << i;
        EXPECT_EQ(s.totalLine(), expected[i].second) << i;
    }
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(VisitOps, ArrivalCountsTheTravelFromTheStartOfTheRouteOrTheLastDeparture) {
    dev.put("\\VexXml\\Inv_1.xml", invoiceXml('N', "10.00", "", "Settled"));
    dev.put("\\VexXml\\Inv_2.xml", invoiceXml('N', "20.00"));
    openRoute({{"<Invoice>1</Invoice>"},
               {"<Invoice>2</Invoice>", "00:00", "00:00", "", 0, 'Y', "Ring twice &amp; wait"}});
    openStop(0);
    const std::vector<Notice> arrival = recordArrival(doc);
    ASSERT_EQ(arrival.size(), 1u);
    EXPECT_EQ(arrival[0].text, "Arrival Time: 09:05 AM");
    EXPECT_FALSE(arrival[0].untilOk);
    EXPECT_EQ(saved().Stop(0).ArrivalTime, "09:05");
    EXPECT_EQ(saved().Stop(0).TravelMinutes, 25);
    EXPECT_TRUE(recordArrival(doc).empty());  // arrived once only
    EXPECT_EQ(saved().Stop(0).ArrivalTime, "09:05");

    at(9, 47);
    EXPECT_EQ(recordDeparture(doc).text, "Departed At: 09:47 AM");
    EXPECT_EQ(saved().Stop(0).DepartureTime, "09:47");
    EXPECT_EQ(saved().Stop(0).VisitMinutes, 42);
    EXPECT_EQ(doc.Routing().LastDepartedStopIndex(), 0);
    EXPECT_EQ(recordDeparture(doc).text, "");  // departed once only

    // The survey reminder and the delivery instructions stay until the driver has read them.
    at(13, 2);
    openStop(1);
    const std::vector<Notice> second = recordArrival(doc);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].text, "Don't forget: \nCustomer Satisfaction Survey");
    EXPECT_TRUE(second[0].untilOk);
    EXPECT_EQ(second[1].text, "Ring twice & wait");
    EXPECT_TRUE(second[1].untilOk);
    EXPECT_EQ(saved().Stop(1).TravelMinutes, 13 * 60 + 2 - (9 * 60 + 47));
    // An unsettled invoice keeps the driver at the stop.
    EXPECT_FALSE(mayDepart(doc));
    EXPECT_EQ(recordDeparture(doc).text, "");
    EXPECT_EQ(saved().Stop(1).DepartureTime, "00:00");
}

TEST_F(VisitOps, NonsenseTimesGiveNoMinutes) {
    dev.put("\\VexXml\\Inv_1.xml", invoiceXml('N', "10.00", "", "Settled"));
    // A departure before the arrival (over midnight) and times that are no times.
    openRoute({{"<Invoice>1</Invoice>", "23:50"},
               {"<Invoice>1</Invoice>", "9x:77"},
               {"<Invoice>1</Invoice>", "7:5"}});
    doc.Route().SetStartTime("not a time");
    at(0, 10);
    for (int i = 0; i < 3; ++i) {
        openStop(i);
        EXPECT_EQ(recordDeparture(doc).text, "Departed At: 12:10 AM") << i;
        EXPECT_EQ(doc.Route().Stop(std::size_t(i)).VisitMinutes, 0) << i;
    }
    openRoute({{"<Invoice>1</Invoice>"}});
    doc.Route().SetStartTime("25:99");
    openStop(0);
    recordArrival(doc);
    EXPECT_EQ(doc.Route().Stop(0).TravelMinutes, 0);
}

TEST_F(VisitOps, TheFirstUndeliverableMarkingMovesTheInvoicesToTheUndeliveredTotals) {
    dev.put("\\VexXml\\Inv_11.xml", invoiceXml('Y', "12.50"));
    dev.put("\\VexXml\\Inv_12.xml", invoiceXml('N', "30.25", "CL"));
    dev.put("\\VexXml\\Inv_13.xml", invoiceXml('N', "9.75"));
    openRoute({{"<Invoice>1</Invoice>", "08:50", "09:00"},
               {"<Invoice>11</Invoice><Invoice>12</Invoice><Invoice>13</Invoice>"}});
    // The travel counts from the stop left last.
    selectAfterLeaving(0, 1);
    const Outcome marked = markUndeliverable(doc, "CL");
    ASSERT_TRUE(marked.done);
    // Inv_12 had the reason already: its file is not rewritten.
    EXPECT_EQ(marked.written, (std::vector<std::string>{"\\VexXml\\Inv_11.xml",
                                                        "\\VexXml\\Inv_13.xml", kRoutePath}));

    const CRoute& route = saved();
    const CStop& stop = route.Stop(1);
    EXPECT_EQ(stop.UndeliverReasonCode, "CL");
    EXPECT_EQ(stop.ArrivalTime, "09:05");
    EXPECT_EQ(stop.DepartureTime, "09:05");
    EXPECT_EQ(stop.TravelMinutes, 5);
    EXPECT_EQ(stop.VisitMinutes, 0);
    EXPECT_EQ(stop.Status(), "Undelivered");
    EXPECT_DOUBLE_EQ(route.TotalUndeliveredCOD(), 12.50);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCOD(), 47.50);
    EXPECT_DOUBLE_EQ(route.TotalUndeliveredCharge(), 40.00);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCharge(), 60.00);
    EXPECT_DOUBLE_EQ(entry().TotalUndeliveredCOD(), 12.50);
    EXPECT_DOUBLE_EQ(entry().PayThisAmountCharge(), 60.00);
    for (const double n : {11.0, 12.0, 13.0}) {
        EXPECT_EQ(reasonInFile(n), "CL") << n;
    }
    EXPECT_EQ(doc.Routing().LastDepartedStopIndex(), 1);

    // Another reason later reaches the stop only: the invoice files and the totals stay.
    const auto invoiceFiles = [this] {
        return dev.read("\\VexXml\\Inv_11.xml") + dev.read("\\VexXml\\Inv_12.xml") +
               dev.read("\\VexXml\\Inv_13.xml");
    };
    const std::string invoicesBefore = invoiceFiles();
    at(10, 0);
    const Outcome remarked = markUndeliverable(doc, "RF");
    ASSERT_TRUE(remarked.done);
    EXPECT_EQ(remarked.written, std::vector<std::string>{kRoutePath});
    EXPECT_EQ(saved().Stop(1).UndeliverReasonCode, "RF");
    EXPECT_DOUBLE_EQ(saved().TotalUndeliveredCharge(), 40.00);
    EXPECT_DOUBLE_EQ(saved().PayThisAmountCOD(), 47.50);
    EXPECT_EQ(invoiceFiles(), invoicesBefore);
    EXPECT_EQ(saved().Stop(1).ArrivalTime, "10:00");
    EXPECT_EQ(saved().Stop(1).TravelMinutes, 5);  // the travel to the stop stays
    EXPECT_TRUE(prompter.shown().empty());
}

// Cancelled, the undeliverable dialog changes no file; the stop last left is forgotten, so the
// next arrival's travel counts from the start of the route.
TEST_F(VisitOps, ACancelledUndeliverableMarkingCountsTheNextTravelFromTheStart) {
    dev.put("\\VexXml\\Inv_2.xml", invoiceXml('N', "20.00"));
    openRoute({{"<Invoice>1</Invoice>", "08:50", "09:00"}, {"<Invoice>2</Invoice>"}});
    selectAfterLeaving(0, 1);
    const std::string route = dev.read(kRoutePath);
    cancelUndeliverable(doc);
    EXPECT_EQ(doc.Routing().LastDepartedStopIndex(), -1);
    EXPECT_EQ(dev.read(kRoutePath), route);
    EXPECT_EQ(stopRowToSelect(doc), 1);
    at(9, 30);
    openStop(1);
    ASSERT_EQ(recordArrival(doc).size(), 1u);
    EXPECT_EQ(saved().Stop(1).TravelMinutes, 50);  // from 08:40, not from 09:00
}

TEST_F(VisitOps, UndeliverableIsRefusedAtTheStopOnASettledStopAndWithoutAReason) {
    dev.put("\\VexXml\\Inv_1.xml", invoiceXml('N', "10.00"));
    openRoute({{"<Invoice>1</Invoice>", "09:00"},
               {"<Invoice>1</Invoice>", "00:00", "00:00", "", 1},
               {"<Invoice>1</Invoice>"}});
    const std::string before = dev.read(kRoutePath);
    for (const int i : {0, 1}) {
        ASSERT_TRUE(selectStop(doc, i));
        EXPECT_FALSE(markUndeliverable(doc, "CL").done) << i;
    }
    ASSERT_TRUE(selectStop(doc, 2));
    EXPECT_FALSE(markUndeliverable(doc, "").done);
    EXPECT_EQ(dev.read(kRoutePath), before);
    EXPECT_EQ(reasonInFile(1), "");
}

// Every invoice of the stop goes back to the amounts to pay, also one the office sent without
// the stop's reason.
TEST_F(VisitOps, ArrivingAtAnUndeliverableStopTakesTheMarkingBack) {
    // As the office sends a stop marked on the previous day: reason set, not yet reached.
    dev.put("\\VexXml\\Inv_21.xml", invoiceXml('Y', "12.50", "NA"));
    dev.put("\\VexXml\\Inv_22.xml", invoiceXml('N', "40.00", "NA"));
    dev.put("\\VexXml\\Inv_23.xml", invoiceXml('N', "3.00"));
    openRoute({{"<Invoice>21</Invoice><Invoice>22</Invoice><Invoice>23</Invoice>", "00:00", "00:00",
                "NA"}});
    doc.Route().SetTotalUndeliveredCOD(12.50);
    doc.Route().SetTotalUndeliveredCharge(43.00);
    doc.Route().SetPayThisAmountCOD(47.50);
    doc.Route().SetPayThisAmountCharge(57.00);
    openStop(0);
    ASSERT_EQ(recordArrival(doc).size(), 1u);

    const CRoute& route = saved();
    EXPECT_EQ(route.Stop(0).UndeliverReasonCode, "");
    EXPECT_EQ(route.Stop(0).ArrivalTime, "09:05");
    EXPECT_DOUBLE_EQ(route.TotalUndeliveredCOD(), 0.0);
    EXPECT_DOUBLE_EQ(route.TotalUndeliveredCharge(), 0.0);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCOD(), 60.00);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCharge(), 100.00);
    EXPECT_DOUBLE_EQ(entry().PayThisAmountCharge(), 100.00);
    EXPECT_EQ(reasonInFile(21), "");
    EXPECT_EQ(reasonInFile(22), "");
    EXPECT_EQ(reasonInFile(23), "");
    // The stop's invoice headers follow without reading the files again.
    EXPECT_EQ(doc.Invoices().At(0).UndeliverReasonCode, "");
}

TEST_F(VisitOps, AnInvoiceFileThatCannotBeReadIsReportedAndLeftAsItIs) {
    dev.put("\\VexXml\\Inv_31.xml", invoiceXml('N', "10.00"));
    dev.put("\\VexXml\\Inv_32.xml", "<Invoice><PayThisAmount>5");  // cut off
    openRoute({{"<Invoice>31</Invoice><Invoice>32</Invoice><Invoice>33</Invoice>"},
               {"<Invoice>..\\Route_5_20061205</Invoice>"}});
    const std::string damaged = dev.read("\\VexXml\\Inv_32.xml");
    openStop(0);
    EXPECT_EQ(summarizeInvoices(doc.Invoices()).invoiceLine(), "2 Invoice Unsettled");
    prompter.clearShown();

    const Outcome marked = markUndeliverable(doc, "CL");
    ASSERT_TRUE(marked.done);
    EXPECT_EQ(marked.written, (std::vector<std::string>{"\\VexXml\\Inv_31.xml", kRoutePath}));
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[1].text, "Error Opening Invoice XML:\\VexXml\\Inv_33.xml");
    EXPECT_EQ(prompter.shown()[1].caption, "Load Error");
    EXPECT_EQ(dev.read("\\VexXml\\Inv_32.xml"), damaged);
    EXPECT_FALSE(dev.exists("\\VexXml\\Inv_33.xml"));
    EXPECT_EQ(reasonInFile(31), "CL");
    EXPECT_DOUBLE_EQ(saved().TotalUndeliveredCharge(), 10.00);  // what could be read

    // A number that would lead out of the data folder names no file at all.
    prompter.clearShown();
    const std::string route = dev.read(kRoutePath);
    ASSERT_TRUE(selectStop(doc, 1));
    EXPECT_EQ(loadStopInvoices(doc), 0u);
    ASSERT_TRUE(markUndeliverable(doc, "CL").done);
    EXPECT_EQ(prompter.shown().size(), 2u);
    EXPECT_NE(dev.read(kRoutePath), route);  // the stop itself is marked
}

TEST_F(VisitOps, AgingFiguresAddUpToTheBalance) {
    CStop stop;
    stop.StopNumber = 3;
    stop.CustomerNumber = 4711;
    stop.AgingCurrent = 412.37;
    stop.Aging30 = 120.5;
    stop.Aging90 = 0.25;
    stop.OpenCredit = 32.87;
    stop.LastPaymentAmount = 398.1;
    stop.LastPaymentNumber = "CHK 10452";
    const struct {
        const char* file;
        const char* shown;
    } dates[] = {
        {"20061120", "20-11-2006"}, {"", ""}, {"2006-11", "2006-11"}, {"20061340", "20061340"}};
    for (const auto& d : dates) {
        stop.LastPaymentDate = d.file;
        const AgingFigures f = agingFigures(stop);
        EXPECT_EQ(f.lastPaymentDate, d.shown);
        EXPECT_EQ(f.title, "Stop# 3 Account# 4711");
        EXPECT_EQ(f.current, "412.37");
        EXPECT_EQ(f.over90, "0.25");
        EXPECT_EQ(f.balance, "500.25");
        EXPECT_EQ(f.lastPaymentAmount, "398.10");
        EXPECT_EQ(f.lastPaymentNumber, "CHK 10452");
    }
}

TEST_F(VisitOps, GarmentCountsComeFromTheCustomersFiles) {
    CStop stop;
    stop.CustID = 4711;
    EXPECT_EQ(garmentCounts(doc, stop).orders, 0u);  // no files: nothing to count
    EXPECT_EQ(garmentCounts(doc, stop).flagged, 0u);
    dev.putFixture("\\VexXml\\InventoryTransaction_4711.xml",
                   test::fixture("wearer/InventoryTransaction_dec2.xml"));
    dev.putFixture("\\VexXml\\GarmentFlags_4711.xml",
                   test::fixture("garment/GarmentFlags_stored.xml"));
    CInventoryTransactions transactions;
    transactions.SetPath("");
    ASSERT_EQ(transactions.Load(dev.fs(), 4711, 2), LoadResult::Read);
    const GarmentCounts counts = garmentCounts(doc, stop);
    EXPECT_EQ(counts.orders, transactions.Count());
    EXPECT_GT(counts.orders, 0u);
    EXPECT_EQ(counts.flagged, 4u);
}
