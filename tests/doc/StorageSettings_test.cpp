#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/Properties.h"
#include "doc/KelvoDoc.h"
#include "doc/StorageSettings.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

const char* const kProperties = "\\Program Files\\Kelvo\\Kelvo.properties";
const char* const kMain = "\\VexXml\\";
const char* const kCard = "\\Storage Card\\VexXml\\";

std::string dayFile(const std::string& name) {
    return kelvo::test::readHostFile(kelvo::test::fixture("day/delivery/" + name));
}

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

TEST_F(StorageSettings, AMoveThatFailsPartWayLosesNothingAndKeepsTheOldPlace) {
    // A folder on the card where a data file should go blocks that one file's move.
    ASSERT_TRUE(dev.fs().createFolder("\\Storage Card\\VexXml\\Route_22_20061205.xml"));

    EXPECT_FALSE(changeStorageLocation(doc, "Storage Card"));
    EXPECT_EQ(doc.StorageLocation(), "");
    expectDayIn(kMain);
    EXPECT_EQ(dev.count(kCard), 0u);
    EXPECT_EQ(dev.read(kProperties), "Storagelocation=\\");
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text,
              "The data could not be moved to Storage Card. They stay where they were.");
    EXPECT_EQ(prompter.shown()[0].caption, "Error data files");
    EXPECT_EQ(prompter.shown()[0].icon, MessageIcon::Warning);
}
