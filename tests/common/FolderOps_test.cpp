#include "common/FolderOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/DataPaths.h"
#include "common/Properties.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;
using Names = std::vector<std::string>;

namespace {

constexpr const char* kData = "\\VexXml\\";
constexpr const char* kCopy = "\\VexXml\\Exported\\";
constexpr const char* kProperties = "\\Program Files\\Kelvo\\Kelvo.properties";

}  // namespace

TEST(FolderOps, TransferMovesTheDayButCopiesTheConfiguration) {
    TempDevice dev;
    dev.put(std::string(kImportFolder) + "Config.xml", "config");
    dev.put(std::string(kImportFolder) + "Route_7_20061205.xml", "route");
    dev.put(std::string(kImportFolder) + "ZZDepartureCheck.xml", "marker");
    dev.put(std::string(kData) + "Config.xml", "yesterday's config");

    EXPECT_TRUE(transferFolderWhole(dev.fs(), kImportFolder, kData, kDepartureMarker));
    EXPECT_EQ(dev.fs().listFiles(kImportFolder), (Names{"Config.xml"}));
    EXPECT_EQ(dev.read(std::string(kImportFolder) + "Config.xml"), "config");
    EXPECT_EQ(dev.read(std::string(kData) + "Config.xml"), "config");
    EXPECT_EQ(dev.read(std::string(kData) + "Route_7_20061205.xml"), "route");
    EXPECT_EQ(dev.read(std::string(kData) + "ZZDepartureCheck.xml"), "marker");
}

// A name taken in the target (in another case, as the device compares names) stops the whole
// transfer: everything moved comes back, the marker that went first last.
TEST(FolderOps, ATakenNameUndoesTheWholeTransfer) {
    TempDevice dev;
    dev.put(std::string(kImportFolder) + "Inv_1.xml", "invoice");
    dev.put(std::string(kImportFolder) + "Route_7_20061205.xml", "new route");
    dev.put(std::string(kImportFolder) + "ZZDepartureCheck.xml", "marker");
    dev.put(std::string(kData) + "ROUTE_7_20061205.XML", "route in work");
    std::vector<std::string> order;
    const auto folder = *dev.fs().hostPath(kData);
    dev.fs().setFaultHook([&](FsChange change, const std::filesystem::path& p, std::size_t) {
        if (change == FsChange::Rename && p.parent_path() == folder) {
            order.push_back(p.filename().string());
        }
        return true;
    });

    EXPECT_FALSE(transferFolderWhole(dev.fs(), kImportFolder, kData, kDepartureMarker));
    EXPECT_EQ(order, (Names{"ZZDepartureCheck.xml", "Inv_1.xml"}));
    EXPECT_EQ(dev.fs().listFiles(kData), (Names{"ROUTE_7_20061205.XML"}));
    EXPECT_EQ(dev.read(std::string(kData) + "Route_7_20061205.xml"), "route in work");
    EXPECT_EQ(dev.fs().listFiles(kImportFolder),
              (Names{"Inv_1.xml", "Route_7_20061205.xml", "ZZDepartureCheck.xml"}));
}

TEST(FolderOps, MarkerPresentAmongOtherFiles) {
    TempDevice dev;
    dev.put(std::string(kImportFolder) + "Config.xml", "x");
    dev.put(std::string(kImportFolder) + "Route_7_20061205.xml", "x");
    EXPECT_FALSE(markerPresent(dev.fs(), kImportFolder, kDepartureMarker));
    dev.put(std::string(kImportFolder) + "ZZDepartureCheck.xml", "x");
    dev.put(std::string(kImportFolder) + "Wearer_1.xml", "x");
    EXPECT_TRUE(markerPresent(dev.fs(), kImportFolder, kDepartureMarker));
    EXPECT_FALSE(markerPresent(dev.fs(), kImportFolder, kArrivalMarker));
    EXPECT_FALSE(markerPresent(dev.fs(), "\\NoSuchFolder\\", kDepartureMarker));
    // A folder of that name is no marker.
    dev.fs().createFolder(std::string(kExportFolder) + "ZZArrivalCheck.xml");
    EXPECT_FALSE(markerPresent(dev.fs(), kExportFolder, kArrivalMarker));
}

TEST(FolderOps, SendOutCopiesToTheTargetAndMovesToTheKeep) {
    TempDevice dev;
    dev.put(std::string(kData) + "Route_7_20061205.xml", "route");
    dev.put(std::string(kData) + "Inv_1.xml", "invoice");
    dev.put(std::string(kData) + "Notes.txt", "not named: stays");
    dev.put(std::string(kExportFolder) + "INV_1.XML", "an older export");
    dev.put(std::string(kCopy) + "Old.xml", "previous copy");

    EXPECT_EQ(sendOut(dev.fs(), kData, kExportFolder, kCopy, {"Inv_1.xml", "Route_7_20061205.xml"}),
              0);
    EXPECT_EQ(dev.fs().listFiles(kData), (Names{"Notes.txt"}));
    EXPECT_EQ(dev.fs().listFiles(kExportFolder), (Names{"INV_1.XML", "Route_7_20061205.xml"}));
    EXPECT_EQ(dev.read(std::string(kExportFolder) + "Inv_1.xml"), "invoice");
    EXPECT_EQ(dev.fs().listFiles(kCopy), (Names{"Inv_1.xml", "Old.xml", "Route_7_20061205.xml"}));
    EXPECT_EQ(dev.read(std::string(kCopy) + "Route_7_20061205.xml"), "route");
}

