#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/StartCheck.h"
#include "doc/VisitOps.h"
#include "support/DeviceFolders.h"
#include "support/TempDevice.h"

using namespace kelvo;
using namespace kelvo::test;

namespace {

const std::string kNoData = "No data available.\nPlease import files first!";
const std::string kRestoreQuestion =
    "\nNew route not available. Do you want to restore previous route?";
const std::string kInProgress =
    "\nThe file transfer is still in progress, please wait until this is completed and then "
    "try again!";

// The back office's delivery of one day, as it arrives in the import folder.
const std::vector<std::string> kDelivery = {"AdjReason.xml",
                                            "Config.xml",
                                            "ContactCategory.xml",
                                            "Flags.xml",
                                            "Route_21_20061205.xml",
                                            "Route_22_20061205.xml",
                                            "Safety.xml",
                                            "Trucks.xml"};

// The delivery's Config.xml with another data version / laundry.
std::string configWith(const std::string& version, const std::string& laundry = "LND") {
    std::string c = replaceAll(dayFile("Config.xml"), "<FileVersion>10.00</FileVersion>",
                               "<FileVersion>" + version + "</FileVersion>");
    return replaceAll(c, "<LaundryCode>LND</LaundryCode>",
                      "<LaundryCode>" + laundry + "</LaundryCode>");
}

struct StartCheck : ::testing::Test {
    TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock{LocalTime{2006, 12, 5, 6, 30, 0}};
    CKelvoDoc doc{dev.fs(), prompter, clock};

    // Puts the delivery into a folder; with the marker, as the desktop leaves a finished copy.
    void deliver(const std::string& folder, bool withMarker = true) {
        for (const std::string& name : kDelivery) {
            dev.put(folder + name, dayFile(name));
        }
        if (withMarker) {
            dev.put(folder + "ZZDepartureCheck.xml", dayFile("ZZDepartureCheck.xml"));
        }
    }
    const std::vector<Message>& shown() const { return prompter.shown(); }
    void expectOnly(const std::string& text, const std::string& caption, MessageIcon icon) {
        ASSERT_EQ(shown().size(), 1u);
        EXPECT_EQ(shown()[0].text, text);
        EXPECT_EQ(shown()[0].caption, caption);
        EXPECT_EQ(shown()[0].icon, icon);
        EXPECT_EQ(shown()[0].buttons, MessageButtons::Ok);
    }
};

}  // namespace

TEST_F(StartCheck, WithoutAnyConfigurationReportsNoData) {
    dev.put("\\VexXml\\Route_21_20061205.xml", dayFile("Route_21_20061205.xml"));
    EXPECT_FALSE(startDataCheck(doc));
    expectOnly(kNoData, "Error data files", MessageIcon::Warning);
    EXPECT_EQ(doc.Routes().Count(), 0u);  // nothing was loaded
}

TEST_F(StartCheck, RefusesDataOfAnotherWholeVersion) {
    for (const std::string version : {"9.50", "9.99", "11.00"}) {
        SCOPED_TRACE(version);
        TempDevice d;
        ScriptedPrompter p;
        CKelvoDoc document(d.fs(), p, clock);
        for (const std::string& name : kDelivery) {
            d.put(kImport + name, name == "Config.xml" ? configWith(version) : dayFile(name));
        }
        d.put(std::string(kImport) + "ZZDepartureCheck.xml", "x");
        EXPECT_FALSE(startDataCheck(document));
        ASSERT_EQ(p.shown().size(), 1u);
        EXPECT_EQ(p.shown()[0].text,
                  "Error Starting Application: version mismatch.\nApplication version = "
                  "10.00\nXML Data version = " +
                      version);
        EXPECT_EQ(p.shown()[0].caption, "Abort Application");
        EXPECT_EQ(p.shown()[0].icon, MessageIcon::Error);
        // The delivery stays where it is: nothing of another version is taken in.
        EXPECT_EQ(d.count(kImport), kDelivery.size() + 1);
        EXPECT_EQ(d.count(kData), 0u);
    }
}

TEST_F(StartCheck, AcceptsTheSameWholeVersion) {
    for (const std::string version : {"10.00", "10.25", "10.5"}) {
        SCOPED_TRACE(version);
        TempDevice d;
        ScriptedPrompter p;
        CKelvoDoc document(d.fs(), p, clock);
        d.put("\\VexXml\\Config.xml", configWith(version));
        d.put("\\VexXml\\Route_21_20061205.xml", dayFile("Route_21_20061205.xml"));
        EXPECT_TRUE(startDataCheck(document));
        EXPECT_TRUE(p.shown().empty());
        EXPECT_EQ(document.Config().FileVersion(), version);
        EXPECT_EQ(document.Routes().Count(), 1u);
    }
}

