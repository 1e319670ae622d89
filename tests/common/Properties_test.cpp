#include "common/Properties.h"

#include <gtest/gtest.h>

#include "support/TempDevice.h"

using namespace kelvo;

namespace {

const std::string kPropertiesFile = "\\Program Files\\Kelvo\\Kelvo.properties";

}  // namespace

// The device's settings sit on the lines after the storage location: found by key without
// regard to case, without the line end of a file edited on a desktop and the blanks around.
TEST(Properties, SettingsAfterTheStorageLocation) {
    test::TempDevice dev;
    EXPECT_EQ(readProperty(dev.fs(), "BeltPrinter"), std::nullopt);
    EXPECT_FALSE(dev.exists(kPropertiesFile));  // asking does not create the file

    dev.put(kPropertiesFile,
            "Storagelocation=Card\r\nbeltprinter = 10.0.0.7:9100 \r\nEmpty=\nOther");
    EXPECT_EQ(readProperty(dev.fs(), "BeltPrinter"), "10.0.0.7:9100");
    EXPECT_EQ(readProperty(dev.fs(), "Empty"), "");
    EXPECT_EQ(readProperty(dev.fs(), "Other"), std::nullopt);
    EXPECT_EQ(readProperty(dev.fs(), "Storagelocation"), "Card");
    EXPECT_EQ(readStorageLocation(dev.fs()), "Card");
}

// Moving the data folder rewrites the storage location and keeps every setting; a file of
// the storage location alone keeps its one line without a line end.
TEST(Properties, AStorageMoveKeepsTheSettings) {
    test::TempDevice dev;
    ASSERT_TRUE(writeStorageLocation(dev.fs(), "Card"));
    EXPECT_EQ(dev.read(kPropertiesFile), "Storagelocation=Card");

    dev.put(kPropertiesFile, "Storagelocation=Card\r\nBeltPrinter=/dev/rfcomm0\r\n");
    ASSERT_TRUE(writeStorageLocation(dev.fs(), ""));
    EXPECT_EQ(dev.read(kPropertiesFile), "Storagelocation=\r\nBeltPrinter=/dev/rfcomm0\r\n");
    EXPECT_EQ(readStorageLocation(dev.fs()), "");

    // A setting written above the storage location by hand stays, below it.
    dev.put(kPropertiesFile, "BeltPrinter=10.0.0.7");
    ASSERT_TRUE(writeStorageLocation(dev.fs(), "Card"));
    EXPECT_EQ(dev.read(kPropertiesFile), "Storagelocation=Card\nBeltPrinter=10.0.0.7");
    EXPECT_EQ(readStorageLocation(dev.fs()), "Card");
    EXPECT_EQ(readProperty(dev.fs(), "BeltPrinter"), "10.0.0.7");
}
