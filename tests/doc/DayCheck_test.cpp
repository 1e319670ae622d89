#include "doc/DayCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "doc/DayReport.h"
#include "support/TempDevice.h"

namespace fs = std::filesystem;

namespace kelvo {
namespace {

// A copy of the sample day in a temporary folder, to be broken one way per test.
class DayCopy {
public:
    DayCopy() {
        m_dir = fs::temp_directory_path() /
                ("kelvo-daycheck-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_dir);
        for (const auto& e : fs::directory_iterator(fs::path(KELVO_SAMPLES_DIR) / "day")) {
            fs::copy_file(e.path(), m_dir / e.path().filename());
        }
    }
    ~DayCopy() {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    const fs::path& dir() const { return m_dir; }

    void remove(const std::string& name) const { fs::remove(m_dir / name); }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(m_dir / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const { return test::readHostFile(m_dir / name); }
    // Replaces the first occurrence of `from` in a file; the test fails when there is none.
    void replace(const std::string& name, const std::string& from, const std::string& to) const {
        std::string text = read(name);
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from << " not in " << name;
        write(name, text.replace(at, from.size(), to));
    }

private:
    fs::path m_dir;
};

// One element within the next, `depth` deep: no reader takes it.
std::string nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "<a>";
    }
    for (int i = 0; i < depth; ++i) {
        text += "</a>";
    }
    return text;
}

constexpr const char* kRoute101 = "Route_101_20061205.xml";
constexpr const char* kRoute102 = "Route_102_20061206.xml";

TEST(DayCheck, TheSampleDayPassesClean) {
    DayCopy day;
    const DayCheckResult r = checkDay(day.dir());
    EXPECT_TRUE(r.findings.empty()) << dayReportText(r, "day");
    EXPECT_TRUE(r.Workable());
    EXPECT_EQ(r.routes, 2u);
    EXPECT_EQ(r.stops, 20u);
    EXPECT_EQ(r.invoices, 23u);
    EXPECT_EQ(r.calls, 4u);
}

struct BrokenDay {
    const char* name;
    std::function<void(const DayCopy&)> breakIt;
    FindingSeverity severity;
    FindingKind kind;
    const char* file;
    const char* element;
};

// Each copy is broken in one way and must give exactly one finding, which names the file and
// the element.
TEST(DayCheck, EachBreakGivesItsOneFinding) {
    const std::string longName(300, 'x');
    const BrokenDay cases[] = {
        {"no departure marker", [](const DayCopy& d) { d.remove("ZZDepartureCheck.xml"); },
         FindingSeverity::Error, FindingKind::MissingFile, "ZZDepartureCheck.xml", ""},
        {"no configuration", [](const DayCopy& d) { d.remove("Config.xml"); },
         FindingSeverity::Error, FindingKind::MissingFile, "Config.xml", ""},
        {"configuration cut short",
         [](const DayCopy& d) { d.write("Config.xml", d.read("Config.xml").substr(0, 120)); },
         FindingSeverity::Error, FindingKind::NotWellFormed, "Config.xml", ""},
        {"old configuration version",
         [](const DayCopy& d) {
             d.replace("Config.xml", "<FileVersion>10.00", "<FileVersion>9.50");
         },
         FindingSeverity::Error, FindingKind::VersionRefused, "Config.xml", "/Config/FileVersion"},
        {"an invoice of a stop is missing", [](const DayCopy& d) { d.remove("Inv_100105.xml"); },
         FindingSeverity::Error, FindingKind::MissingFile, "Inv_100105.xml",
         "/Route/Stops/Stop[StopNumber=4]/Invoices/Invoice"},
        {"an invoice is cut short",
         [](const DayCopy& d) {
             d.write("Inv_100101.xml", d.read("Inv_100101.xml").substr(0, 300));
         },
         FindingSeverity::Error, FindingKind::NotWellFormed, "Inv_100101.xml", ""},
        {"a call file is missing",
         [](const DayCopy& d) { d.remove("Call_200612050101000100000000471101.xml"); },
         FindingSeverity::Error, FindingKind::MissingFile,
         "Call_200612050101000100000000471101.xml", "/Route/Stops/Stop[StopNumber=1]/Calls/Call"},
        {"the reasons are missing", [](const DayCopy& d) { d.remove("AdjReason.xml"); },
         FindingSeverity::Warning, FindingKind::MissingFile, "AdjReason.xml", ""},
        {"the safety checklist is damaged",
         [](const DayCopy& d) { d.write("Safety.xml", "<Safety>"); }, FindingSeverity::Error,
         FindingKind::NotWellFormed, "Safety.xml", ""},
        {"route total off by a euro",
         [](const DayCopy& d) {
             d.replace(kRoute101, "<PrebilledAmountCharge>504.00", "<PrebilledAmountCharge>505.00");
         },
         FindingSeverity::Error, FindingKind::TotalsDisagree, kRoute101,
         "/Route/PrebilledAmountCharge"},
        {"a stop's total off",
         [](const DayCopy& d) { d.replace(kRoute102, "<PayTotal>", "<PayTotal>1"); },
         FindingSeverity::Error, FindingKind::TotalsDisagree, kRoute102,
         "/Route/Stops/Stop[StopNumber=1]/PayTotal"},
        {"more stops counted than listed",
         [](const DayCopy& d) { d.replace(kRoute101, "<TotalStops>10", "<TotalStops>11"); },
         FindingSeverity::Error, FindingKind::TotalsDisagree, kRoute101, "/Route/TotalStops"},
        {"a wearer customer without wearer file",
         [](const DayCopy& d) { d.remove("Wearer_20388.xml"); }, FindingSeverity::Warning,
         FindingKind::MissingWearerFile, "Wearer_20388.xml", "/Route/Stops/Stop[StopNumber=3]"},
        {"a customer name of 300 characters",
         [&](const DayCopy& d) { d.replace(kRoute101, "Pacific Auto Body", longName); },
         FindingSeverity::Error, FindingKind::TextTooLong, kRoute101,
         "/Route/Stops/Stop[3]/CustomerName"},
        {"a word for minutes",
         [](const DayCopy& d) { d.replace(kRoute102, "<TravelMinutes>0", "<TravelMinutes>ten"); },
         FindingSeverity::Error, FindingKind::NotANumber, kRoute102,
         "/Route/Stops/Stop[1]/TravelMinutes"},
        {"a price with two points",
         [](const DayCopy& d) { d.replace("Inv_100101.xml", "<Price>0.4500", "<Price>0.45.00"); },
         FindingSeverity::Error, FindingKind::NotANumber, "Inv_100101.xml",
         "/Invoice/Invoice-Items/Invoice-Item[1]/Price"},
        {"an invoice number that leaves the folder",
         [](const DayCopy& d) { d.replace(kRoute101, "<Invoice>100105<", "<Invoice>..\\100105<"); },
         FindingSeverity::Error, FindingKind::UnsafeName, kRoute101,
         "/Route/Stops/Stop[StopNumber=4]/Invoices/Invoice"},
        {"a call id with a slash",
         [](const DayCopy& d) {
             d.replace(kRoute101, "<Call>200612050101000100000000471101",
                       "<Call>2006/12050101000100000000471101");
         },
         FindingSeverity::Error, FindingKind::UnsafeName, kRoute101,
         "/Route/Stops/Stop[StopNumber=1]/Calls/Call"},
        {"two stops numbered 3",
         [](const DayCopy& d) { d.replace(kRoute102, "<StopNumber>2<", "<StopNumber>3<"); },
         FindingSeverity::Warning, FindingKind::DuplicateStop, kRoute102,
         "/Route/Stops/Stop[StopNumber=3]"},
        {"a route without its date",
         [](const DayCopy& d) { d.replace(kRoute102, "<Date>20061206<", "<Date>2006126<"); },
         FindingSeverity::Error, FindingKind::NotADate, kRoute102, "/Route/Date"},
        {"a route date that leaves the folder",
         [](const DayCopy& d) { d.replace(kRoute102, "<Date>20061206<", "<Date>../20061<"); },
         FindingSeverity::Error, FindingKind::UnsafeName, kRoute102, "/Route/Date"},
        {"the product list nested 100,000 deep",
         [](const DayCopy& d) { d.write("Products.xml", nested(100000)); }, FindingSeverity::Error,
         FindingKind::NotWellFormed, "Products.xml", ""},
        {"the truck list of a laundry without trucks nested 100,000 deep",
         [](const DayCopy& d) { d.write("Trucks.xml", nested(100000)); }, FindingSeverity::Error,
         FindingKind::NotWellFormed, "Trucks.xml", ""},
        {"a link to a file of the host",
         [](const DayCopy& d) { fs::create_symlink("/etc/hostname", d.dir() / "Notes.xml"); },
         FindingSeverity::Error, FindingKind::NotAFile, "Notes.xml", ""},
        {"a folder named as an invoice",
         [](const DayCopy& d) { fs::create_directory(d.dir() / "Inv_100199.xml"); },
         FindingSeverity::Error, FindingKind::NotAFile, "Inv_100199.xml", ""},
        {"a route file named after another day",
         [](const DayCopy& d) {
             fs::rename(d.dir() / kRoute102, d.dir() / "Route_102_20061207.xml");
         },
         FindingSeverity::Error, FindingKind::RouteNameMismatch, "Route_102_20061207.xml",
         "/Route/RouteNumber"},
    };
    for (const BrokenDay& c : cases) {
        SCOPED_TRACE(c.name);
        DayCopy day;
        c.breakIt(day);
        const DayCheckResult r = checkDay(day.dir());
        ASSERT_EQ(r.findings.size(), 1u) << dayReportText(r, c.name);
        const DayFinding& f = r.findings.front();
        EXPECT_EQ(f.severity, c.severity);
        EXPECT_EQ(f.kind, c.kind);
        EXPECT_EQ(f.file, c.file);
        EXPECT_EQ(f.element, c.element);
        EXPECT_FALSE(f.message.empty());
        EXPECT_EQ(r.Workable(), c.severity == FindingSeverity::Warning);
    }
}

TEST(DayCheck, FindsEveryBreakOfOneDayAndLeavesTheFolderAsItWas) {
    DayCopy day;
    day.remove("ZZDepartureCheck.xml");
    day.remove("Inv_100202.xml");
    day.replace(kRoute101, "<TravelMinutes>0", "<TravelMinutes>x");
    const auto before = std::distance(fs::directory_iterator(day.dir()), fs::directory_iterator());
    const std::string route = day.read(kRoute101);
    const DayCheckResult r = checkDay(day.dir());
    EXPECT_EQ(r.findings.size(), 3u) << dayReportText(r, "day");
    EXPECT_EQ(r.Count(FindingSeverity::Error), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(day.dir()), fs::directory_iterator()), before);
    EXPECT_EQ(day.read(kRoute101), route);
}

TEST(DayCheck, NoRouteAtAllIsAnError) {
    DayCopy day;
    day.remove(kRoute101);
    day.remove(kRoute102);
    const DayCheckResult r = checkDay(day.dir());
    ASSERT_EQ(r.findings.size(), 1u);
    EXPECT_EQ(r.findings[0].kind, FindingKind::MissingFile);
    EXPECT_FALSE(r.Workable());
}

TEST(DayReport, JsonCarriesEveryFindingEscaped) {
    DayCheckResult r;
    r.findings.push_back({FindingSeverity::Warning, FindingKind::DuplicateStop, "Route_1.xml",
                          "/Route", "say \"two\"\\ \xe9"});
    const std::string json = dayReportJson(r, "C:\\day");
    EXPECT_NE(json.find("\"workable\": true"), std::string::npos) << json;
    EXPECT_NE(json.find("\"kind\": \"duplicate-stop\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"message\": \"say \\\"two\\\"\\\\ \xc3\xa9\""), std::string::npos)
        << json;
    EXPECT_NE(json.find("\"folder\": \"C:\\\\day\""), std::string::npos) << json;
    r.findings.push_back({FindingSeverity::Error, FindingKind::MissingFile, "a", "", "b"});
    EXPECT_NE(dayReportJson(r, "d").find("\"workable\": false"), std::string::npos);
    EXPECT_NE(dayReportText(r, "d").find("cannot work"), std::string::npos);
}

}  // namespace
}  // namespace kelvo