TEST_F(StartCheck, WorkInProgressIsNeverReplacedByANewerDelivery) {
    dev.put("\\VexXml\\Config.xml", dayFile("Config.xml"));
    dev.put("\\VexXml\\Route_21_20061205.xml", dayFile("Route_21_20061205.xml"));
    dev.put(std::string(kImport) + "Route_22_20061205.xml", dayFile("Route_22_20061205.xml"));
    dev.put(std::string(kImport) + "ZZDepartureCheck.xml", "x");
    EXPECT_TRUE(startDataCheck(doc));
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(dev.count(kImport), 2u);
    EXPECT_FALSE(dev.exists("\\VexXml\\Route_22_20061205.xml"));
    ASSERT_EQ(doc.Routes().Count(), 1u);
    EXPECT_EQ(doc.Routes().At(0).RouteNumber(), 21);
}

// Kills during saves left 415 temporary files (367 MB) that nothing removed. The program's own
// leftovers go; any other file, a dot file too, stays.
TEST_F(StartCheck, RemovesTheTemporaryFilesACrashLeftAndNothingElse) {
    dev.put("\\VexXml\\Config.xml", dayFile("Config.xml"));
    dev.put("\\VexXml\\Route_21_20061205.xml", dayFile("Route_21_20061205.xml"));
    const std::string leftovers[] = {"\\VexXml\\.Route_21_20061205.xml.kelvo-a1B2c3",
                                     "\\VexXml\\Exported\\.Inv_9.xml.kelvo-XyZ789",
                                     "\\My Documents\\After Arrival\\.Safety.xml.kelvo-000000",
                                     "\\My Documents\\Receipts\\.Inv_100101.pdf.kelvo-Rc1234"};
    const std::string kept[] = {"\\VexXml\\.Route_21_20061205.xml.kelvo-a1B2", "\\VexXml\\.keep",
                                "\\VexXml\\Route.kelvo-a1B2c3"};
    for (const std::string& path : leftovers) {
        dev.put(path, "half a file");
    }
    for (const std::string& path : kept) {
        dev.put(path, "not ours");
    }
    EXPECT_TRUE(startDataCheck(doc));
    for (const std::string& path : leftovers) {
        EXPECT_FALSE(std::filesystem::exists(*dev.fs().hostPath(path))) << path;
    }
    for (const std::string& path : kept) {
        EXPECT_EQ(dev.read(path), "not ours") << path;
    }
}

// "Storagelocation=*" was taken for a storage card named "*".
TEST_F(StartCheck, AStorageLocationThatCannotNameAFolderIsReportedAndTheMainMemoryUsed) {
    dev.put("\\Program Files\\Kelvo\\Kelvo.properties", "Storagelocation=*");
    doc.SetStorageLocation("Storage Card");
    openStorage(doc);
    EXPECT_EQ(doc.StorageLocation(), "");
    expectOnly(
        "The storage location \"*\" in \\Program Files\\Kelvo\\Kelvo.properties cannot "
        "name a folder. The data are looked for in the main memory.",
        "Error data files", MessageIcon::Warning);
}

TEST_F(StartCheck, UnfinishedTransferMovesNothing) {
    deliver(kImport, false);
    EXPECT_FALSE(startDataCheck(doc));
    expectOnly(kInProgress, "Error import data files", MessageIcon::Warning);
    EXPECT_EQ(dev.count(kImport), kDelivery.size());
    EXPECT_EQ(dev.count(kData), 0u);
    EXPECT_EQ(doc.Routes().Count(), 0u);
}

TEST_F(StartCheck, FinishedTransferIsImportedAndTheDayLoaded) {
    deliver(kImport);

    EXPECT_TRUE(startDataCheck(doc));
    EXPECT_TRUE(shown().empty());
    // Every file moved, byte for byte; Config.xml copied, so the import folder keeps it.
    for (const std::string& name : kDelivery) {
        EXPECT_EQ(dev.read(kData + name), dayFile(name)) << name;
    }
    EXPECT_EQ(dev.count(kData), kDelivery.size());
    EXPECT_FALSE(dev.exists("\\VexXml\\ZZDepartureCheck.xml"));
    ASSERT_EQ(dev.count(kImport), 1u);
    EXPECT_EQ(dev.read(std::string(kImport) + "Config.xml"), dayFile("Config.xml"));

    EXPECT_EQ(doc.Config().PlantName(), "North Shore Linen & Mat");
    ASSERT_EQ(doc.Routes().Count(), 2u);
    EXPECT_EQ(doc.Routes().At(0).RouteNumber(), 21);
    EXPECT_EQ(doc.Routes().At(1).RouteNumber(), 22);
    EXPECT_FALSE(doc.Route().HoldsRoute());
    EXPECT_EQ(doc.Route().StoragePath(), "");
    EXPECT_EQ(doc.ContactCategories().Count(), 3u);
    EXPECT_EQ(doc.AdjReasons().Count(), 2u);
    EXPECT_EQ(doc.Flags().Count(), 1u);
    EXPECT_EQ(doc.SafetyChecks().Count(), 2u);
    EXPECT_EQ(doc.SafetyChecks().TruckID(), "T-21");
    EXPECT_EQ(doc.Trucks().Count(), 0u);  // only the "DUD" laundry has trucks
}

