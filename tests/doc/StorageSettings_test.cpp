#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/Properties.h"
#include "doc/KelvoDoc.h"
#include "doc/StartCheck.h"
#include "doc/StorageSettings.h"
#include "support/DeviceFolders.h"
#include "support/TempDevice.h"

using namespace kelvo;
using namespace kelvo::test;

namespace {

const char* const kProperties = "\\Program Files\\Kelvo\\Kelvo.properties";
const char* const kMain = "\\VexXml\\";
const char* const kCard = "\\Storage Card\\VexXml\\";

struct StorageSettings : ::testing::Test {
    TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc{dev.fs(), prompter, clock};
    std::map<std::string, std::string> day;

    void SetUp() override {
        dev.put("\\Storage Card\\.storage-card", "");
        for (const char* name : {"Config.xml", "Flags.xml", "Route_21_20061205.xml",
                                 "Route_22_20061205.xml", "Safety.xml"}) {
            day[name] = dayFile(name);
        }
        day["Call_0001.wav"] = std::string("RIFF\0\0\0\0WAVE", 12);
        for (const auto& [name, bytes] : day) {
            dev.put(kMain + name, bytes);
        }
        dev.put("\\Program Files\\Kelvo\\Kelvo.properties", "Storagelocation=\\");
    }
    void expectDayIn(const std::string& folder) {
        EXPECT_EQ(dev.count(folder), day.size()) << folder;
        for (const auto& [name, bytes] : day) {
            EXPECT_EQ(dev.read(folder + name), bytes) << folder << name;
        }
    }
};

}  // namespace

TEST_F(StorageSettings, PlacesAreMainMemoryAndTheStorageCards) {
    dev.put("\\SD Card\\.storage-card", "");
    dev.put("\\My Documents\\readme.txt", "not a card");
    EXPECT_EQ(storagePlaces(dev.fs()),
              (std::vector<std::string>{"Main Memory", "SD Card", "Storage Card"}));

    TempDevice bare;
    EXPECT_EQ(storagePlaces(bare.fs()), std::vector<std::string>{"Main Memory"});
}

