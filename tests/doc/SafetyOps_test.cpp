#include "doc/SafetyOps.h"

#include <gtest/gtest.h>

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