// What was selected in the day before means nothing in the data that came in since.
TEST_F(StartCheck, NewDataForgetTheSelection) {
    deliver(kImport);
    ASSERT_TRUE(startDataCheck(doc));
    ASSERT_TRUE(selectRoute(doc, 1));
    ASSERT_TRUE(selectStop(doc, 0));
    doc.Routing().leaveSelectedStop();
    doc.Invoicing().selectInvoice(900201);
    ASSERT_EQ(doc.Routing().LastDepartedStopIndex(), 0);

    deliver(kImport);
    ASSERT_TRUE(startDataCheck(doc));
    EXPECT_EQ(doc.Routing().SelectedRouteIndex(), -1);
    EXPECT_EQ(doc.Routing().SelectedStopIndex(), -1);
    EXPECT_EQ(doc.Invoicing().SelectedNumber(), -1.0);
    EXPECT_EQ(doc.Routing().LastDepartedStopIndex(), -1);
}

// A file no reader takes (a 2 GB invoice, sparse here) came in with the delivery: the driver
// hears of it at the import, not first when a screen cannot open it.
TEST_F(StartCheck, AnImportNamesTheFilesTooLargeToRead) {
    deliver(kImport);
    dev.put(std::string(kImport) + "Inv_900101.xml", "");
    std::filesystem::resize_file(*dev.fs().hostPath(std::string(kImport) + "Inv_900101.xml"),
                                 std::uintmax_t(2) << 30);
    EXPECT_TRUE(startDataCheck(doc));
    expectOnly("These files are larger than 16 MB, and Kelvo cannot read them: Inv_900101.xml",
               "Error import data files", MessageIcon::Warning);
    EXPECT_TRUE(dev.exists("\\VexXml\\Inv_900101.xml"));  // the back office's file: it goes back
}

TEST_F(StartCheck, TrucksOnlyForTheDudLaundry) {
    deliver(kData);
    dev.put("\\VexXml\\Config.xml", configWith("10.00", "DUD"));
    ASSERT_TRUE(startDataCheck(doc));
    ASSERT_EQ(doc.Trucks().Count(), 2u);
    EXPECT_EQ(doc.Trucks().At(1).Code, "T-30");

    // The next day's laundry is another one: the trucks of the day before are gone, and so is
    // a list whose file did not come with the new delivery.
    dev.put("\\VexXml\\Config.xml", configWith("10.00", "dud"));
    dev.fs().removeFile("\\VexXml\\Flags.xml");
    ASSERT_TRUE(startDataCheck(doc));
    EXPECT_EQ(doc.Trucks().Count(), 0u);
    EXPECT_EQ(doc.Flags().Count(), 0u);
}

TEST_F(StartCheck, WithoutRoutesTheRestoreIsOfferedAndTheConfigurationGivenUp) {
    dev.put("\\VexXml\\Config.xml", dayFile("Config.xml"));
    dev.put("\\VexXml\\Flags.xml", dayFile("Flags.xml"));
    dev.put("\\VexXml\\Exported\\Flags.xml", dayFile("Flags.xml"));  // no arrival marker
    prompter.queue(Answer::No);

    EXPECT_FALSE(startDataCheck(doc));
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[0].text, kRestoreQuestion);
    EXPECT_EQ(shown()[0].caption, "Error data files");
    EXPECT_EQ(shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(shown()[0].icon, MessageIcon::Question);
    EXPECT_EQ(shown()[1].text, kNoData);
    EXPECT_EQ(shown()[1].caption, "Error data files");
    EXPECT_EQ(shown()[1].icon, MessageIcon::Warning);
    EXPECT_FALSE(dev.exists("\\VexXml\\Config.xml"));
    EXPECT_TRUE(dev.exists("\\VexXml\\Flags.xml"));
    EXPECT_TRUE(dev.exists("\\VexXml\\Exported\\Flags.xml"));  // only accepted data empty it

    // The next Start knows at once that there is nothing to work on.
    prompter.clearShown();
    EXPECT_FALSE(startDataCheck(doc));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, kNoData);
}

