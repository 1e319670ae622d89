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
    const Outcome flagged = storeScan(s.doc, ScanMode::Flag, 1, "00A1B2C3", "Left sleeve");
    EXPECT_TRUE(flagged.done);
    EXPECT_TRUE(flagged.notices.empty());
    EXPECT_EQ(flagged.written, std::vector<std::string>{kFlags});
    EXPECT_EQ(storeScan(s.doc, ScanMode::Replace, 4, "00A1B2C3", "R-17").written,
              std::vector<std::string>{kReplace});
    const Outcome none = storeScan(s.doc, ScanMode::Replace, -1, "00A1B2C4", "");
    EXPECT_FALSE(none.done);
    EXPECT_TRUE(none.written.empty());
    ASSERT_EQ(none.notices.size(), 1u);
    EXPECT_EQ(none.notices[0].text, "No Reason Code selected!");
    EXPECT_EQ(test::elementText(s.dev.read(kFlags), "FlagID"), "2");
    EXPECT_EQ(test::elementText(s.dev.read(kReplace), "Reason"), "WO");
    EXPECT_EQ(test::elementText(s.dev.read(kReplace), "Ref"), "R-17");
}

TEST(ScanOps, RefusalsAndUnreadableFilesAreToldWithTheirFile) {
    test::StopDocument s;
    test::workAtStop(s.dev, s.doc, 0);
    const std::string damaged = "<GarmentFlags><Garment><ID>A1";
    s.dev.put(kFlags, damaged);
    ASSERT_TRUE(openScan(s.doc));
    ASSERT_EQ(s.prompter.shown().size(), 1u);
    EXPECT_EQ(s.prompter.shown()[0].caption, "Load Error");
    EXPECT_EQ(s.prompter.shown()[0].text,
              std::string("Cannot read ") + kFlags +
                  ". The file is kept as it is, and nothing is saved to it until it can be read.");
    struct Case {
        const char* code;
        const char* message;
    } const cases[] = {
        {"", "Invalid data: Please fill ID Code first!"},
        // The lengths as the configuration lists them, without the last comma.
        {"012345", "Invalid length ID Code: Only ID Codes with lengths: 8, 10 are valid!"},
        {"0123456G", "Invalid ID Code: Valid chars are 0..9 and A..F!"},
        {"00A1B2C3", "Error data files: \\VexXml\\GarmentFlags_20117.xml could not be read, so "
                     "nothing is saved to it."},
    };
    for (const Case& c : cases) {
        const Outcome refusal = storeScan(s.doc, ScanMode::Flag, 1, c.code, "");
        EXPECT_FALSE(refusal.done);
        EXPECT_TRUE(refusal.written.empty());
        ASSERT_EQ(refusal.notices.size(), 1u) << c.code;
        EXPECT_EQ(refusal.notices[0].caption + ": " + refusal.notices[0].text, c.message);
    }
    EXPECT_EQ(s.dev.read(kFlags), damaged);
    // The replacements have a file of their own, read and written as usual.
    EXPECT_TRUE(storeScan(s.doc, ScanMode::Replace, 4, "00A1B2C3", "").done);
    const Outcome again = storeScan(s.doc, ScanMode::Replace, 4, "00A1B2C3", "");
    EXPECT_FALSE(again.done);
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text, "Same flag on the same garment is not allowed!");
}

}  // namespace
