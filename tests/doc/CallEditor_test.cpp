#include "doc/CallEditor.h"

#include <gtest/gtest.h>

#include "doc/VisitOps.h"
#include "support/SampleStop.h"

using namespace kelvo;
using kelvo::test::elementText;

namespace {

// Stop 1 of route 101 (5 December 2006, customer 4711): contact persons Frank Moreno (1),
// Julie Chang (2), Ed Sorensen (4) and one call, sequence 1.
constexpr const char* kFirstCall = "\\VexXml\\Call_200612050101000100000000471101.xml";
constexpr const char* kNewCall = "\\VexXml\\Call_200612050101000100000000471102";

struct CallEditorTest : ::testing::Test {
    CallEditorTest() {
        test::workAtStop(s.dev, s.doc, 0);
        EXPECT_TRUE(editor.Open());
    }

    test::StopDocument s;
    CallEditor editor{s.doc};
};

TEST_F(CallEditorTest, ListsTheStopsCallsWithTheirPersonAndDate) {
    EXPECT_EQ(contactTitle(*selectedStop(s.doc)), "Stop# 1 Account# 4711");
    ASSERT_EQ(editor.Count(), 1u);
    EXPECT_EQ(editor.Row(0), (std::array<std::string, 3>{"1", "05-Dec", "Julie Chang"}));
    const CallFields f = editor.Fields();
    EXPECT_EQ(f.person, 1);
    EXPECT_EQ(f.category, 3);  // INV among CMP, SRV, SAL, INV, GEN
    EXPECT_EQ(f.status, 1);    // "Needs follow-up"
    EXPECT_EQ(f.note, "");     // the follow-up notes
    EXPECT_EQ(CallEditor::StatusNames(),
              (std::vector<std::string>{"New", "Needs follow-up", "In progress", "Closed"}));
}

TEST_F(CallEditorTest, NewCallIsSavedWithTheRouteAndItsVoiceMessage) {
    ASSERT_TRUE(editor.AddNew(editor.Fields(), UnsavedCall::Discard).done);
    ASSERT_EQ(editor.Shown(), 1);
    CallFields f = editor.Fields();
    EXPECT_EQ(f.note, kCallNotePrompt);
    EXPECT_EQ(editor.Row(1), (std::array<std::string, 3>{"2", "05-Dec", ""}));
    s.dev.put(editor.RecordingPath(), "RIFF");
    f.person = 2;    // Ed Sorensen, Number 4
    f.category = 0;  // CMP
    f.status = 2;    // In progress
    f.note = "Wants\nmore mats";
    editor.MarkChanged();
    const Outcome saved = editor.Save(f);
    ASSERT_TRUE(saved.done);
    EXPECT_TRUE(saved.notices.empty());
    EXPECT_EQ(saved.written,
              (std::vector<std::string>{std::string(kNewCall) + ".xml",
                                        std::string(kNewCall) + ".wav", test::kSampleRoute}));
    EXPECT_FALSE(editor.HasChanges());
    const std::string file = s.dev.read(std::string(kNewCall) + ".xml");
    EXPECT_EQ(file,
              "<Call>\r\n\t<NewDate>20061205</NewDate>\r\n\t<Person>4</Person>\r\n\t<Category>"
              "CMP</Category>\r\n\t<Status>3</Status>\r\n\t<Notes>Wants\r\nmore mats</Notes>\r\n\t"
              "<FollowupNotes></FollowupNotes>\r\n</Call>");
    EXPECT_EQ(s.dev.read(std::string(kNewCall) + ".wav"), "RIFF");
    EXPECT_FALSE(s.dev.exists(std::string(kNewCall) + "_T.wav"));
    EXPECT_NE(s.dev.read(test::kSampleRoute).find("<Call>200612050101000100000000471102</Call>"),
              std::string::npos);
    EXPECT_FALSE(editor.ShownIsNew());
    // An existing call saved without a recording writes its file only.
    EXPECT_EQ(editor.Save(editor.Fields()).written,
              (std::vector<std::string>{std::string(kNewCall) + ".xml"}));
}

TEST_F(CallEditorTest, NoteIsSavedOnlyAsTheFileKeepsIt) {
    editor.AddNew(editor.Fields(), UnsavedCall::Discard);
    CallFields f = editor.Fields();
    // The file keeps 255 characters, and a line break takes two of them.
    f.note = std::string(253, 'x') + "\n";
    EXPECT_TRUE(editor.Save(f).done);
    f.note = std::string(254, 'x') + "\n";
    const Outcome refused = editor.Save(f);
    EXPECT_FALSE(refused.done);
    EXPECT_TRUE(refused.written.empty());
    ASSERT_EQ(refused.notices.size(), 1u);
    EXPECT_EQ(refused.notices[0].text,
              "The notes can hold at most 255 characters (a line break counts as two). Please "
              "shorten them.");
    EXPECT_EQ(refused.notices[0].caption, "Invalid data");
    EXPECT_EQ(refused.notices[0].icon, MessageIcon::Warning);
    // The prompt a new call's note starts with is not saved as its note.
    editor.AddNew(editor.Fields(), UnsavedCall::Discard);
    ASSERT_TRUE(editor.Save(editor.Fields()).done);
    EXPECT_EQ(elementText(s.dev.read("\\VexXml\\Call_200612050101000100000000471103.xml"), "Notes"),
              "");
    // The operations ask nothing themselves.
    EXPECT_TRUE(s.prompter.shown().empty());
}

TEST_F(CallEditorTest, UnsavedChangesAreSavedOrDiscardedAsTheDriverAnswered) {
    const std::string before = s.dev.read(kFirstCall);
    EXPECT_FALSE(editor.UnsavedQuestion(true));
    for (const UnsavedCall answer : {UnsavedCall::Discard, UnsavedCall::Save}) {
        const bool saved = answer == UnsavedCall::Save;
        SCOPED_TRACE(saved);
        ASSERT_TRUE(editor.Open());
        CallFields f = editor.Fields();
        f.note = "Sent on 6 Dec";
        editor.MarkChanged();
        s.dev.put(editor.RecordingPath(), "RIFF");
        const std::optional<Message> q = editor.UnsavedQuestion(true);
        ASSERT_TRUE(q);
        EXPECT_EQ(q->text, "Do you want to save ?");
        EXPECT_EQ(q->caption, "Confirm save");
        EXPECT_EQ(q->buttons, MessageButtons::YesNo);
        const Outcome left = editor.Leave(f, answer);
        EXPECT_TRUE(left.done);
        EXPECT_EQ(left.written.size(), saved ? 2u : 0u);
        const std::string file = s.dev.read(kFirstCall);
        EXPECT_EQ(file == before, !saved);
        EXPECT_EQ(s.dev.exists("\\VexXml\\Call_200612050101000100000000471101.wav"), saved);
        EXPECT_FALSE(s.dev.exists(editor.RecordingPath()));
        if (saved) {
            // An existing call keeps its notes; the note field goes into the follow-up.
            EXPECT_EQ(elementText(file, "FollowupNotes"), "Sent on 6 Dec");
            EXPECT_EQ(elementText(file, "Notes"), elementText(before, "Notes"));
        }
    }
    // Another call is preceded by the "changes" question.
    editor.MarkChanged();
    EXPECT_EQ(editor.UnsavedQuestion(false)->text, "Do you want to save changes ?");
    ASSERT_TRUE(editor.AddNew(editor.Fields(), UnsavedCall::Discard).done);
    EXPECT_TRUE(editor.Select(0, editor.Fields(), UnsavedCall::Save).done);
    EXPECT_EQ(editor.Shown(), 0);
    EXPECT_TRUE(s.prompter.shown().empty());
}

TEST_F(CallEditorTest, CallThatCannotBeWrittenStaysUnsavedAndIsReported) {
    editor.AddNew(editor.Fields(), UnsavedCall::Discard);
    editor.MarkChanged();
    // A folder where the call file should go makes the write fail.
    s.dev.put(std::string(kNewCall) + ".xml\\blocker", "");
    // Neither a save nor another call gets past it; the new call stays shown.
    for (const Outcome& failed :
         {editor.Save(editor.Fields()), editor.Select(0, editor.Fields(), UnsavedCall::Save)}) {
        EXPECT_FALSE(failed.done);
        ASSERT_EQ(failed.notices.size(), 1u);
        EXPECT_EQ(failed.notices[0].text, std::string(kNewCall) + ".xml could not be written.");
        EXPECT_EQ(failed.notices[0].caption, "Error data files");
        EXPECT_TRUE(failed.written.empty());
    }
    EXPECT_TRUE(editor.HasChanges());
    EXPECT_TRUE(editor.ShownIsNew());
    EXPECT_EQ(s.dev.read(test::kSampleRoute).find("471102"), std::string::npos);
}

}  // namespace
