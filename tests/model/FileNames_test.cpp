// Texts from data files that become parts of file names: every form that could leave the
// device root or name a file the program did not mean is refused, by the one decision
// (isSafeNamePart) that every place building a name from data asks.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/Properties.h"
#include "common/Text.h"
#include "model/Call.h"
#include "model/CustomerFile.h"
#include "model/InvoiceFile.h"
#include "model/Route.h"
#include "model/RouteList.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

const std::string kRefused[] = {
    "",
    "..",
    "a..b",
    "..\\x",
    "a\\b",
    "\\abs",
    "a/b",
    "/etc/passwd",
    "C:",
    "C:\\x",
    "\\\\server\\share",
    "a:b",
    "a*",
    "*",
    "2006120?",
    "*2006120",
    "a\"b",
    "a<b",
    "a>b",
    "a|b",
    "a\tb",
    "a\nb",
    std::string("a\0b", 3),
    std::string(kMaxNamePart + 1, '1'),
};

}  // namespace

TEST(FileNames, EveryFormThatCouldLeaveTheFolderIsRefusedEverywhere) {
    EXPECT_TRUE(isSafeNamePart("10452"));
    EXPECT_TRUE(isSafeNamePart("Storage Card"));
    EXPECT_TRUE(isSafeNamePart("Caf\xE9-1_b.x"));
    EXPECT_TRUE(isSafeNamePart(std::string(kMaxNamePart, '1')));
    TempDevice dev;
    for (const std::string& bad : kRefused) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(isSafeNamePart(bad));
        EXPECT_EQ(invoiceFilePath("", bad), "");
        EXPECT_EQ(callFilePath("", bad), "");
        EXPECT_EQ(voiceRecordingPath("", bad), "");
        CRoute route;
        route.SetDate(bad);
        if (bad.size() <= 9) {  // a route file name takes the first 9 characters of the date
            EXPECT_EQ(route.FilePath(), "");
        }
        if (bad.find('\n') != std::string::npos) {
            continue;  // the value of the properties file ends at its line feed
        }
        dev.put(propertiesPath(), "Storagelocation=" + bad);
        std::string refused;
        EXPECT_EQ(readStorageLocation(dev.fs(), &refused), "");
        EXPECT_EQ(refused, bad == "" ? "" : bad);
    }
    // Customer numbers are numbers; only those that print as no name are refused.
    EXPECT_EQ(customerFilePath("", "Wearer_", 1e300), "");
    EXPECT_EQ(customerFilePath("", "Wearer_", std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(customerFilePath("\\SD", "Wearer_", -5), "\\SD\\VexXml\\Wearer_-5.xml");
}

// A route whose date cannot name a file is left out, named with its date for the caller's
// message; the other routes of the day are listed.
TEST(FileNames, ARouteDateThatCannotNameAFileIsLeftOutAndNamed) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1_x.xml",
            "<Route><Date>2006120?</Date><RouteNumber>1</RouteNumber></Route>");
    dev.put("\\VexXml\\Route_2_20061205.xml",
            "<Route><Date>20061205</Date><RouteNumber>2</RouteNumber></Route>");
    CRouteList list;
    const RouteListLoad load = list.Load(dev.fs());
    EXPECT_EQ(load.count, 1u);
    EXPECT_EQ(list.At(0).RouteNumber(), 2);
    ASSERT_EQ(load.problems.size(), 1u);
    EXPECT_EQ(load.problems[0].kind, RouteFileProblem::Kind::UnsafeDate);
    EXPECT_EQ(load.problems[0].date, "2006120?");
    EXPECT_EQ(load.problems[0].path, "\\VexXml\\Route_1_x.xml");
}
