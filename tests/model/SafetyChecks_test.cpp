#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "model/SafetyChecks.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kSafety = "\\VexXml\\Safety.xml";

// A checklist loaded from the fixture `name` placed as the device's Safety.xml.
CSafetyChecks loaded(const TempDevice& dev, const char* name) {
    dev.putFixture(kSafety, fixture(std::string("safety/") + name));
    CSafetyChecks checks;
    EXPECT_TRUE(checks.Load(dev.fs()));
    return checks;
}

std::string marks(const CSafetyChecks& checks) {
    std::string out;
    for (std::size_t i = 0; i < checks.Count(); ++i) {
        out += checks.At(i).Ok;
        out += checks.At(i).NeedMaintenance;
        out += ' ';
    }
    return out;
}

}  // namespace

TEST(SafetyChecksLoad, TruckFirstThenItemsInFileOrder) {
    TempDevice dev;
    const CSafetyChecks checks = loaded(dev, "Safety.xml");
    EXPECT_EQ(checks.TruckID(), "TR-12");
    ASSERT_EQ(checks.Count(), 6u);
    EXPECT_EQ(checks.At(0).Code, "BRK");
    EXPECT_EQ(checks.At(1).Description, "Lights & signals");
    EXPECT_EQ(checks.At(5).Description, "Oil level <min>");
    EXPECT_EQ(marks(checks), "NN YN NY NN NN NN ");
}

TEST(SafetyChecksLoad, TruckFoundByTagAndMissingMarksReadAsN) {
    // Items before the truck, a comment, an item with another tag, missing and empty marks.
    TempDevice dev;
    const CSafetyChecks checks = loaded(dev, "Safety_unordered.xml");
    EXPECT_EQ(checks.TruckID(), "TR-07");
    ASSERT_EQ(checks.Count(), 3u);
    EXPECT_EQ(checks.At(0).Code, "BRK");
    EXPECT_EQ(checks.At(1).Code, "LGT");
    EXPECT_EQ(checks.At(2).Code, "TYR");
    EXPECT_EQ(marks(checks), "YN NN NY ");
    EXPECT_FALSE(checks.At(1).IsAnswered());
}

TEST(SafetyChecksLoad, OtherFirstChildIsAHeader) {
    TempDevice dev;
    dev.put(kSafety,
            "<SafetyChecks><Header><TruckID>H-1</TruckID></Header>"
            "<SafetyCheck><Code>A</Code></SafetyCheck></SafetyChecks>");
    CSafetyChecks checks;
    ASSERT_TRUE(checks.Load(dev.fs()));
    EXPECT_EQ(checks.TruckID(), "H-1");
    ASSERT_EQ(checks.Count(), 1u);
    EXPECT_EQ(checks.At(0).Code, "A");
}

TEST(SafetyChecksLoad, MissingFileKeepsTheListBrokenFileEmptiesIt) {
    TempDevice dev;
    CSafetyChecks checks;
    EXPECT_FALSE(checks.Load(dev.fs()));
    EXPECT_EQ(checks.Count(), 0u);
    EXPECT_TRUE(checks.IsComplete());

    checks = loaded(dev, "Safety.xml");
    ASSERT_TRUE(dev.fs().removeFile(kSafety));
    EXPECT_FALSE(checks.Load(dev.fs()));
    EXPECT_EQ(checks.TruckID(), "TR-12");
    EXPECT_EQ(checks.Count(), 6u);

    dev.put(kSafety, "<SafetyChecks><TruckID>X</TruckID><SafetyCheck>");
    EXPECT_TRUE(checks.Load(dev.fs()));
    EXPECT_EQ(checks.TruckID(), "");
    EXPECT_EQ(checks.Count(), 0u);
}

TEST(SafetyChecksMarks, MarksAreExclusiveAndUnmarkingLeavesBothN) {
    TempDevice dev;
    CSafetyChecks checks = loaded(dev, "Safety.xml");
    // Item 2 needs maintenance; marking Ok clears that.
    checks.MarkOk(2, true);
    EXPECT_EQ(checks.At(2).Ok, 'Y');
    EXPECT_EQ(checks.At(2).NeedMaintenance, 'N');
    // And the other way round on item 1, which was Ok.
    checks.MarkNeedMaintenance(1, true);
    EXPECT_EQ(checks.At(1).Ok, 'N');
    EXPECT_EQ(checks.At(1).NeedMaintenance, 'Y');
    // Unmarking touches only its own mark.
    checks.MarkOk(2, false);
    EXPECT_EQ(checks.At(2).Ok, 'N');
    EXPECT_EQ(checks.At(2).NeedMaintenance, 'N');
    EXPECT_FALSE(checks.At(2).IsAnswered());
    checks.MarkOk(0, true);
    checks.MarkNeedMaintenance(0, false);
    EXPECT_EQ(checks.At(0).Ok, 'Y');
    EXPECT_TRUE(checks.At(0).IsAnswered());
}

