#include "doc/ScanOps.h"

#include <gtest/gtest.h>

#include "support/SampleStop.h"

using namespace kelvo;

namespace {

// Stop 1 of route 101 of the sample day, customer 20117.
constexpr const char* kFlags = "\\VexXml\\GarmentFlags_20117.xml";
constexpr const char* kReplace = "\\VexXml\\GarmentsToReplace_20117.xml";

TEST(ScanOps, ScannedGarmentIsStoredInTheModesFile) {
    test::StopDocument s;
    test::workAtStop(s.dev, s.doc, 0);
    ASSERT_TRUE(openScan(s.doc));
    EXPECT_EQ(scanChoices(s.doc, ScanMode::Flag).front(), "Stain");
    // Only reasons outside the undeliverable, loss and billing groups replace a garment.
    EXPECT_EQ(scanChoices(s.doc, ScanMode::Replace),
              (std::vector<std::string>{"Extra demand", "Size change", "New employee",
                                        "Employee left", "Worn out", "Repair & return"}));
    // The configuration allows 8 and 10 characters.
    EXPECT_EQ(checkScannedCode(s.doc, "00a1b2c3d4e").Text, "00A1B2C3D4");
    EXPECT_EQ(storeScan(s.doc, ScanMode::Flag, 1, "00A1B2C3", "Left sleeve"), std::nullopt);
    EXPECT_EQ(storeScan(s.doc, ScanMode::Replace, 4, "00A1B2C3", "R-17"), std::nullopt);
    const auto none = storeScan(s.doc, ScanMode::Replace, -1, "00A1B2C4", "");
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->text, "No Reason Code selected!");
    EXPECT_EQ(test::elementText(s.dev.read(kFlags), "FlagID"), "2");
    EXPECT_EQ(test::elementText(s.dev.read(kReplace), "Reason"), "WO");
    EXPECT_EQ(test::elementText(s.dev.read(kReplace), "Ref"), "R-17");
}

}  // namespace