// Sent again (an earlier run was cut short): what went to the keep already is copied out again
// from there, what is left in the source goes as before.
TEST(FolderOps, SendOutAgainFinishesWhatAnEarlierRunBegan) {
    TempDevice dev;
    dev.put(std::string(kCopy) + "Inv_1.xml", "invoice");
    dev.put(std::string(kData) + "Route_7_20061205.xml", "route");
    dev.fs().createFolder(kExportFolder);
    EXPECT_EQ(sendOut(dev.fs(), kData, kExportFolder, kCopy, {"Route_7_20061205.xml", "Inv_1.xml"}),
              0);
    EXPECT_EQ(dev.count(kData), 0u);
    EXPECT_EQ(dev.read(std::string(kExportFolder) + "Inv_1.xml"), "invoice");
    EXPECT_EQ(dev.read(std::string(kExportFolder) + "Route_7_20061205.xml"), "route");
    EXPECT_EQ(dev.fs().listFiles(kCopy), (Names{"Inv_1.xml", "Route_7_20061205.xml"}));
}

TEST(FolderOps, SendOutKeepsWhatCouldNotBeCopied) {
    TempDevice dev;
    dev.put(std::string(kData) + "Route_7_20061205.xml", "route");
    dev.put(std::string(kData) + "Inv_1.xml", "invoice");
    dev.fs().createFolder(kExportFolder);
    const Names both{"Inv_1.xml", "Route_7_20061205.xml"};

    // The keep is missing: nothing may leave the data folder.
    EXPECT_EQ(sendOut(dev.fs(), kData, kExportFolder, "\\Missing\\", both), 2);
    EXPECT_EQ(dev.read(std::string(kData) + "Route_7_20061205.xml"), "route");
    EXPECT_EQ(dev.read(std::string(kData) + "Inv_1.xml"), "invoice");
    // The target is missing.
    dev.fs().createFolder(kCopy);
    EXPECT_EQ(sendOut(dev.fs(), kData, "\\Missing\\", kCopy, both), 2);
    EXPECT_EQ(dev.count(kData), 2u);
    EXPECT_EQ(dev.count(kCopy), 0u);
}

TEST(FolderOps, EmptyFolderDeletesFilesOnly) {
    TempDevice dev;
    dev.put(std::string(kData) + "a.xml", "x");
    dev.put(std::string(kData) + "README", "x");
    dev.put(std::string(kCopy) + "b.xml", "x");
    emptyFolder(dev.fs(), kData);
    EXPECT_EQ(dev.count(kData), 0u);
    EXPECT_TRUE(dev.exists(std::string(kCopy) + "b.xml"));

    dev.put("\\Storage Card\\VexXml\\c.xml", "x");
    dev.put(std::string(kData) + "d.xml", "x");
    clearDataFolder(dev.fs(), "Storage Card");
    EXPECT_EQ(dev.count("\\Storage Card\\VexXml\\"), 0u);
    EXPECT_TRUE(dev.exists(std::string(kData) + "d.xml"));
    clearDataFolder(dev.fs(), "");
    EXPECT_EQ(dev.count(kData), 0u);
}

TEST(FolderOps, ArrivalMarkerContent) {
    TempDevice dev;
    dev.put(std::string(kExportFolder) + "ZZArrivalCheck.xml", "stale");
    ASSERT_TRUE(writeArrivalMarker(dev.fs(), kExportFolder));
    EXPECT_EQ(dev.read(std::string(kExportFolder) + "ZZArrivalCheck.xml"),
              "<ArrivalCheck>\r\n</ArrivalCheck>");
    EXPECT_FALSE(writeArrivalMarker(dev.fs(), "\\Missing\\"));
}

TEST(Properties, AMissingFileIsCreatedForTheDeviceRoot) {
    TempDevice dev;
    EXPECT_EQ(readStorageLocation(dev.fs()), "");
    EXPECT_EQ(dev.read(kProperties), "Storagelocation=\\");
    EXPECT_EQ(readStorageLocation(dev.fs()), "");
}

TEST(Properties, TheValueRunsToTheFirstLineFeed) {
    TempDevice dev;
    const auto readWith = [&](const std::string& content) {
        dev.put(kProperties, content);
        return readStorageLocation(dev.fs());
    };
    EXPECT_EQ(readWith("Storagelocation=\\"), "");
    EXPECT_EQ(readWith("Storagelocation="), "");
    EXPECT_EQ(readWith("Storagelocation=Storage Card"), "Storage Card");
    EXPECT_EQ(readWith("Storagelocation=Storage Card\nsomething else"), "Storage Card");
    EXPECT_EQ(readWith("Storagelocation=Storage Card\r\n"), "Storage Card");
    EXPECT_EQ(readWith("Storagelocation=SD\\Sub"), "");
    EXPECT_EQ(readWith("Storagelocation=.."), "");
    EXPECT_EQ(dev.read(kProperties), "Storagelocation=..");
}

TEST(Properties, AnUnreadableFileIsNotReplaced) {
    TempDevice dev;
    const std::string big = "Storagelocation=Storage Card\n" + std::string(70 * 1024, 'x');
    dev.put(kProperties, big);
    EXPECT_EQ(readStorageLocation(dev.fs()), "");
    EXPECT_TRUE(dev.read(kProperties) == big) << "the driver's file was rewritten";
}