TEST(SafetyChecksMarks, CompleteWhenEveryItemIsAnswered) {
    CSafetyChecks checks;
    EXPECT_TRUE(checks.IsComplete());  // nothing to check
    checks.Add({"A", "Brakes", 'N', 'N'});
    checks.Add({"B", "Lights", 'N', 'N'});
    EXPECT_FALSE(checks.IsComplete());
    checks.MarkOk(0, true);
    EXPECT_FALSE(checks.IsComplete());
    checks.MarkNeedMaintenance(1, true);
    EXPECT_TRUE(checks.IsComplete());
    checks.MarkNeedMaintenance(1, false);
    EXPECT_FALSE(checks.IsComplete());
    // Any character other than 'N' counts as an answer.
    checks.At(1).Ok = 'X';
    EXPECT_TRUE(checks.IsComplete());
}

TEST(SafetyChecksMarks, PageAnsweredCountsOnlyExistingItems) {
    TempDevice dev;
    CSafetyChecks checks = loaded(dev, "Safety.xml");
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_FALSE(checks.AreAnswered(0, 4)) << i;
        checks.MarkOk(i, true);
    }
    EXPECT_TRUE(checks.AreAnswered(0, 4));
    EXPECT_FALSE(checks.AreAnswered(4, 4));  // items 5 and 6 open; 7 and 8 do not exist
    checks.MarkOk(4, true);
    checks.MarkNeedMaintenance(5, true);
    EXPECT_TRUE(checks.AreAnswered(4, 4));
    EXPECT_TRUE(checks.AreAnswered(8, 4));  // an empty page
    EXPECT_TRUE(checks.IsComplete());
}

TEST(SafetyChecksSave, WritesTruckFirstAndEveryItemByteForByte) {
    TempDevice dev;
    CSafetyChecks checks = loaded(dev, "Safety.xml");
    checks.SetTruckID("VAN & CO <2>");
    checks.MarkOk(0, true);
    checks.MarkNeedMaintenance(1, true);
    checks.MarkOk(2, true);
    checks.MarkOk(3, true);
    checks.MarkOk(3, false);
    ASSERT_TRUE(checks.Save(dev.fs()));
    // Unanswered items are written too, with their two 'N's.
    EXPECT_EQ(dev.read(kSafety), readHostFile(fixture("safety/Safety_marked.xml")));
    // No temporary file is left behind in the host folder either.
    const auto folder = dev.fs().hostPath("\\VexXml");
    ASSERT_TRUE(folder.has_value());
    const auto entries = std::distance(std::filesystem::directory_iterator(*folder),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);
}

TEST(SafetyChecksSave, LoadSaveRoundTripKeepsTheBytes) {
    TempDevice dev;
    CSafetyChecks checks = loaded(dev, "Safety.xml");
    ASSERT_TRUE(checks.Save(dev.fs()));
    EXPECT_EQ(dev.read(kSafety), readHostFile(fixture("safety/Safety.xml")));

    // An empty checklist still names its truck.
    CSafetyChecks empty;
    empty.SetPath("Card");
    empty.SetTruckID("T9");
    ASSERT_TRUE(dev.fs().createFolder("\\Card\\VexXml"));
    ASSERT_TRUE(empty.Save(dev.fs()));
    EXPECT_EQ(dev.read("\\Card\\VexXml\\Safety.xml"),
              "<SafetyChecks>\r\n\t<TruckID>T9</TruckID>\r\n</SafetyChecks>");
}

TEST(SafetyChecksSave, CancelReloadsTheLastSavedFile) {
    TempDevice dev;
    CSafetyChecks checks = loaded(dev, "Safety.xml");
    checks.MarkOk(0, true);
    ASSERT_TRUE(checks.Save(dev.fs()));
    const std::string saved = dev.read(kSafety);

    // Marks made after the save are discarded by Cancel, which reloads the file.
    checks.MarkNeedMaintenance(0, true);
    checks.MarkOk(4, true);
    checks.SetTruckID("OTHER");
    ASSERT_TRUE(checks.Load(dev.fs()));
    EXPECT_EQ(checks.TruckID(), "TR-12");
    EXPECT_EQ(marks(checks), "YN YN NY NN NN NN ");
    EXPECT_EQ(dev.read(kSafety), saved);
    EXPECT_EQ(checks.Content(), saved);
}
