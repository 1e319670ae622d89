#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/RouteList.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

// The header of a route file as the route list reads it.
std::string routeFile(const std::string& date, const std::string& number, int totalStops,
                      int settledStops, const std::string& extra = "") {
    return "<Route><ID>x</ID><Date>" + date + "</Date><RouteNumber>" + number +
           "</RouteNumber><TotalStops>" + std::to_string(totalStops) +
           "</TotalStops><SettledStops>" + std::to_string(settledStops) + "</SettledStops>" +
           extra + "<Stops><Stop><StopID>1</StopID></Stop></Stops></Route>";
}

std::string entries(const CRouteList& list) {
    std::string out;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        out += list.At(i).Date() + "/" + std::to_string(list.At(i).RouteNumber()) + " ";
    }
    return out;
}

}  // namespace

TEST(RouteList, OrderedByDateThenRouteNumber) {
    TempDevice dev;
    // Listed by name: 10, 1, 2, 7a, 7b - none of which is the list order.
    dev.put("\\VexXml\\Route_10_20061204.xml", routeFile("20061204", "10", 1, 0));
    dev.put("\\VexXml\\Route_1_20061205.xml", routeFile("20061205", "1", 1, 0));
    dev.put("\\VexXml\\Route_2_20061204.xml", routeFile("20061204", "2", 1, 0));
    dev.put("\\VexXml\\Route_7a_20061204.xml",
            routeFile("20061204", "7", 1, 0, "<VoucherAmount>1</VoucherAmount>"));
    dev.put("\\VexXml\\route_7b_20061204.XML",
            routeFile("20061204", "7", 1, 0, "<VoucherAmount>2</VoucherAmount>"));
    dev.put("\\VexXml\\Route_9_20061201.bak", routeFile("20061201", "9", 1, 0));
    dev.put("\\VexXml\\Inv_1.xml", "<Invoice/>");
    CRouteList list;
    const RouteListLoad load = list.Load(dev.fs());
    EXPECT_EQ(load.count, 5u);
    EXPECT_EQ(entries(list), "20061204/2 20061204/7 20061204/7 20061204/10 20061205/1 ");
    EXPECT_DOUBLE_EQ(list.At(1).VoucherAmount(), 1.0);  // equal entries in file order
    EXPECT_DOUBLE_EQ(list.At(2).VoucherAmount(), 2.0);
    EXPECT_TRUE(load.problems.empty());
}

TEST(RouteList, StatusTextsAndSettledRoutes) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1_20061204.xml", routeFile("20061204", "1", 0, 0));
    dev.put("\\VexXml\\Route_2_20061204.xml", routeFile("20061204", "2", 12, 9));
    dev.put("\\VexXml\\Route_3_20061204.xml", routeFile("20061204", "3", 4, 4));
    dev.put("\\VexXml\\Route_4_20061204.xml", routeFile("20061204", "4", 4, 5));
    CRouteList list;
    ASSERT_EQ(list.Load(dev.fs()).count, 4u);
    EXPECT_EQ(list.At(0).Status(), "Settled");  // no stops at all
    EXPECT_EQ(list.At(1).Status(), "3 - 12");
    EXPECT_EQ(list.At(2).Status(), "Settled");
    EXPECT_EQ(list.At(3).Status(), "Settled");
    EXPECT_EQ(list.SettledRoutes(), 3);

    // A second load rebuilds the list and counts again.
    dev.fs().removeFile("\\VexXml\\Route_1_20061204.xml");
    EXPECT_EQ(list.Load(dev.fs()).count, 3u);
    EXPECT_EQ(list.SettledRoutes(), 2);

    // A route in memory refreshes its own entry (number and date) and the count follows; the
    // entry of the same number on another day stays.
    CRouteSummary route = list.At(0);
    route.SetSettledStops(12);
    route.SetVoucherAmount(12.5);
    EXPECT_TRUE(list.Refresh(route));
    EXPECT_EQ(list.At(0).Status(), "Settled");
    EXPECT_DOUBLE_EQ(list.At(0).VoucherAmount(), 12.5);
    EXPECT_EQ(list.SettledRoutes(), 3);
    route.SetDate("20061205");
    EXPECT_FALSE(list.Refresh(route));
    EXPECT_EQ(list.SettledRoutes(), 3);
}

TEST(RouteList, ReadsTheSummaryFields) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_7_20061204.xml",
            routeFile("20061204", "7", 2, 1,
                      "<PrebilledAmountCharge>12.5</PrebilledAmountCharge>"
                      "<TotalCollectionsCOD>3.25</TotalCollectionsCOD>"
                      "<StartMileage>1234.5</StartMileage>"
                      "<SafetyRemarks>a\nb</SafetyRemarks>"));
    CRouteList list;
    ASSERT_EQ(list.Load(dev.fs()).count, 1u);
    const CRouteSummary& e = list.At(0);
    EXPECT_EQ(e.RouteNumber(), 7);
    EXPECT_DOUBLE_EQ(e.PrebilledAmountCharge(), 12.5);
    EXPECT_DOUBLE_EQ(e.TotalCollectionsCOD(), 3.25);
    EXPECT_DOUBLE_EQ(e.StartMileage(), 1234.5);
    EXPECT_EQ(e.TotalStops(), 2u);
    EXPECT_EQ(e.SafetyRemarks(), "a\nb");  // the list does not normalise line breaks
}

TEST(RouteList, BadFilesAreLeftOutAndReturnedAsProblems) {
    TempDevice dev;
    const std::string folder = "\\Card\\VexXml\\";
    dev.put(folder + "Route_1_20061204.xml", routeFile("20061204", "1", 0, 0));
    dev.put(folder + "Route_2_20061204.xml", "<Route><Date>20061204</Date><Stops>");
    dev.put(folder + "Route_3_20061204.xml", "<Route><RouteNumber>3</RouteNumber></Route>");
    dev.put(folder + "Route_4_20061204.xml", routeFile("2006124", "4", 0, 0));
    dev.put(folder + "Route_5_20061204.xml", routeFile("20061204", "5", 0, 0));
    // Larger than any data file the device accepts (a sparse file: no disk space used).
    std::filesystem::resize_file(*dev.fs().hostPath(folder + "Route_5_20061204.xml"),
                                 DeviceFs::kMaxFileBytes + 1);
    CRouteList list;
    list.SetStoragePath("Card");
    const RouteListLoad load = list.Load(dev.fs());
    EXPECT_EQ(load.count, 1u);
    EXPECT_EQ(entries(list), "20061204/1 ");
    EXPECT_EQ(list.SettledRoutes(), 1);  // the damaged files count for nothing
    ASSERT_EQ(load.problems.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const RouteFileProblem& p = load.problems[i];
        // Files 2 to 4 open but are damaged; file 5 cannot be opened.
        EXPECT_EQ(p.kind, i < 3 ? RouteFileProblem::Kind::Damaged
                                : RouteFileProblem::Kind::Unopened);
        EXPECT_EQ(p.path, "\\Card\\VexXml\\Route_" + std::to_string(i + 2) + "_20061204.xml");
    }
}

TEST(RouteList, NoRouteFilesGiveAnEmptyList) {
    TempDevice dev;
    CRouteList list;
    dev.put("\\VexXml\\Route_1_20061204.xml", routeFile("20061204", "1", 1, 0));
    ASSERT_EQ(list.Load(dev.fs()).count, 1u);
    list.SetStoragePath("Elsewhere");  // no such folder
    const RouteListLoad load = list.Load(dev.fs());
    EXPECT_EQ(load.count, 0u);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.SettledRoutes(), 0);
    EXPECT_TRUE(load.problems.empty());
}