TEST_F(StorageSettings, MovingToACardAndBackKeepsEveryFile) {
    dev.put("\\Storage Card\\VexXml\\Route_5_20061201.xml", "an old day's file on the card");

    ASSERT_TRUE(changeStorageLocation(doc, "Storage Card"));
    EXPECT_EQ(doc.StorageLocation(), "Storage Card");
    EXPECT_EQ(doc.DataFolder(), kCard);
    expectDayIn(kCard);  // the card's old file is gone, it would have mixed two days
    EXPECT_EQ(dev.count(kMain), 0u);
    EXPECT_EQ(dev.read(kProperties), "Storagelocation=Storage Card");
    EXPECT_EQ(readStorageLocation(dev.fs()), "Storage Card");

    ASSERT_TRUE(changeStorageLocation(doc, "Main Memory"));
    EXPECT_EQ(doc.StorageLocation(), "");
    expectDayIn(kMain);
    EXPECT_EQ(dev.count(kCard), 0u);
    EXPECT_EQ(dev.read(kProperties), "Storagelocation=");
    EXPECT_EQ(readStorageLocation(dev.fs()), "");
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(StorageSettings, SavingTheSamePlaceOnlyRewritesTheProperties) {
    dev.put("\\Storage Card\\VexXml\\Flags.xml", "the card's own");
    ASSERT_TRUE(changeStorageLocation(doc, "Main Memory"));
    expectDayIn(kMain);
    EXPECT_EQ(dev.read("\\Storage Card\\VexXml\\Flags.xml"), "the card's own");
    EXPECT_EQ(dev.read(kProperties), "Storagelocation=");

    doc.SetStorageLocation("Storage Card");
    dev.put(kProperties, "Storagelocation=Storage Card\r\n");
    ASSERT_TRUE(changeStorageLocation(doc, "Storage Card"));
    EXPECT_EQ(dev.read("\\Storage Card\\VexXml\\Flags.xml"), "the card's own");
    expectDayIn(kMain);
    EXPECT_EQ(dev.read(kProperties), "Storagelocation=Storage Card");
}

// Faults during a move to the card: a full card (it takes 3000 bytes more), a properties file
// that cannot be written, and the card taken out after the third change to it. Each time the
// data stay whole in main memory, which the properties file still names, and the card keeps
// no half or empty file (a full card kept Config.xml at 0 bytes, and the undo copied it back).
TEST_F(StorageSettings, AMoveThatFailsLosesNothingAndKeepsTheOldPlace) {
    const std::filesystem::path card = dev.root() / "Storage Card";
    const std::filesystem::path properties = dev.root() / "Program Files" / "Kelvo";
    const struct {
        const char* name;
        std::function<FsFaultHook()> hook;
    } faults[] = {
        {"full card",
         [&] {
             auto left = std::make_shared<std::size_t>(3000);
             return [card, left](FsChange change, const std::filesystem::path& p, std::size_t n) {
                 if (change != FsChange::Write || p.string().rfind(card.string(), 0) != 0) {
                     return true;
                 }
                 return *left >= n ? (*left -= n, true) : false;
             };
         }},
        {"properties not writable",
         [&] {
             return [properties](FsChange change, const std::filesystem::path& p, std::size_t) {
                 return change == FsChange::Write || p.parent_path() != properties;
             };
         }},
        {"card taken out",
         [&] {
             auto changes = std::make_shared<int>(0);
             return [card, changes](FsChange, const std::filesystem::path& p, std::size_t) {
                 if (p.string().rfind(card.string(), 0) == 0 && ++*changes == 3) {
                     std::filesystem::remove_all(card);
                 }
                 return true;
             };
         }},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        prompter.clearShown();
        dev.fs().setFaultHook(fault.hook());
        EXPECT_FALSE(changeStorageLocation(doc, "Storage Card"));
        dev.fs().setFaultHook({});
        EXPECT_EQ(doc.StorageLocation(), "");
        expectDayIn(kMain);
        EXPECT_EQ(dev.count(kCard), 0u);
        EXPECT_EQ(readStorageLocation(dev.fs()), "");
        ASSERT_EQ(prompter.shown().size(), 1u);
        EXPECT_EQ(prompter.shown()[0].text,
                  "The data could not be moved to Storage Card. They stay where they were.");
        EXPECT_EQ(prompter.shown()[0].caption, "Error data files");
        // Once the fault is gone, the move goes through.
        dev.put("\\Storage Card\\.storage-card", "");
        ASSERT_TRUE(changeStorageLocation(doc, "Storage Card"));
        expectDayIn(kCard);
        ASSERT_TRUE(changeStorageLocation(doc, "Main Memory"));
    }
}

namespace {
struct MoveKilled {};
}  // namespace

// The program killed at every change a move makes, then started again: every file is whole at
// the place the properties file names, and moving again deletes nothing that only one place
// holds (a kill left the files split, and the next move emptied the card first: 58 files lost).
TEST_F(StorageSettings, AMoveKilledAtAnyPointIsSettledAtTheNextStart) {
    dev.put("\\Storage Card\\VexXml\\Route_5_20061201.xml", "an earlier day's route");
    for (int killAt = 1;; ++killAt) {
        SCOPED_TRACE(killAt);
        auto changes = std::make_shared<int>(0);
        dev.fs().setFaultHook(
            [changes, killAt](FsChange, const std::filesystem::path&, std::size_t) {
                if (++*changes == killAt) {
                    throw MoveKilled{};
                }
                return true;
            });
        bool killed = false;
        try {
            changeStorageLocation(doc, "Storage Card");
        } catch (const MoveKilled&) {
            killed = true;
        }
        dev.fs().setFaultHook({});
        CKelvoDoc restarted{dev.fs(), prompter, clock};
        openStorage(restarted);
        const std::string place = restarted.StorageLocation() == "" ? kMain : kCard;
        expectDayIn(place);
        for (const auto& [name, bytes] : day) {
            EXPECT_FALSE(dev.exists((place == kMain ? kCard : kMain) + name)) << name;
        }
        EXPECT_EQ(dev.read("\\Storage Card\\VexXml\\Earlier\\Route_5_20061201.xml") +
                      dev.read("\\Storage Card\\VexXml\\Route_5_20061201.xml"),
                  "an earlier day's route");
        // Back to the start for the next kill.
        doc.SetStorageLocation(restarted.StorageLocation());
        ASSERT_TRUE(changeStorageLocation(doc, "Main Memory"));
        dev.fs().removeFile("\\Storage Card\\VexXml\\Earlier\\Route_5_20061201.xml");
        dev.put("\\Storage Card\\VexXml\\Route_5_20061201.xml", "an earlier day's route");
        if (!killed) {
            EXPECT_GT(killAt, 10);
            std::printf("a move killed at each of its %d changes\n", killAt - 1);
            break;
        }
    }
}
