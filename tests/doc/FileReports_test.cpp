#include "doc/FileReports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/Route.h"
#include "support/TempDevice.h"

using namespace kelvo;

namespace {

TEST(FileReports, CallsLeftOutAreToldOneByOneWithTheirFile) {
    test::TempDevice dev;
    dev.putFolder("\\VexXml", std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 101, "20061205"));
    ScriptedPrompter prompter;
    reportCallsLeftOut(prompter, route,
                       {{"..\\..\\Program Files", ""}, {"2006-7", "\\VexXml\\Call_2006-7.xml"}});
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].caption, "Load Error");
    EXPECT_EQ(prompter.shown()[0].text, "The call ..\\..\\Program Files in " + route.FilePath() +
                                            " cannot name a file and is left out.");
    EXPECT_EQ(prompter.shown()[1].text, "Error Opening call XML: \\VexXml\\Call_2006-7.xml");
    prompter.clearShown();
    reportCallsLeftOut(prompter, route, {});
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(FileReports, ACustomerFileIsToldOnlyWhenItCannotBeUsed) {
    CustomerFile file("GarmentFlags_");
    ScriptedPrompter prompter;
    for (const LoadResult quiet : {LoadResult::Unchanged, LoadResult::Read, LoadResult::Missing}) {
        reportFileRead(prompter, file, 4711, {quiet, 0});
    }
    EXPECT_TRUE(prompter.shown().empty());
    reportFileRead(prompter, file, 4711, {LoadResult::Damaged, 0});
    reportFileRead(prompter, file, 1e300, {LoadResult::Refused, 0});
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].text,
              "Cannot read \\VexXml\\GarmentFlags_4711.xml. The file is kept as it is, and nothing "
              "is saved to it until it can be read.");
    EXPECT_EQ(prompter.shown()[1].caption, "Load Error");
    EXPECT_NE(prompter.shown()[1].text.find("cannot name a file."), std::string::npos);
    prompter.clearShown();
    // Numbers beyond what a file carries are told once, naming the file.
    reportFileRead(prompter, file, 4711, {LoadResult::Read, 3});
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_NE(prompter.shown()[0].text.find("GarmentFlags_4711.xml"), std::string::npos);
}

}  // namespace
