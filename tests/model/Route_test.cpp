#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Route.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kRoute12 = "\\VexXml\\Route_12_20061205.xml";
constexpr const char* kRoute7 = "\\VexXml\\Route_7_20061204.xml";

std::string stopIds(const CRoute& r) {
    std::string out;
    for (std::size_t i = 0; i < r.StopCount(); ++i) {
        out += r.Stop(i).StopID + ",";
    }
    return out;
}

// A minimal route file with one stop per StopID given.
std::string smallRoute(const std::string& stopsXml) {
    return "<Route><ID>9</ID><Date>20061206</Date><Stops>" + stopsXml + "</Stops></Route>";
}

}  // namespace

TEST(RouteFile, LoadThenSaveGivesTheSameBytes) {
    TempDevice dev;
    const std::string golden = readHostFile(fixture("route/Route_12_20061205.xml"));
    ASSERT_FALSE(golden.empty());
    dev.put(kRoute12, golden);
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 12, "20061205"));
    EXPECT_TRUE(route.HoldsRoute());
    EXPECT_EQ(route.ToXml(), golden);
    dev.put(kRoute12, "");
    ASSERT_TRUE(route.Save(dev.fs()));
    EXPECT_EQ(dev.read(kRoute12), golden);

    // What the golden file holds, as the screens see it.
    EXPECT_EQ(route.RouteDescription(), "North & East <industrial>");
    EXPECT_EQ(route.SafetyRemarks(), "Tyre\r\ncheck & oil");
    EXPECT_DOUBLE_EQ(route.StartMileage(), 1234.5);
    EXPECT_DOUBLE_EQ(route.PayThisAmountCOD(), 263.9);
    EXPECT_EQ(stopIds(route), "S-0001,S-0002,S-0003,");
    const CStop& first = route.Stop(0);
    EXPECT_EQ(first.CustomerName, "Smith & Sons");
    EXPECT_EQ(first.DeliveryInstructions, "Ring twice.\r\nUse the <back> door");
    EXPECT_EQ(first.Calls().size(), 2u);
    EXPECT_EQ(route.Stop(2).CustomerName,
              "\xC9"
              "cole Dupont");
    EXPECT_EQ(route.Stop(1).Status(), "Undelivered");
}

TEST(RouteFile, UnorderedFileIsWrittenBackOrderedAndComplete) {
    TempDevice dev;
    dev.putFixture(kRoute7, fixture("route/Route_7_20061204.xml"));
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 7, "20061204"));
    // Stop number, then customer number; B and D are equal and keep file order.
    EXPECT_EQ(stopIds(route), "C,B,D,A,");
    EXPECT_EQ(route.RouteNumber(), 7);  // the number asked for, not the one inside
    EXPECT_EQ(route.SafetyRemarks(), "Brakes\r\nLights\r\nMirror");
    ASSERT_TRUE(route.Save(dev.fs()));
    EXPECT_EQ(dev.read(kRoute7), readHostFile(fixture("route/expected_Route_7_20061204.xml")));
}

// Amounts are written with the digits the screens show: halves away from zero as the number
// reads (12.125, 0.125, 2.675, -12.125, 1e9 + 0.005), and no "-0.00".
TEST(RouteFile, AmountsAreRoundedAsTheScreensShowThem) {
    TempDevice dev;
    dev.putFixture("\\VexXml\\Route_8_20061204.xml", fixture("route/Route_8_20061204.xml"));
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 8, "20061204"));
    ASSERT_TRUE(route.Save(dev.fs()));
    EXPECT_EQ(dev.read("\\VexXml\\Route_8_20061204.xml"),
              readHostFile(fixture("route/expected_Route_8_20061204.xml")));
}

TEST(RouteFile, StoragePathNamesTheFile) {
    TempDevice dev;
    CRoute route;
    route.SetStoragePath("Storage Card");
    dev.putFixture("\\Storage Card\\VexXml\\Route_12_20061205.xml",
                   fixture("route/Route_12_20061205.xml"));
    ASSERT_TRUE(route.Load(dev.fs(), 12, "20061205"));
    EXPECT_EQ(route.FilePath(), "\\Storage Card\\VexXml\\Route_12_20061205.xml");
    route.SetStoragePath("");
    EXPECT_EQ(route.FilePath(), "\\VexXml\\Route_12_20061205.xml");
}

