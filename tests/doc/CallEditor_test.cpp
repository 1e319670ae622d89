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
    ASSERT_EQ(editor.AddNew(editor.Fields()), 1);
    CallFields f = editor.Fields();
    EXPECT_EQ(f.note, kCallNotePrompt);
    EXPECT_EQ(editor.Row(1), (std::array<std::string, 3>{"2", "05-Dec", ""}));
    s.dev.put(editor.RecordingPath(), "RIFF");
    f.person = 2;    // Ed Sorensen, Number 4
    f.category = 0;  // CMP
    f.status = 2;    // In progress
    f.note = "Wants\nmore mats";
    editor.MarkChanged();
    ASSERT_TRUE(editor.Save(f));
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
}

TEST_F(CallEditorTest, NoteIsSavedOnlyAsTheFileKeepsIt) {
    editor.AddNew(editor.Fields());
    CallFields f = editor.Fields();
    // The file keeps 255 characters, and a line break takes two of them.
    f.note = std::string(253, 'x') + "\n";
    EXPECT_TRUE(editor.Save(f));
    EXPECT_TRUE(s.prompter.shown().empty());
    f.note = std::string(254, 'x') + "\n";
    EXPECT_FALSE(editor.Save(f));
    ASSERT_EQ(s.prompter.shown().size(), 1u);
    EXPECT_EQ(s.prompter.shown()[0].caption, "Invalid data");
    // The prompt a new call's note starts with is not saved as its note.
    editor.AddNew(editor.Fields());
    ASSERT_TRUE(editor.Save(editor.Fields()));
    EXPECT_EQ(elementText(s.dev.read("\\VexXml\\Call_200612050101000100000000471103.xml"), "Notes"),
              "");
}

TEST_F(CallEditorTest, ChangesAreOfferedForSavingBeforeAnotherCallOrLeaving) {
    const std::string before = s.dev.read(kFirstCall);
    struct Case {
        Answer answer;
        bool saved;
    };
    for (const Case c : {Case{Answer::No, false}, Case{Answer::Yes, true}}) {
        SCOPED_TRACE(c.saved);
        ASSERT_TRUE(editor.Open());
        CallFields f = editor.Fields();
        f.note = "Sent on 6 Dec";
        editor.MarkChanged();
        s.dev.put(editor.RecordingPath(), "RIFF");
        s.prompter.clearShown();
        s.prompter.queue(c.answer);
        editor.Leave(f);
        ASSERT_EQ(s.prompter.shown().size(), 1u);
        EXPECT_EQ(s.prompter.shown()[0].text, "Do you want to save ?");
        EXPECT_EQ(s.prompter.shown()[0].caption, "Confirm save");
        const std::string file = s.dev.read(kFirstCall);
        EXPECT_EQ(file == before, !c.saved);
        EXPECT_EQ(s.dev.exists("\\VexXml\\Call_200612050101000100000000471101.wav"), c.saved);
        EXPECT_FALSE(s.dev.exists(editor.RecordingPath()));
        if (c.saved) {
            // An existing call keeps its notes; the note field goes into the follow-up.
            EXPECT_EQ(elementText(file, "FollowupNotes"), "Sent on 6 Dec");
            EXPECT_EQ(elementText(file, "Notes"), elementText(before, "Notes"));
        }
    }
    // A new call asks "changes" of the call shown before it, and nothing without changes.
    editor.MarkChanged();
    s.prompter.clearShown();
    editor.AddNew(editor.Fields());
    ASSERT_EQ(s.prompter.shown().size(), 1u);
    EXPECT_EQ(s.prompter.shown()[0].text, "Do you want to save changes ?");
    EXPECT_TRUE(editor.Select(0, editor.Fields()));
    EXPECT_EQ(s.prompter.shown().size(), 1u);
}

TEST_F(CallEditorTest, CallThatCannotBeWrittenStaysUnsavedAndIsReported) {
    editor.AddNew(editor.Fields());
    editor.MarkChanged();
    // A folder where the call file should go makes the write fail.
    s.dev.put(std::string(kNewCall) + ".xml\\blocker", "");
    s.prompter.clearShown();
    EXPECT_FALSE(editor.Save(editor.Fields()));
    EXPECT_TRUE(editor.HasChanges());
    EXPECT_TRUE(editor.ShownIsNew());
    ASSERT_EQ(s.prompter.shown().size(), 1u);
    EXPECT_EQ(s.prompter.shown()[0].caption, "Error data files");
    EXPECT_EQ(s.dev.read(test::kSampleRoute).find("471102"), std::string::npos);
}

}  // namespace
