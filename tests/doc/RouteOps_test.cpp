#include "doc/RouteOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/Commands.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "support/SampleStop.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

// A route file of this number and date, with a checklist-free header.
std::string routeFile(const std::string& number, const std::string& date) {
    return "<Route><Date>" + date + "</Date><RouteNumber>" + number +
           "</RouteNumber><TotalStops>1</TotalStops><Stops></Stops></Route>";
}

struct RouteOps : ::testing::Test {
    TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc{dev.fs(), prompter, clock};

    void loadRoutes() { loadRouteList(doc.Routes(), dev.fs(), prompter); }
};

}  // namespace

// Two days may each hold a route of the same number: coming back, the route worked on is
// found by number and date; from any other screen the selection starts at the first route.
TEST_F(RouteOps, RouteSelectionReturnsToTheRouteWorkedOn) {
    EXPECT_EQ(openRouteSelection(doc, screen::RouteMan), -1);
    EXPECT_EQ(doc.Routing().SelectedRouteIndex(), -1);
    dev.put("\\VexXml\\Route_101_20061204.xml", routeFile("101", "20061204"));
    dev.put("\\VexXml\\Route_101_20061205.xml", routeFile("101", "20061205"));
    dev.put("\\VexXml\\Route_102_20061205.xml", routeFile("102", "20061205"));
    loadRoutes();
    for (const int row : {0, 1, 2}) {
        ASSERT_TRUE(doc.Routing().selectRoute(row));
        ASSERT_TRUE(loadSelectedRoute(doc));
        for (const int from : {screen::Safety, screen::StopSelect}) {
            doc.Routing().selectNoRoute();
            EXPECT_EQ(openRouteSelection(doc, from), row) << from;
            EXPECT_EQ(doc.Routing().SelectedRouteIndex(), row);
        }
        EXPECT_EQ(openRouteSelection(doc, screen::RouteMan), 0);
    }
}

// Selecting a row makes its route the current one; a row outside the list selects nothing.
TEST_F(RouteOps, ASelectedRowOpensItsRoute) {
    dev.put("\\VexXml\\Route_101_20061205.xml", routeFile("101", "20061205"));
    dev.put("\\VexXml\\Route_102_20061205.xml", routeFile("102", "20061205"));
    loadRoutes();
    ASSERT_TRUE(selectRoute(doc, 1));
    EXPECT_EQ(doc.Route().RouteNumber(), 102);
    EXPECT_FALSE(selectRoute(doc, 2));
    EXPECT_FALSE(selectRoute(doc, -1));
    EXPECT_EQ(doc.Routing().SelectedRouteIndex(), 1);
    dev.fs().removeFile("\\VexXml\\Route_101_20061205.xml");
    EXPECT_FALSE(selectRoute(doc, 0));  // its file is gone
    EXPECT_EQ(doc.Routing().SelectedRouteIndex(), 0);
}

TEST_F(RouteOps, ACompleteChecklistCountsAsDoneWhenTheRoutesOpen) {
    dev.put("\\VexXml\\Safety.xml",
            "<SafetyChecks><SafetyCheck><Code>B</Code><Ok>N</Ok></SafetyCheck></SafetyChecks>");
    doc.SafetyChecks().SetPath("");
    ASSERT_TRUE(doc.SafetyChecks().Load(dev.fs()));
    openRouteSelection(doc, screen::RouteMan);
    EXPECT_FALSE(doc.Routing().SafetyDone());
    doc.SafetyChecks().MarkOk(0, true);
    openRouteSelection(doc, screen::RouteMan);
    EXPECT_TRUE(doc.Routing().SafetyDone());
}

TEST_F(RouteOps, SafetyRemarksBelongToTheSelectedOrTheOnlyRoute) {
    EXPECT_EQ(loadSafetyRemarksRoute(doc), -1);
    dev.put("\\VexXml\\Route_12_20061205.xml", routeFile("12", "20061205"));
    loadRoutes();
    EXPECT_EQ(loadSafetyRemarksRoute(doc), 0);  // the day's only route
    EXPECT_EQ(doc.Route().RouteNumber(), 12);
    dev.put("\\VexXml\\Route_3_20061205.xml", routeFile("3", "20061205"));
    loadRoutes();
    EXPECT_EQ(loadSafetyRemarksRoute(doc), -1);  // two routes, none selected
    ASSERT_TRUE(doc.Routing().selectRoute(1));
    EXPECT_EQ(loadSafetyRemarksRoute(doc), 1);
    ASSERT_TRUE(doc.Routing().selectRoute(0));
    ASSERT_TRUE(dev.fs().removeFile("\\VexXml\\Route_3_20061205.xml"));
    EXPECT_EQ(loadSafetyRemarksRoute(doc), -1);  // its file has gone
    ASSERT_EQ(prompter.shown().size(), 3u);
    EXPECT_EQ(prompter.shown()[0].text, "No route available for the remarks.");
    EXPECT_EQ(prompter.shown()[1].text, "Please select a route first.");
    EXPECT_EQ(prompter.shown()[2].text, "Error Opening Route XML: \\VexXml\\Route_3_20061205.xml");
    EXPECT_EQ(prompter.shown()[2].caption, "Load Error");
}

// Start, end, voucher and remarks each write the route's file at once; without a route to
// read nothing is done or written.
TEST_F(RouteOps, RouteChangesWriteTheRouteFile) {
    constexpr const char* kFile = "\\VexXml\\Route_101_20061205.xml";
    dev.put(kFile, routeFile("101", "20061205"));
    loadRoutes();
    const Outcome unselected = recordRouteStart(doc, 1234.5, "07:15");
    EXPECT_FALSE(unselected.done);
    EXPECT_TRUE(unselected.written.empty());
    EXPECT_FALSE(recordSafetyRemarks(doc, 1, "Mirror").done);

    ASSERT_TRUE(doc.Routing().selectRoute(0));
    const std::vector<std::string> route{kFile};
    EXPECT_EQ(recordRouteStart(doc, 1234.5, "07:15").written, route);
    EXPECT_EQ(recordVoucherAmount(doc, 12.5).written, route);
    EXPECT_EQ(recordRouteEnd(doc, 1300.0, "16:40").written, route);
    EXPECT_EQ(recordSafetyRemarks(doc, 0, "Mirror").written, route);
    const std::string file = dev.read(kFile);
    EXPECT_EQ(test::elementText(file, "StartMileage"), "1234.5");
    EXPECT_EQ(test::elementText(file, "VoucherAmount"), "12.50");
    EXPECT_EQ(test::elementText(file, "EndTime"), "16:40");
    EXPECT_EQ(test::elementText(file, "SafetyRemarks"), "Mirror");
}

TEST_F(RouteOps, MileagesAboveZeroUpToTheOdometerAndAboveTheStart) {
    EXPECT_EQ(startMileageRefusal(0.0), "Mileage should be greater than Zero.");
    EXPECT_EQ(startMileageRefusal(-1.0), "Mileage should be greater than Zero.");
    EXPECT_EQ(startMileageRefusal(0.1), "");
    EXPECT_EQ(startMileageRefusal(999999999.9), "");
    EXPECT_EQ(startMileageRefusal(1e9), "Please enter a mileage between 0 and 999999999.9.");
    EXPECT_EQ(endMileageRefusal(1e9, 5.0), "Please enter a mileage between 0 and 999999999.9.");
    EXPECT_EQ(endMileageRefusal(1250.25, 1250.25),
              "Mileage should be greater than Mileage at the start (1250.3) of Route.");
    EXPECT_EQ(endMileageRefusal(1250.3, 1250.25), "");
}
