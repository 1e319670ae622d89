#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/Text.h"
#include "model/CallList.h"
#include "model/Route.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kPrefix = "2006120400120007000000004711";  // route 12, stop 7, customer 4711

std::string callPath(const char* sequence) {
    return std::string("\\VexXml\\Call_") + kPrefix + sequence + ".xml";
}

// Route 12 of 4 December 2006 whose only stop, 7 of customer 4711, refers to these calls.
CRoute& routeWithCalls(const TempDevice& dev, CRoute& route, std::string calls) {
    dev.put("\\VexXml\\Route_12_20061204.xml",
            "<Route><Date>20061204</Date><RouteNumber>12</RouteNumber><Stops><Stop>"
            "<StopNumber>7</StopNumber><CustomerNumber>4711</CustomerNumber>"
            "<ContactPersons><ContactPerson><Number>3</Number><Name>Ann</Name></ContactPerson>"
            "</ContactPersons><Calls>" +
                calls + "</Calls></Stop></Stops></Route>");
    EXPECT_TRUE(route.Load(dev.fs(), 12, "20061204"));
    return route;
}

std::string callRef(const char* sequence) {
    return std::string("<Call>") + kPrefix + sequence + "</Call>";
}

}  // namespace

TEST(Call, IdentifierPadsEachPart) {
    struct Case {
        const char* date;
        std::int32_t route;
        std::uint32_t stop;
        double customer, sequence;
        const char* id;
    } const cases[] = {
        {"20061204", 12, 7, 4711, 1, "200612040012000700000000471101"},
        {"20061205", 101, 1, 4711, 1, "200612050101000100000000471101"},
        {"20061205", 1234, 9999, 123456789012.0, 99, "200612051234999912345678901299"},
        {"20061205", 1, 2, 3, 100, "2006120500010002000000000003100"},  // 31 characters
    };
    for (const Case& c : cases) {
        EXPECT_EQ(makeCallID(callPrefix(c.date, c.route, c.stop, c.customer), c.sequence), c.id);
    }
}

TEST(Call, FileNamesRefuseIdentifiersThatLeaveTheDataFolder) {
    EXPECT_EQ(voiceRecordingPath("\\Card", "2006"), "\\Card\\VexXml\\Call_2006_T.wav");
    for (const char* id : {"", "..", "a\\b", "a/b"}) {
        EXPECT_EQ(callFilePath("", id), "") << id;
    }
    CCall call;
    call.CallID = "..\\Route_1_20061204";
    TempDevice dev;
    EXPECT_FALSE(call.Save(dev.fs(), ""));
    EXPECT_FALSE(dev.exists("\\Route_1_20061204.xml"));
}

TEST(CallList, SampleCallsAreReadAndWrittenBackByteForByte) {
    TempDevice dev;
    dev.putFolder("\\VexXml", std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 101, "20061205"));
    CCallList calls;
    EXPECT_TRUE(calls.Load(dev.fs(), route, route.Stop(0)).empty());
    ASSERT_EQ(calls.Count(), 1u);
    EXPECT_EQ(calls.At(0).Notes,
              "Asks for a copy of the November statement.\r\nMail it to the office.");
    // Written back unchanged, each call file keeps the back office's bytes.
    const std::pair<std::size_t, const char*> files[] = {{0, "200612050101000100000000471101"},
                                                         {4, "200612050101000500000000229001"},
                                                         {4, "200612050101000500000000229002"}};
    for (const auto& [stop, id] : files) {
        const std::string file = std::string("\\VexXml\\Call_") + id + ".xml";
        const std::string before = dev.read(file);
        EXPECT_TRUE(calls.Load(dev.fs(), route, route.Stop(stop)).empty());
        for (std::size_t i = 0; i < calls.Count(); ++i) {
            ASSERT_TRUE(calls.At(i).Save(dev.fs(), ""));
        }
        EXPECT_EQ(dev.read(file), before) << id;
    }
}

