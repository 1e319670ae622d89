// A save that fails after the driver's work is taken (a full or read-only device): the driver
// is told which file could not be written, whatever the operation, and the file keeps its old
// bytes. The compiler finds the next ignored save: every save returns a [[nodiscard]] result.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "doc/AdjustOps.h"
#include "doc/SettleOps.h"
#include "support/SampleStop.h"

using namespace kelvo;
using kelvo::test::kSampleRoute;

namespace {

struct FailedSaves : ::testing::Test, test::StopDocument {
    // Refuses every rename onto this device file: its saves fail, all others go through.
    void refuseSavesOf(const std::string& devicePath) {
        const std::filesystem::path host = *dev.fs().hostPath(devicePath);
        dev.fs().setFaultHook([host](FsChange change, const std::filesystem::path& p, std::size_t) {
            return change != FsChange::Rename || p != host;
        });
    }
    // The one message shown, which names the file.
    void expectToldOf(const std::string& devicePath, const char* caption) {
        ASSERT_EQ(prompter.shown().size(), 1u);
        EXPECT_NE(prompter.shown()[0].text.find(devicePath), std::string::npos)
            << prompter.shown()[0].text;
        EXPECT_EQ(prompter.shown()[0].caption, caption);
    }
};

}  // namespace

// The invoice is settled and saved; the route's save after it fails.
TEST_F(FailedSaves, RouteSaveAfterASettlement) {
    ASSERT_TRUE(openInvoice(9, 100110));
    const std::string route = dev.read(kSampleRoute);
    refuseSavesOf(kSampleRoute);
    EXPECT_EQ(settle(doc, {45.10, "", "RD"}).next, screen::StopAction);
    expectToldOf(kSampleRoute, "Error data files");
    EXPECT_EQ(dev.read(kSampleRoute), route);
    EXPECT_NE(invoiceFile(100110).find("<Status>Settled</Status>"), std::string::npos);

    // The route in memory kept the settlement: the next save carries it.
    dev.fs().setFaultHook({});
    EXPECT_TRUE(saveRoute(doc));
    EXPECT_NE(dev.read(kSampleRoute).find("<TotalCashCollected>45.10</TotalCashCollected>"),
              std::string::npos);
}

TEST_F(FailedSaves, RouteSaveAfterALineAdjustment) {
    ASSERT_TRUE(openInvoice(1, 100102));
    const std::string route = dev.read(kSampleRoute);
    refuseSavesOf(kSampleRoute);
    const Outcome adjusted = saveLineAdjustment(doc, 0, {1.40, 10, 10, "60", "DM"});
    EXPECT_TRUE(adjusted.done);  // the invoice is saved; only the route waits for the next save
    EXPECT_EQ(adjusted.written, std::vector<std::string>{"\\VexXml\\Inv_100102.xml"});
    expectToldOf(kSampleRoute, "Error data files");
    EXPECT_EQ(dev.read(kSampleRoute), route);
}

// The pick-up quantities filled in before a settlement: not saved, nothing is settled on them.
TEST_F(FailedSaves, PickUpQuantitiesFilledBeforeASettlement) {
    ASSERT_TRUE(openInvoice(0, 100101));
    for (std::size_t i = 0; i < doc.Invoice().LineCount(); ++i) {
        if (doc.Invoice().Line(i).SER == 1) {
            doc.Invoice().SetPickUpQty(i, "3");
        }
    }
    const std::string path = "\\VexXml\\Inv_100101.xml";
    const std::string before = dev.read(path);
    refuseSavesOf(path);
    EXPECT_FALSE(readyForSettlement(doc));
    expectToldOf(path, "Error data");
    EXPECT_EQ(dev.read(path), before);
    EXPECT_EQ(doc.Invoice().Line(*doc.Invoice().FindLine(LineTypes::Rent, "SH100")).PickUpQty, "");
}
