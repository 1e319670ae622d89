#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/DataTransfer.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "support/DeviceFolders.h"
#include "support/TempDevice.h"

using namespace kelvo;
using namespace kelvo::test;

namespace {

// A route of the delivery as it is after the driver ended it.
std::string endedRoute(const std::string& name) {
    return replaceAll(dayFile(name), "<EndMileage>0.0</EndMileage>",
                      "<EndMileage>1311.4</EndMileage>");
}

struct DataTransfer : ::testing::Test {
    TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock{LocalTime{2006, 12, 5, 17, 45, 0}};
    CKelvoDoc doc{dev.fs(), prompter, clock};
    // What the data folder holds at the end of the day, name -> bytes.
    std::map<std::string, std::string> day;

    void SetUp() override {
        for (const char* name : {"AdjReason.xml", "Config.xml", "ContactCategory.xml", "Flags.xml",
                                 "Safety.xml", "Trucks.xml"}) {
            day[name] = dayFile(name);
        }
        day["Route_21_20061205.xml"] = endedRoute("Route_21_20061205.xml");
        day["Route_22_20061205.xml"] = endedRoute("Route_22_20061205.xml");
        day["Inv_900101.xml"] =
            "<Invoice>\r\n\t<InvoiceNumber>900101</InvoiceNumber>\r\n</Invoice>";
        day["Sig_900101.bmp"] = std::string("BM\0\x01\xff", 5);
        for (const auto& [name, bytes] : day) {
            dev.put(kData + name, bytes);
        }
    }
    void loadRoutes() {
        doc.Routes().SetStoragePath(doc.StorageLocation());
        loadRouteList(doc.Routes(), dev.fs(), prompter);
    }
    // The folder holds exactly the day's files (bytes compared), plus the arrival marker.
    void expectDayIn(const std::string& folder, bool withMarker) {
        EXPECT_EQ(dev.count(folder), day.size() + (withMarker ? 1 : 0)) << folder;
        for (const auto& [name, bytes] : day) {
            EXPECT_EQ(dev.read(folder + name), bytes) << folder << name;
        }
        EXPECT_EQ(dev.exists(folder + "ZZArrivalCheck.xml"), withMarker) << folder;
        if (withMarker) {
            EXPECT_EQ(dev.read(folder + "ZZArrivalCheck.xml"), kArrival);
        }
    }
    const std::vector<Message>& shown() const { return prompter.shown(); }
};

}  // namespace