TEST(RouteFile, UnreadableOrDamagedFileKeepsThePreviousRouteAndIsNotOverwritten) {
    TempDevice dev;
    dev.putFixture(kRoute12, fixture("route/Route_12_20061205.xml"));
    const std::string damaged = "<Route><Date>20061206</Date><Stops><Stop>";
    dev.put("\\VexXml\\Route_3_20061206.xml", damaged);
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 12, "20061205"));

    for (const std::int32_t number : {3, 4}) {  // 3 is damaged, 4 is missing
        SCOPED_TRACE(number);
        EXPECT_FALSE(route.Load(dev.fs(), number, "20061206"));
        EXPECT_EQ(route.StopCount(), 3u);  // the stops of route 12 stay
        EXPECT_EQ(route.RouteNumber(), number);
        EXPECT_FALSE(route.HoldsRoute());
        EXPECT_FALSE(route.Save(dev.fs()));  // they are not route 3's or 4's stops
    }
    EXPECT_EQ(dev.read("\\VexXml\\Route_3_20061206.xml"), damaged);
    EXPECT_FALSE(dev.exists("\\VexXml\\Route_4_20061206.xml"));

    // Once the file is there, the same number and date are read, not taken as loaded.
    dev.put("\\VexXml\\Route_4_20061206.xml", smallRoute("<Stop><StopID>x</StopID></Stop>"));
    ASSERT_TRUE(route.Load(dev.fs(), 4, "20061206"));
    EXPECT_EQ(stopIds(route), "x,");
    EXPECT_TRUE(route.Save(dev.fs()));
}

TEST(RouteFile, EmptyOrUnsafeDateIsNotRead) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1_.xml", smallRoute(""));
    dev.put("\\Route_1_.xml", smallRoute(""));
    CRoute route;
    EXPECT_FALSE(route.Load(dev.fs(), 1, ""));
    EXPECT_FALSE(route.Load(dev.fs(), 1, "..\\..\\x"));
    EXPECT_EQ(route.FilePath(), "");
    EXPECT_FALSE(route.Save(dev.fs()));
}

TEST(RouteFile, RouteWithoutStopsElementHasNoStops) {
    TempDevice dev;
    dev.put(kRoute12, "<Route><Date>20061205</Date><TotalStops>2</TotalStops></Route>");
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 12, "20061205"));
    EXPECT_EQ(route.StopCount(), 0u);
    EXPECT_EQ(route.TotalStops(), 2u);
    const std::string xml = route.ToXml();
    const std::string tail = "</SafetyRemarks>\r\n\t<Stops>\r\n\t</Stops>\r\n</Route>";
    EXPECT_EQ(xml.substr(xml.size() - tail.size()), tail);
}

TEST(RouteFile, LoadingTheLoadedRouteKeepsChangesInMemory) {
    TempDevice dev;
    dev.putFixture(kRoute12, fixture("route/Route_12_20061205.xml"));
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 12, "20061205"));
    route.Stop(1).ArrivalTime = "10:01";
    route.SetVoucherAmount(5);
    dev.put(kRoute12, smallRoute(""));  // the file changes behind the route's back

    EXPECT_TRUE(route.Load(dev.fs(), 12, "20061205"));
    EXPECT_EQ(route.Stop(1).ArrivalTime, "10:01");
    EXPECT_DOUBLE_EQ(route.VoucherAmount(), 5.0);

    route.Reset();  // forgets the route: the next Load reads
    EXPECT_EQ(route.StopCount(), 0u);
    EXPECT_FALSE(route.HoldsRoute());
    ASSERT_TRUE(route.Load(dev.fs(), 12, "20061205"));
    EXPECT_EQ(stopIds(route), "");
    EXPECT_EQ(route.ID(), "9");
}

TEST(RouteStops, StopsOrderedByNumberThenCustomerTiesInFileOrder) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_2_20061206.xml",
            smallRoute("<Stop><StopID>a</StopID><StopNumber>5</StopNumber>"
                       "<CustomerNumber>900</CustomerNumber></Stop>"
                       "<Stop><StopID>b</StopID><StopNumber>5</StopNumber>"
                       "<CustomerNumber>100</CustomerNumber></Stop>"
                       "<Stop><StopID>c</StopID><StopNumber>-1</StopNumber></Stop>"
                       "<Stop><StopID>d</StopID><StopNumber>10</StopNumber></Stop>"
                       "<Stop><StopID>e</StopID><StopNumber>5</StopNumber>"
                       "<CustomerNumber>100</CustomerNumber></Stop>"));
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 2, "20061206"));
    // -1 is the greatest stop number (unsigned) and stays -1 in the file.
    EXPECT_EQ(stopIds(route), "b,e,a,d,c,");
    EXPECT_NE(route.ToXml().find("<StopNumber>-1</StopNumber>"), std::string::npos);

    CStop extra;
    extra.StopID = "f";
    extra.StopNumber = 5;
    extra.CustomerNumber = 100;
    EXPECT_EQ(route.AddStop(std::move(extra)).StopID, "f");
    EXPECT_EQ(stopIds(route), "b,e,f,a,d,c,");
    EXPECT_THROW(route.Stop(6), std::out_of_range);
}
