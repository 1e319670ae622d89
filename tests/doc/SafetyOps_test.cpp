#include "doc/SafetyOps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "support/TempDevice.h"

using namespace kelvo;

// The truck the "DUD" laundry's driver chose goes into the checklist and is saved with it;
// until the save the file keeps the truck it had.
TEST(SafetyOps, TheChosenTruckIsSavedWithTheChecklist) {
    test::TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc(dev.fs(), prompter, clock);
    dev.put("\\VexXml\\Safety.xml", "<SafetyChecks>\r\n\t<TruckID>T14</TruckID>\r\n</SafetyChecks>");
    doc.SafetyChecks().SetPath("");
    ASSERT_TRUE(doc.SafetyChecks().Load(dev.fs()));
    chooseSafetyTruck(doc, "T21");
    EXPECT_EQ(doc.SafetyChecks().TruckID(), "T21");
    EXPECT_NE(dev.read("\\VexXml\\Safety.xml").find("<TruckID>T14</TruckID>"), std::string::npos);
    ASSERT_TRUE(saveSafetyChecks(doc));
    EXPECT_NE(dev.read("\\VexXml\\Safety.xml").find("<TruckID>T21</TruckID>"), std::string::npos);
    EXPECT_TRUE(prompter.shown().empty());
}

namespace {

// A checklist of two unanswered items, read into the document.
struct SafetyDevice {
    test::TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc{dev.fs(), prompter, clock};

    SafetyDevice() {
        dev.put("\\VexXml\\Safety.xml",
                "<SafetyChecks>\r\n\t<TruckID>T14</TruckID>"
                "\r\n\t<SafetyCheck><Code>BR</Code><Description>Brakes</Description>"
                "<Ok>N</Ok><NeedMaintenance>N</NeedMaintenance></SafetyCheck>"
                "\r\n\t<SafetyCheck><Code>LT</Code><Description>Lights</Description>"
                "<Ok>N</Ok><NeedMaintenance>N</NeedMaintenance></SafetyCheck>"
                "\r\n</SafetyChecks>");
        doc.SafetyChecks().SetPath("");
        EXPECT_TRUE(doc.SafetyChecks().Load(dev.fs()));
    }
    const CSafetyCheck& item(std::size_t i) const { return doc.SafetyChecks().At(i); }
};

}  // namespace

// A tap marks one box of the item and clears the other; a tap beyond the list changes nothing.
TEST(SafetyOps, MarkingOneAnswerClearsTheOther) {
    SafetyDevice d;
    markSafetyCheck(d.doc, 1, SafetyAnswer::NeedMaintenance, true);
    EXPECT_EQ(d.item(1).NeedMaintenance, 'Y');
    EXPECT_EQ(d.item(1).Ok, 'N');
    markSafetyCheck(d.doc, 1, SafetyAnswer::Ok, true);
    EXPECT_EQ(d.item(1).Ok, 'Y');
    EXPECT_EQ(d.item(1).NeedMaintenance, 'N');
    EXPECT_EQ(d.item(0).Ok, 'N');
    markSafetyCheck(d.doc, 0, SafetyAnswer::Ok, true);
    EXPECT_TRUE(d.doc.SafetyChecks().IsComplete());
    markSafetyCheck(d.doc, 0, SafetyAnswer::Ok, false);
    EXPECT_FALSE(d.doc.SafetyChecks().IsComplete());
    markSafetyCheck(d.doc, 2, SafetyAnswer::Ok, true);
    EXPECT_EQ(d.doc.SafetyChecks().Count(), 2U);
    // Marks live in memory until a save.
    EXPECT_EQ(d.dev.read("\\VexXml\\Safety.xml").find("<Ok>Y</Ok>"), std::string::npos);
}

// Cancel drops the unsaved marks by reading the file again; when the file cannot be read the
// driver is told and the marks stay, so nothing looks dropped that was not.
TEST(SafetyOps, CancelDropsUnsavedMarksOrSaysWhyNot) {
    SafetyDevice d;
    markSafetyCheck(d.doc, 0, SafetyAnswer::Ok, true);
    ASSERT_TRUE(cancelSafetyChecks(d.doc));
    EXPECT_EQ(d.item(0).Ok, 'N');
    EXPECT_TRUE(d.prompter.shown().empty());

    markSafetyCheck(d.doc, 1, SafetyAnswer::NeedMaintenance, true);
    std::filesystem::remove(d.dev.root() / "VexXml" / "Safety.xml");
    EXPECT_FALSE(cancelSafetyChecks(d.doc));
    EXPECT_EQ(d.item(1).NeedMaintenance, 'Y');
    ASSERT_EQ(d.prompter.shown().size(), 1U);
    EXPECT_EQ(d.prompter.shown()[0].caption, "Load Error");
    EXPECT_NE(d.prompter.shown()[0].text.find("\\VexXml\\Safety.xml"), std::string::npos);
}