TEST_F(DataTransfer, ExportMovesEveryFileOutAndMarksTheExportComplete) {
    // The previous export is replaced by this one.
    dev.put("\\VexXml\\Exported\\Route_7_20061204.xml", "<Route/>");
    dev.put("\\VexXml\\Exported\\ZZArrivalCheck.xml", kArrival);

    EXPECT_EQ(exportDayFiles(doc), ExportResult::Complete);
    EXPECT_EQ(dev.count(kData), 0u);
    expectDayIn(kExport, true);
    expectDayIn(kCopy, true);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Export finished!");
    EXPECT_EQ(shown()[0].caption, "Export");
    EXPECT_EQ(shown()[0].icon, MessageIcon::None);
    EXPECT_EQ(shown()[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(exportAvailable(doc));
}

TEST_F(DataTransfer, NothingToExportWithoutARouteFile) {
    dev.fs().removeFile("\\VexXml\\Route_21_20061205.xml");
    dev.fs().removeFile("\\VexXml\\Route_22_20061205.xml");
    dev.put("\\VexXml\\Exported\\Flags.xml", "kept");

    EXPECT_EQ(exportDayFiles(doc), ExportResult::NothingToExport);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "No data available for export!");
    EXPECT_EQ(shown()[0].caption, "Error data files");
    EXPECT_EQ(shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dev.count(kData), day.size() - 2);
    EXPECT_FALSE(dev.fs().isFolder("\\My Documents\\After Arrival"));
    EXPECT_EQ(dev.read("\\VexXml\\Exported\\Flags.xml"), "kept");
}

TEST_F(DataTransfer, ExportIsAvailableOnceEveryRouteHasEnded) {
    dev.put("\\VexXml\\Route_22_20061205.xml", dayFile("Route_22_20061205.xml"));  // still open
    loadRoutes();
    ASSERT_EQ(doc.Routes().Count(), 2u);
    EXPECT_FALSE(exportAvailable(doc));

    dev.put("\\VexXml\\Route_22_20061205.xml", endedRoute("Route_22_20061205.xml"));
    loadRoutes();
    EXPECT_TRUE(exportAvailable(doc));

    // Without a file in the data folder there is nothing to export, whatever the list says.
    for (const auto& [name, bytes] : day) {
        dev.fs().removeFile(kData + name);
    }
    dev.put("\\VexXml\\Exported\\Route_21_20061205.xml", "x");  // files below do not count
    EXPECT_FALSE(exportAvailable(doc));
}

TEST_F(DataTransfer, RestoreBringsTheLastExportBack) {
    ASSERT_EQ(exportDayFiles(doc), ExportResult::Complete);
    prompter.clearShown();
    prompter.queue(Answer::Yes);

    EXPECT_TRUE(restorePreviousRoute(doc));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "\nNew route not available. Do you want to restore previous route?");
    EXPECT_EQ(shown()[0].caption, "Error data files");
    EXPECT_EQ(shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(shown()[0].icon, MessageIcon::Question);
    expectDayIn(kData, false);
    EXPECT_EQ(dev.count(kCopy), 0u);
    expectDayIn(kExport, true);  // what the back office gets is not touched
}

TEST_F(DataTransfer, RestoreNeedsTheDriversYesAndACompleteExport) {
    ASSERT_EQ(exportDayFiles(doc), ExportResult::Complete);
    // No: nothing moves.
    EXPECT_FALSE(restorePreviousRoute(doc));
    EXPECT_EQ(dev.count(kData), 0u);
    expectDayIn(kCopy, true);

    // Without the arrival marker the copy is no complete export: refused even on Yes.
    dev.fs().removeFile("\\VexXml\\Exported\\ZZArrivalCheck.xml");
    prompter.queue(Answer::Yes);
    EXPECT_FALSE(restorePreviousRoute(doc));
    EXPECT_EQ(dev.count(kData), 0u);
    expectDayIn(kCopy, false);
}

TEST_F(DataTransfer, AFileThatCannotBeExportedStaysAndTheExportIsNotMarked) {
    // A folder where the safety checklist should go makes its copy fail. The route files are
    // listed before it, so they do leave with this try.
    ASSERT_TRUE(dev.fs().createFolder("\\My Documents\\After Arrival\\Safety.xml"));
    // A marker left from an earlier day must not make this export look complete.
    dev.put("\\My Documents\\After Arrival\\ZZArrivalCheck.xml", kArrival);
    loadRoutes();

    EXPECT_EQ(exportDayFiles(doc), ExportResult::Incomplete);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text,
              "1 file could not be exported. It is kept on the device; please try Export again.");
    EXPECT_EQ(shown()[0].caption, "Export");
    ASSERT_EQ(dev.fs().listFiles(kData, "*.*"), std::vector<std::string>{"Safety.xml"});
    EXPECT_EQ(dev.read("\\VexXml\\Safety.xml"), day["Safety.xml"]);
    EXPECT_FALSE(dev.exists("\\My Documents\\After Arrival\\ZZArrivalCheck.xml"));
    EXPECT_FALSE(dev.exists("\\VexXml\\Exported\\ZZArrivalCheck.xml"));
    EXPECT_FALSE(dev.exists("\\VexXml\\Exported\\Safety.xml"));
    EXPECT_TRUE(exportAvailable(doc));

    // Once the obstacle is gone, Export again finishes the same export.
    std::filesystem::remove(dev.root() / "My Documents" / "After Arrival" / "Safety.xml");
    prompter.clearShown();
    EXPECT_EQ(exportDayFiles(doc), ExportResult::Complete);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, "Export finished!");
    EXPECT_EQ(dev.count(kData), 0u);
    expectDayIn(kExport, true);
    expectDayIn(kCopy, true);  // the copies of the first try were kept: a restore gets it all
}

TEST_F(DataTransfer, AnExportFolderThatCannotBeMadeKeepsEveryFile) {
    dev.put("\\My Documents\\After Arrival", "not a folder");

    EXPECT_EQ(exportDayFiles(doc), ExportResult::Incomplete);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, format("%d files could not be exported. They are kept on the "
                                      "device; please try Export again.",
                                      static_cast<int>(day.size())));
    EXPECT_EQ(shown()[0].caption, "Export");
    expectDayIn(kData, false);
    EXPECT_EQ(dev.count(kCopy), 0u);
    EXPECT_EQ(dev.read("\\My Documents\\After Arrival"), "not a folder");
}

TEST_F(DataTransfer, ImportMovesTheDeliveryAndCopiesConfig) {
    for (const auto& [name, bytes] : day) {
        dev.fs().removeFile(kData + name);
        dev.put(kImport + name, bytes);
    }
    dev.put(std::string(kImport) + "ZZDepartureCheck.xml", "x");

    importDayFiles(doc);
    expectDayIn(kData, false);
    EXPECT_FALSE(dev.exists("\\VexXml\\ZZDepartureCheck.xml"));
    EXPECT_EQ(dev.fs().listFiles(kImport, "*.*"), std::vector<std::string>{"Config.xml"});
    EXPECT_TRUE(shown().empty());
}
