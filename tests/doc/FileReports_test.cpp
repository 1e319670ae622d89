#include "doc/FileReports.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "common/DeviceFs.h"
#include "model/Invoice.h"
#include "model/Invoices.h"
#include "model/Route.h"
#include "model/RouteList.h"
#include "support/TempDevice.h"

using namespace kelvo;

namespace {

TEST(FileReports, CallsLeftOutAreToldOneByOneWithTheirFile) {
    test::TempDevice dev;
    dev.putFolder("\\VexXml", std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 101, "20061205"));
    ScriptedPrompter prompter;
    reportCallsLeftOut(prompter, route,
                       {{"..\\..\\Program Files", ""}, {"2006-7", "\\VexXml\\Call_2006-7.xml"}});
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].caption, "Load Error");
    EXPECT_EQ(prompter.shown()[0].text, "The call ..\\..\\Program Files in " + route.FilePath() +
                                            " cannot name a file and is left out.");
    EXPECT_EQ(prompter.shown()[1].text, "Error Opening call XML: \\VexXml\\Call_2006-7.xml");
    prompter.clearShown();
    reportCallsLeftOut(prompter, route, {});
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(FileReports, ACustomerFileIsToldOnlyWhenItCannotBeUsed) {
    CustomerFile file("GarmentFlags_");
    ScriptedPrompter prompter;
    for (const LoadResult quiet : {LoadResult::Unchanged, LoadResult::Read, LoadResult::Missing}) {
        reportFileRead(prompter, file, 4711, {quiet, 0});
    }
    EXPECT_TRUE(prompter.shown().empty());
    reportFileRead(prompter, file, 4711, {LoadResult::Damaged, 0});
    reportFileRead(prompter, file, 1e300, {LoadResult::Refused, 0});
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].text,
              "Cannot read \\VexXml\\GarmentFlags_4711.xml. The file is kept as it is, and nothing "
              "is saved to it until it can be read.");
    EXPECT_EQ(prompter.shown()[1].caption, "Load Error");
    EXPECT_NE(prompter.shown()[1].text.find("cannot name a file."), std::string::npos);
    prompter.clearShown();
    // Numbers beyond what a file carries are told once, naming the file.
    reportFileRead(prompter, file, 4711, {LoadResult::Read, 3});
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_NE(prompter.shown()[0].text.find("GarmentFlags_4711.xml"), std::string::npos);
}

// The texts and captions the driver reads, in the order shown.
std::vector<std::string> shownTexts(const ScriptedPrompter& prompter) {
    std::vector<std::string> out;
    for (const Message& m : prompter.shown()) {
        out.push_back(m.caption + ": " + m.text);
    }
    return out;
}

constexpr const char* kBeyond = "99999999999999999";  // more than a file carries
constexpr const char* kCut =
    " are larger than the file can hold and were cut to 999999999999999.";

// The invoice itself only says how its file went; opening it from the document tells the
// driver, once, naming the file.
TEST(FileReports, AnInvoiceNotReadIsToldWithItsFile) {
    test::TempDevice dev;
    dev.put("\\VexXml\\Inv_1.xml", std::string("<Invoice><ID>one</ID><PayThisAmount>") +
                                       kBeyond + "</PayThisAmount></Invoice>");
    dev.put("\\VexXml\\Inv_2.xml", "<Invoice><ID>2</ID><Invoice-Items>");
    CInvoice invoice;
    EXPECT_EQ(invoice.Load(dev.fs(), 2).result, InvoiceFileRead::Damaged);

    ScriptedPrompter prompter;
    EXPECT_FALSE(loadInvoice(invoice, dev.fs(), prompter, 2));
    EXPECT_FALSE(loadInvoice(invoice, dev.fs(), prompter, 3));
    EXPECT_FALSE(loadInvoice(invoice, dev.fs(), prompter, NAN));
    EXPECT_TRUE(loadInvoice(invoice, dev.fs(), prompter, 1));
    EXPECT_EQ(invoice.ID(), "one");
    EXPECT_TRUE(loadInvoice(invoice, dev.fs(), prompter, 1));  // held: not read nor told again
    EXPECT_EQ(shownTexts(prompter),
              (std::vector<std::string>{
                  "Load Error: The invoice file is damaged and was not read: \\VexXml\\Inv_2.xml",
                  "Load Error: Error Opening Invoice XML:\\VexXml\\Inv_3.xml",
                  "Load Error: This invoice number cannot name a file and was not read: nan",
                  std::string("Error data: 1 numbers in \\VexXml\\Inv_1.xml") + kCut}));
    for (const Message& m : prompter.shown()) {
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
    }
}