TEST_F(StartCheck, WithoutRoutesAnAgreedRestoreBringsBackTheLastExport) {
    dev.put("\\VexXml\\Config.xml", dayFile("Config.xml"));
    dev.put("\\VexXml\\Exported\\Route_21_20061205.xml", dayFile("Route_21_20061205.xml"));
    dev.put("\\VexXml\\Exported\\Config.xml", dayFile("Config.xml"));
    dev.put("\\VexXml\\Exported\\ZZArrivalCheck.xml", "<ArrivalCheck>\r\n</ArrivalCheck>");
    prompter.queue(Answer::Yes);

    EXPECT_TRUE(startDataCheck(doc));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, kRestoreQuestion);
    EXPECT_EQ(doc.Routes().Count(), 1u);
    EXPECT_EQ(dev.read("\\VexXml\\Route_21_20061205.xml"), dayFile("Route_21_20061205.xml"));
    EXPECT_TRUE(dev.exists("\\VexXml\\Config.xml"));
    EXPECT_FALSE(dev.exists("\\VexXml\\ZZArrivalCheck.xml"));
    EXPECT_EQ(dev.count(kCopy), 0u);
}

TEST_F(StartCheck, AcceptedDataGiveUpThePreviousExport) {
    deliver(kImport);
    dev.put("\\VexXml\\Exported\\Route_7_20061204.xml", "<Route/>");
    dev.put("\\VexXml\\Exported\\ZZArrivalCheck.xml", "<ArrivalCheck>\r\n</ArrivalCheck>");
    ASSERT_TRUE(startDataCheck(doc));
    EXPECT_TRUE(dev.fs().isFolder(kCopy));
    EXPECT_EQ(dev.count(kCopy), 0u);
}

TEST_F(StartCheck, TheImportFolderKeepsConfigForTheNextDelivery) {
    deliver(kImport);
    ASSERT_TRUE(startDataCheck(doc));
    // The day is exported (the data folder emptied); the next delivery comes without Config.xml.
    for (const std::string& name : dev.fs().listFiles(kData, "*.*")) {
        dev.fs().removeFile(kData + name);
    }
    dev.put(std::string(kImport) + "Route_23_20061206.xml",
            replaceAll(replaceAll(dayFile("Route_21_20061205.xml"), "20061205", "20061206"),
                       "<RouteNumber>21<", "<RouteNumber>23<"));
    dev.put(std::string(kImport) + "ZZDepartureCheck.xml", "x");

    EXPECT_TRUE(startDataCheck(doc));
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(dev.read("\\VexXml\\Config.xml"), dayFile("Config.xml"));
    EXPECT_TRUE(dev.exists(std::string(kImport) + "Config.xml"));
    ASSERT_EQ(doc.Routes().Count(), 1u);
    EXPECT_EQ(doc.Routes().At(0).RouteNumber(), 23);
    EXPECT_EQ(doc.Routes().At(0).Date(), "20061206");
}

TEST_F(StartCheck, StorageCardHoldsTheDataFolder) {
    dev.put("\\Storage Card\\.storage-card", "");
    doc.SetStorageLocation("Storage Card");
    deliver(kImport);

    EXPECT_TRUE(startDataCheck(doc));
    EXPECT_EQ(dev.count("\\Storage Card\\VexXml\\"), kDelivery.size());
    EXPECT_EQ(dev.read("\\Storage Card\\VexXml\\Route_22_20061205.xml"),
              dayFile("Route_22_20061205.xml"));
    EXPECT_FALSE(dev.fs().isFolder("\\VexXml"));
    EXPECT_TRUE(dev.fs().isFolder("\\Storage Card\\VexXml\\Exported"));
    EXPECT_EQ(doc.Routes().Count(), 2u);
    EXPECT_EQ(doc.Route().StoragePath(), "\\Storage Card");
    EXPECT_EQ(doc.SafetyChecks().Count(), 2u);
    EXPECT_EQ(doc.Config().DataRoot(), "\\Storage Card");
}

// The start screen readies the device: the bold font the program carries is installed (a
// newer one replaces the old) and the day's folder exists; without the font nothing is said.
TEST_F(StartCheck, PreparingTheDeviceInstallsTheFontAndMakesTheDataFolder) {
    prepareDevice(doc);
    EXPECT_TRUE(dev.fs().isFolder("\\VexXml"));
    EXPECT_FALSE(dev.exists("\\Windows\\Fonts\\tahomabd.ttf"));
    dev.put("\\Program Files\\Kelvo\\tahomabd.ttf", "bold v2");
    dev.put("\\Windows\\Fonts\\tahomabd.ttf", "bold v1");
    prepareDevice(doc);
    EXPECT_EQ(dev.read("\\Windows\\Fonts\\tahomabd.ttf"), "bold v2");
    EXPECT_TRUE(shown().empty());
}
