#include "model/ConfigData.h"

#include <gtest/gtest.h>

#include <string>

#include "common/DataPaths.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kDataConfig = "\\VexXml\\Config.xml";
const std::string kImportConfig = std::string(kImportFolder) + "Config.xml";

// A configuration that differs from the others only in its plant name.
std::string configNamed(const std::string& plant) {
    return "<Config><FileVersion>10.00</FileVersion><PlantName>" + plant + "</PlantName></Config>";
}

}  // namespace

TEST(ConfigData, ReadsEveryField) {
    TempDevice dev;
    dev.putFixture(kDataConfig, fixture("config/Config.xml"));
    ConfigData config;
    config.SetRoot("");
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.FileVersion(), "10.00");
    EXPECT_EQ(config.PlantName(), "Brightwater Linen & Uniform");
    EXPECT_EQ(config.PlantAddress(), "1200 Harbor Road");
    EXPECT_EQ(config.PlantCity(), "Millbrook");
    EXPECT_EQ(config.PlantState(), "OH");
    EXPECT_EQ(config.PlantZip(), "44101");
    EXPECT_EQ(config.PriceDecimals(), 3);
    EXPECT_EQ(config.RouteManNumber(), 417);
    EXPECT_EQ(config.RouteManName(), "Dana Kowalski");
    EXPECT_EQ(config.TruckCode(), "T-07");
    EXPECT_EQ(config.TruckDescription(), "Box truck 7.5t");
    EXPECT_EQ(config.PlantNumber(), "012");
    EXPECT_EQ(config.AllowAdjustmentDelQty(), 'Y');
    EXPECT_EQ(config.GarmentOrderingActive(), 'N');
    EXPECT_EQ(config.WearerInventoryPrice(), 'Y');
    // Children of any tag, in file order; the maximum is not simply the last one.
    EXPECT_EQ(config.IDCodeLengths(), " 8, 12, 10,");
    EXPECT_EQ(config.MaxIDCodeLength(), 12);
    EXPECT_EQ(config.LaundryCode(), "DUD");
    EXPECT_TRUE(config.IsDud());
    EXPECT_EQ(config.AllowInvoiceAdjust(), 'N');
    EXPECT_EQ(config.VoiceRecording(), 'Y');
    EXPECT_EQ(config.DefaultWearernr(), 99999);
}

TEST(ConfigData, MissingFieldsAreEmpty) {
    TempDevice dev;
    dev.put(kDataConfig, "<Anything><FileVersion>10.00</FileVersion></Anything>");
    ConfigData config;
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.PlantName(), "");
    EXPECT_EQ(config.PriceDecimals(), 0);
    EXPECT_EQ(config.RouteManNumber(), 0);
    EXPECT_EQ(config.IDCodeLengths(), "");
    EXPECT_EQ(config.MaxIDCodeLength(), 0);
    EXPECT_EQ(config.LaundryCode(), "");
    EXPECT_FALSE(config.IsDud());
    EXPECT_NE(config.AllowInvoiceAdjust(), 'Y');
}

TEST(ConfigData, FileLocations) {
    TempDevice dev;
    ConfigData config;
    EXPECT_FALSE(config.Load(dev.fs()));

    // Before any import the configuration is read from the import folder.
    dev.put(kImportConfig, configNamed("Import"));
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.PlantName(), "Import");

    // Once the data folder holds one, that one counts.
    dev.put(kDataConfig, configNamed("Data"));
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.PlantName(), "Data");
}

TEST(ConfigData, StorageLocationIsTheDataRoot) {
    TempDevice dev;
    dev.put(kDataConfig, configNamed("Device root"));
    dev.put("\\Storage Card\\VexXml\\Config.xml", configNamed("Card"));
    ConfigData config;
    config.SetRoot("Storage Card");
    EXPECT_EQ(config.DataRoot(), "\\Storage Card");
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.PlantName(), "Card");

    config.SetRoot("");
    EXPECT_EQ(config.DataRoot(), "");
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.PlantName(), "Device root");

    // The import folder is always on the device root, also for a storage card.
    TempDevice fresh;
    fresh.put(kImportConfig, configNamed("Import"));
    ConfigData onCard;
    onCard.SetRoot("Storage Card");
    ASSERT_TRUE(onCard.Load(fresh.fs()));
    EXPECT_EQ(onCard.PlantName(), "Import");
}