TEST(CallList, UnreadableCallsAreReportedOnceAndLeftOut) {
    TempDevice dev;
    CRoute route;
    routeWithCalls(dev, route,
                   callRef("03") + callRef("01") + "<Call>..\\..\\Program Files</Call>" +
                       callRef("05") + callRef("02"));
    dev.put(callPath("01"), "<Call><NewDate>20061204</NewDate><Status>1</Status></Call>");
    dev.put(callPath("02"), "<Call><Notes>half");
    dev.put(callPath("03"), "<Call><Status>3</Status></Call>");
    CCallList calls;
    std::string leftOut;
    for (const CallLeftOut& call : calls.Load(dev.fs(), route, route.Stop(0))) {
        leftOut += call.CallID + " at '" + call.path + "'\n";
    }
    // An identifier that cannot name a file has no path.
    EXPECT_EQ(leftOut, "..\\..\\Program Files at ''\n" + std::string(kPrefix) + "02 at '" +
                           callPath("02") + "'\n" + kPrefix + "05 at '" + callPath("05") + "'\n");
    ASSERT_EQ(calls.Count(), 2u);
    EXPECT_EQ(calls.At(0).Status, 1);
    EXPECT_EQ(calls.At(1).Status, 3);
    // The calls left out keep their numbers: a new call does not take the file of call 5.
    EXPECT_EQ(calls.HighestSequence(), 5.0);
    EXPECT_EQ(calls.At(*calls.AddNew()).CallID, std::string(kPrefix) + "06");
}

TEST(CallList, NewCallIsSavedWithItsReferenceAndVoiceMessage) {
    TempDevice dev;
    CRoute route;
    routeWithCalls(dev, route, callRef("01"));
    dev.put(callPath("01"),
            "<Call><NewDate>20061204</NewDate><Person>1</Person><Category>SRV</Category>"
            "<Status>1</Status><Notes>Asks for a visit.\nAfter 10.</Notes></Call>");
    CCallList calls;
    EXPECT_TRUE(calls.Load(dev.fs(), route, route.Stop(0)).empty());
    const std::size_t i = *calls.AddNew();
    EXPECT_EQ(calls.AddNew(), i);  // one new call at a time
    EXPECT_TRUE(calls.At(i).IsNew);
    const std::string id = calls.At(i).CallID;
    EXPECT_EQ(id, std::string(kPrefix) + "02");
    dev.put(voiceRecordingPath("", id), "RIFF....WAVE");

    // A call whose file cannot be written stays new and out of the stop's references.
    dev.fs().createFolder(callPath("02"));
    EXPECT_FALSE(calls.Save(dev.fs(), i, route.Stop(0), 3, "CMP", 2, "note"));
    EXPECT_TRUE(calls.At(i).IsNew);
    EXPECT_EQ(route.Stop(0).Calls().size(), 1u);
    EXPECT_TRUE(dev.exists(voiceRecordingPath("", id)));
    std::filesystem::remove(*dev.fs().hostPath(callPath("02")));
    dev.put(voiceRecordingPath("", std::string(kPrefix) + "01"), "x");
    calls.DiscardRecording(dev.fs(), 0);
    EXPECT_FALSE(dev.exists(voiceRecordingPath("", std::string(kPrefix) + "01")));

    ASSERT_TRUE(calls.Save(dev.fs(), i, route.Stop(0), contactPersonNumber(route.Stop(0), "Ann"),
                           "CMP", 2, "Torn sheets & <towels>\nsecond line\r\n\nlast"));
    EXPECT_EQ(dev.read(callPath("02")), readHostFile(fixture("call/Call_new.xml")));
    EXPECT_FALSE(calls.At(i).IsNew);
    ASSERT_EQ(route.Stop(0).Calls().size(), 2u);
    EXPECT_EQ(route.Stop(0).Calls()[1].CallID, id);
    EXPECT_EQ(route.Stop(0).Calls()[1].Sequence, 2.0);
    EXPECT_EQ(dev.read(voiceFilePath("", id)), "RIFF....WAVE");
    EXPECT_FALSE(dev.exists(voiceRecordingPath("", id)));

    // The follow-up of the existing call rewrites its file as it came, plus the follow-up.
    ASSERT_TRUE(calls.Save(dev.fs(), 0, route.Stop(0), 1, "SRV", 4, "Visited\non Monday"));
    EXPECT_EQ(dev.read(callPath("01")), readHostFile(fixture("call/Call_followup.xml")));

    // Saved again, the note is a follow-up; the first note and the date stay.
    ASSERT_TRUE(calls.Save(dev.fs(), i, route.Stop(0), 3, "CMP", 3, "later"));
    EXPECT_EQ(calls.At(i).Notes, "Torn sheets & <towels>\r\nsecond line\r\n\r\nlast");
    EXPECT_EQ(calls.At(i).FollowupNotes, "later");
    EXPECT_EQ(route.Stop(0).Calls().size(), 2u);
    EXPECT_EQ(calls.At(*calls.AddNew()).Sequence, 3.0);
}
