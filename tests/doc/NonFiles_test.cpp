// Links, devices and folders where files are expected, in every folder the program takes files
// from: the import folder, the data folder (export, storage move), the export copy (restore).
// None is taken for a file, none is followed, each is named to the driver and left where it
// is. A link to a host file had carried the host's text into the export for the back office.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/DataTransfer.h"
#include "doc/KelvoDoc.h"
#include "doc/StorageSettings.h"
#include "support/DeviceFolders.h"
#include "support/TempDevice.h"

using namespace kelvo;
using namespace kelvo::test;

namespace {

namespace fs = std::filesystem;

const char* const kSecret = "the host's own text";

struct NonFiles : ::testing::Test {
    TempDevice dev;
    TempDevice host;  // a folder of the host outside the device
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc{dev.fs(), prompter, clock};

    void SetUp() override { host.put("\\hostname", kSecret); }

    // A link to a host file, a link to a host folder, a pipe and a folder, each named as a
    // data file, in the device folder.
    void plant(const std::string& folder) {
        dev.fs().createFolder(folder);
        const fs::path dir = *dev.fs().hostPath(folder);
        fs::create_symlink(host.root() / "hostname", dir / "Notes.xml");
        fs::create_directory_symlink(host.root(), dir / "Inv_1.xml");
        ASSERT_EQ(::mkfifo((dir / "Pipe.xml").c_str(), 0644), 0);
        fs::create_directory(dir / "Route_1_20061205.xml");
    }
    // The planted entries are still in the folder, as they were.
    void expectPlanted(const std::string& folder) {
        const fs::path dir = *dev.fs().hostPath(folder);
        EXPECT_TRUE(fs::is_symlink(dir / "Notes.xml"));
        EXPECT_TRUE(fs::is_symlink(dir / "Inv_1.xml"));
        EXPECT_TRUE(fs::is_fifo(dir / "Pipe.xml"));
        EXPECT_TRUE(fs::is_directory(dir / "Route_1_20061205.xml"));
    }
    // One message names the four, with this caption.
    void expectNamed(const std::string& folder, const std::string& caption) {
        const std::string text = "These entries of " + folder +
                                 " are no files (a link, a device or a folder) and were left "
                                 "where they are: Inv_1.xml, Notes.xml, Pipe.xml, "
                                 "Route_1_20061205.xml";
        bool found = false;
        for (const Message& m : prompter.shown()) {
            found = found || (m.text == text && m.caption == caption);
        }
        EXPECT_TRUE(found) << (prompter.shown().empty() ? "" : prompter.shown()[0].text);
    }
    // No file below the device root carries the host file's text.
    void expectNoLeak() {
        for (const auto& entry : fs::recursive_directory_iterator(dev.root())) {
            if (entry.is_regular_file() && !entry.is_symlink()) {
                EXPECT_EQ(kelvo::test::readHostFile(entry.path()).find(kSecret), std::string::npos)
                    << entry.path();
            }
        }
    }
    // The delivery; in the data folder without its departure marker, as an import leaves it.
    void putDay(const std::string& folder) {
        dev.putFolder(folder, kelvo::test::fixture("day/delivery"));
        if (folder != kImport) {
            dev.fs().removeFile(folder + "ZZDepartureCheck.xml");
        }
    }
};

}  // namespace

TEST_F(NonFiles, TheDeviceFileSystemNeitherListsNorReadsThem) {
    plant(kData);
    dev.put(std::string(kData) + "Flags.xml", "<Flags/>");
    EXPECT_EQ(dev.fs().listFiles(kData, "*.*"), std::vector<std::string>{"Flags.xml"});
    EXPECT_EQ(
        dev.fs().listNonFiles(kData),
        (std::vector<std::string>{"Inv_1.xml", "Notes.xml", "Pipe.xml", "Route_1_20061205.xml"}));
    std::string bytes = "x";
    EXPECT_FALSE(dev.fs().readFile("\\VexXml\\Notes.xml", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(dev.fs().readFile("\\VexXml\\Pipe.xml", bytes));  // never blocks on the pipe
    EXPECT_FALSE(dev.fs().isFile("\\VexXml\\Notes.xml"));
    EXPECT_FALSE(dev.fs().copyFile("\\VexXml\\Notes.xml", "\\VexXml\\Copy.xml", true));
    EXPECT_FALSE(dev.fs().moveFile("\\VexXml\\Notes.xml", "\\VexXml\\Moved.xml"));
    EXPECT_FALSE(dev.exists("\\VexXml\\Copy.xml"));
}

TEST_F(NonFiles, ImportTakesTheDayAndLeavesThemInTheImportFolder) {
    putDay(kImport);
    plant(kImport);
    ASSERT_TRUE(importDayFiles(doc));
    expectNamed(kImport, "Error import data files");
    expectPlanted(kImport);
    EXPECT_EQ(dev.count(kData), 8u);  // the delivery without its marker
    EXPECT_TRUE(dev.fs().listNonFiles(kData).empty());
    expectNoLeak();
}

TEST_F(NonFiles, ExportSendsTheDayAndLeavesThemInTheDataFolder) {
    putDay(kData);
    plant(kData);
    dev.fs().createFolder(kCopy);
    ASSERT_EQ(exportDayFiles(doc), ExportResult::Complete);
    expectNamed(kData, "Export");
    EXPECT_EQ(prompter.shown().back().text, "Export finished!");
    expectPlanted(kData);
    EXPECT_EQ(dev.fs().listFiles(kExport, "*.*"), dev.fs().listFiles(kCopy, "*.*"));
    EXPECT_TRUE(dev.fs().listNonFiles(kExport).empty());
    EXPECT_TRUE(dev.fs().listNonFiles(kCopy).empty());
    expectNoLeak();
}

TEST_F(NonFiles, RestoreBringsTheDayBackAndLeavesThemInTheCopy) {
    putDay(kData);
    ASSERT_EQ(exportDayFiles(doc), ExportResult::Complete);
    plant(kCopy);
    prompter.clearShown();
    prompter.queue(Answer::Yes);
    ASSERT_TRUE(restorePreviousRoute(doc));
    expectNamed(kCopy, "Error data files");
    expectPlanted(kCopy);
    EXPECT_EQ(dev.count(kData), 8u);
    expectNoLeak();
}

TEST_F(NonFiles, AStorageMoveTakesTheDayAndLeavesThemAtTheOldPlace) {
    dev.put("\\Storage Card\\.storage-card", "");
    putDay(kData);
    plant(kData);
    ASSERT_TRUE(changeStorageLocation(doc, "Storage Card"));
    expectNamed(kData, "Error data files");
    expectPlanted(kData);
    EXPECT_EQ(dev.count("\\Storage Card\\VexXml\\"), 8u);
    EXPECT_TRUE(dev.fs().listNonFiles("\\Storage Card\\VexXml\\").empty());
    expectNoLeak();
}