TEST(FileReports, TheStopsInvoicesNotReadAreToldInOrderNamingWhereTheNumbersCameFrom) {
    test::TempDevice dev;
    dev.put("\\VexXml\\Inv_100.xml", "<Invoice><Status>Settled</Status></Invoice>");
    dev.put("\\VexXml\\Inv_150.xml", "<Invoice><Status>Settled</Status>");
    CInvoices invoices;
    ScriptedPrompter prompter;
    const std::string numbers[] = {"150", "..\\Inv_100", "", "100", "999", "200"};
    EXPECT_EQ(loadInvoices(invoices, dev.fs(), prompter, numbers, "Route_12_20061205.xml, stop 3"),
              2u);
    const std::string unusable =
        "Load Error: This invoice number cannot name a file and was not read: ";
    const std::string source = " (Route_12_20061205.xml, stop 3)";
    EXPECT_EQ(shownTexts(prompter),
              (std::vector<std::string>{
                  "Load Error: The invoice file is damaged and was not read: \\VexXml\\Inv_150.xml",
                  unusable + "..\\Inv_100" + source, unusable + source,
                  "Load Error: Error Opening Invoice XML:\\VexXml\\Inv_999.xml"}));

    // Without a source the number stands alone; the same numbers are not read (nor told) again.
    prompter.clearShown();
    const std::string bad[] = {"a/b"};
    EXPECT_EQ(loadInvoices(invoices, dev.fs(), prompter, bad), 0u);
    EXPECT_EQ(loadInvoices(invoices, dev.fs(), prompter, {}), 0u);
    EXPECT_EQ(shownTexts(prompter), (std::vector<std::string>{unusable + "a/b"}));
}

TEST(FileReports, RouteFilesLeftOutAreToldWithoutAnIconAndCutNumbersWithOne) {
    test::TempDevice dev;
    const std::string folder = "\\VexXml\\";
    const auto route = [](const std::string& date, const std::string& extra) {
        return "<Route><Date>" + date + "</Date><RouteNumber>1</RouteNumber>" + extra +
               "</Route>";
    };
    dev.put(folder + "Route_1_20061204.xml",
            route("20061204", std::string("<VoucherAmount>") + kBeyond + "</VoucherAmount>"));
    dev.put(folder + "Route_2_20061204.xml", "<Route><Date>20061204</Date><Stops>");
    dev.put(folder + "Route_3_x.xml", route("2006120?", ""));
    dev.put(folder + "Route_4_20061204.xml", route("20061204", ""));
    std::filesystem::resize_file(*dev.fs().hostPath(folder + "Route_4_20061204.xml"),
                                 DeviceFs::kMaxFileBytes + 1);
    CRouteList routes;
    ScriptedPrompter prompter;
    EXPECT_EQ(loadRouteList(routes, dev.fs(), prompter), 1u);
    EXPECT_EQ(shownTexts(prompter),
              (std::vector<std::string>{
                  std::string("Error data: 1 numbers in \\VexXml\\Route_1_20061204.xml") + kCut,
                  "Load Error: The route file is damaged and is left out: "
                  "\\VexXml\\Route_2_20061204.xml",
                  "Load Error: The route date 2006120? in \\VexXml\\Route_3_x.xml cannot name a "
                  "file; the route is left out.",
                  "Load Error: Error Opening Route XML: \\VexXml\\Route_4_20061204.xml"}));
    ASSERT_EQ(prompter.shown().size(), 4u);
    EXPECT_EQ(prompter.shown()[0].icon, MessageIcon::Warning);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(prompter.shown()[i].icon, MessageIcon::None);
    }
}

}  // namespace