TEST(ConfigData, AnOtherVersionStopsAfterAllowAdjustmentDelQty) {
    TempDevice dev;
    dev.putFixture(kDataConfig, fixture("config/Config.xml"));
    ConfigData config;
    ASSERT_TRUE(config.Load(dev.fs()));

    dev.putFixture(kDataConfig, fixture("config/Config_v950.xml"));
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_FALSE(versionMatches(config.FileVersion()));
    // Read up to the gate ...
    EXPECT_EQ(config.FileVersion(), "9.50");
    EXPECT_EQ(config.PlantName(), "Old Plant");
    EXPECT_EQ(config.PriceDecimals(), 2);
    EXPECT_EQ(config.RouteManNumber(), 12);
    EXPECT_EQ(config.PlantNumber(), "001");
    EXPECT_EQ(config.AllowAdjustmentDelQty(), 'N');
    // ... and everything after it as before.
    EXPECT_EQ(config.GarmentOrderingActive(), 'N');
    EXPECT_EQ(config.WearerInventoryPrice(), 'Y');
    EXPECT_EQ(config.IDCodeLengths(), " 8, 12, 10,");
    EXPECT_EQ(config.MaxIDCodeLength(), 12);
    EXPECT_EQ(config.LaundryCode(), "DUD");
    EXPECT_EQ(config.AllowInvoiceAdjust(), 'N');
    EXPECT_EQ(config.VoiceRecording(), 'Y');
    EXPECT_EQ(config.DefaultWearernr(), 99999);
}

TEST(ConfigData, VersionMatchesTheWholeNumberOfTheProgram) {
    for (const char* good : {"10.00", "10.25", "10", "10.99", " 10.5", "10.00 beta"}) {
        EXPECT_TRUE(versionMatches(good)) << good;
    }
    for (const char* bad : {"9.99", "11.00", "9.50", "", "ten", "1e300", "-10.00", "100"}) {
        EXPECT_FALSE(versionMatches(bad)) << bad;
    }
}

TEST(ConfigData, IdCodeLengths) {
    TempDevice dev;
    ConfigData config;
    dev.put(kDataConfig,
            "<Config><FileVersion>10.00</FileVersion>"
            "<IDCodeLengths><L>8</L><L>10</L></IDCodeLengths></Config>");
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.IDCodeLengths(), " 8, 10,");
    EXPECT_EQ(config.MaxIDCodeLength(), 10);

    // Emptied on every load, not appended to.
    dev.put(kDataConfig,
            "<Config><FileVersion>10.00</FileVersion><IDCodeLengths></IDCodeLengths></Config>");
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.IDCodeLengths(), "");
    EXPECT_EQ(config.MaxIDCodeLength(), 0);
}

TEST(ConfigData, LaundryCodeIsCaseSensitive) {
    TempDevice dev;
    ConfigData config;
    dev.put(kDataConfig,
            "<Config><FileVersion>10.00</FileVersion><LaundryCode>dud</LaundryCode></Config>");
    ASSERT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.LaundryCode(), "dud");
    EXPECT_FALSE(config.IsDud());
}

TEST(ConfigData, ANotWellFormedDataFileIsStillTheOneRead) {
    TempDevice dev;
    dev.put(kDataConfig, "<Config><FileVersion>10.00</FileVersion>");
    dev.put(kImportConfig, configNamed("Import"));
    ConfigData config;
    EXPECT_TRUE(config.Load(dev.fs()));
    EXPECT_EQ(config.FileVersion(), "");
    EXPECT_EQ(config.PlantName(), "");
}
