// The scenario language and the comparison of files, without a screen.
#include "scenario/ScenarioScript.h"

#include <gtest/gtest.h>

#include "scenario/ScenarioFiles.h"

namespace kelvo {
namespace {

TEST(ScenarioScriptTest, ReadsTextsWithEscapesAndDevicePathsAsWritten) {
    const ScenarioScript s = ScenarioScript::parse(
        "expect message \"a\\\"b\\\\c\\td\\re\\nf\" caption \"Error data\"\n"
        "expect folder \"\\VexXml\\\" count 0x10\n"
        "device-file \"\\Windows\\new\\tahomabd.ttf\" from \"data/a\\\\b.ttf\"\n"
        "durable-writes \"\\VexXml\\\"\n");
    ASSERT_TRUE(s.ok()) << s.error();
    ASSERT_EQ(s.steps().size(), 4u);
    EXPECT_EQ(s.steps()[0].kind, StepKind::ExpectMessage);
    EXPECT_EQ(s.steps()[0].text, "a\"b\\c\td\re\nf");
    EXPECT_TRUE(s.steps()[0].hasCaption);
    EXPECT_EQ(s.steps()[0].text2, "Error data");
    // A device path keeps its backslashes: "\VexXml\" does not end in an escaped quote.
    EXPECT_EQ(s.steps()[1].text, "\\VexXml\\");
    EXPECT_EQ(s.steps()[1].number, 16);
    EXPECT_EQ(s.steps()[2].text, "\\Windows\\new\\tahomabd.ttf");
    EXPECT_EQ(s.steps()[2].source, "data/a\\b.ttf");
    EXPECT_EQ(s.steps()[3].kind, StepKind::DurableWrites);
    EXPECT_EQ(s.steps()[3].text, "\\VexXml\\");
}

TEST(ScenarioScriptTest, KeepsLineNumbersAcrossCommentsAndBlankLines) {
    const ScenarioScript s = ScenarioScript::parse(
        "# a scenario\n"
        "\n"
        "clock 2006-12-05 08:40   # before Start\n"
        "   #indented comment\r\n"
        "command 0x1f2e\n"
        "click #1023 # the start button\n"
        "type @\"Mileage\" \"# not a comment\"\n"
        "select \"Routes\" 3\n"
        "select #1216 \"Storage Card\"\n"
        "wait 2100");
    ASSERT_TRUE(s.ok()) << s.errorLine() << ": " << s.error();
    const auto& st = s.steps();
    ASSERT_EQ(st.size(), 7u);
    EXPECT_EQ(st[0].line, 3);
    EXPECT_EQ(st[0].kind, StepKind::Clock);
    EXPECT_EQ(st[0].year * 10000 + st[0].month * 100 + st[0].day, 20061205);
    EXPECT_EQ(st[0].hour * 100 + st[0].minute, 840);
    EXPECT_EQ(st[1].line, 5);
    EXPECT_EQ(st[1].number, 0x1f2e);
    EXPECT_EQ(st[2].line, 6);
    EXPECT_EQ(st[2].widget.toString(), "#1023");
    EXPECT_EQ(st[3].widget.by, WidgetRef::By::Label);
    EXPECT_EQ(st[3].widget.text, "Mileage");
    EXPECT_EQ(st[3].text, "# not a comment");
    EXPECT_EQ(st[4].widget.by, WidgetRef::By::Caption);
    EXPECT_FALSE(st[4].byText);
    EXPECT_EQ(st[4].number, 3);
    EXPECT_TRUE(st[5].byText);
    EXPECT_EQ(st[5].text, "Storage Card");
    EXPECT_EQ(st[6].line, 10);
    EXPECT_EQ(st[6].number, 2100);
    EXPECT_TRUE(st[0].preparesStart());
    EXPECT_FALSE(st[1].preparesStart());
}

TEST(ScenarioScriptTest, ReadsEveryCheck) {
    const ScenarioScript s = ScenarioScript::parse(
        "expect no-message\nexpect screen 9\nexpect text #1017 \"A & B\"\n"
        "expect enabled #1\nexpect disabled #2\nexpect visible #3\nexpect hidden #4\n"
        "expect rows #5 2\nexpect row #5 1 \"a\\|b|c\"\nexpect selected #5 0\n"
        "expect menu \"Start|[Export Files]\"\n"
        "expect file \"\\VexXml\\Safety.xml\" equals \"expected/Safety.xml\"\n"
        "expect file \"\\VexXml\\Safety.xml\" contains \"<Ok>Y\"\n"
        "expect file \"\\VexXml\\a.xml\" exists\nexpect file \"\\VexXml\\b.xml\" signature\n"
        "key Enter\nkey escape #1216\nanswer yes\nsign\nmenu \"Start Route\"\n"
        "screenshot \"x.png\"\n");
    ASSERT_TRUE(s.ok()) << s.errorLine() << ": " << s.error();
    const auto& st = s.steps();
    ASSERT_EQ(st.size(), 21u);
    EXPECT_EQ(st[8].text, "a|b|c");
    EXPECT_EQ(st[11].kind, StepKind::ExpectFileEquals);
    EXPECT_EQ(st[11].source, "expected/Safety.xml");
    EXPECT_EQ(st[12].text2, "<Ok>Y");
    EXPECT_EQ(st[13].kind, StepKind::ExpectFileExists);
    EXPECT_EQ(st[14].kind, StepKind::ExpectFileSignature);
    EXPECT_EQ(st[15].widget.by, WidgetRef::By::None);
    EXPECT_EQ(st[16].text, "Escape");
    EXPECT_EQ(st[16].widget.text, "1216");
    EXPECT_EQ(st[17].text, "Yes");
    EXPECT_TRUE(st[17].preparesStart());
}

TEST(ScenarioScriptTest, ReadsCheckMarksAndNotices) {
    const ScenarioScript s = ScenarioScript::parse(
        "expect checked #1235\nexpect unchecked \"Check\"\n"
        "expect notice \"Don't forget: \\nCustomer Satisfaction Survey\"\n");
    ASSERT_TRUE(s.ok()) << s.errorLine() << ": " << s.error();
    const auto& st = s.steps();
    ASSERT_EQ(st.size(), 3u);
    EXPECT_EQ(st[0].kind, StepKind::ExpectChecked);
    EXPECT_EQ(st[0].widget.toString(), "#1235");
    EXPECT_EQ(st[1].kind, StepKind::ExpectUnchecked);
    EXPECT_EQ(st[1].widget.by, WidgetRef::By::Caption);
    EXPECT_EQ(st[2].kind, StepKind::ExpectNotice);
    EXPECT_EQ(st[2].text, "Don't forget: \nCustomer Satisfaction Survey");
    EXPECT_FALSE(st[2].preparesStart());
}

TEST(ScenarioScriptTest, ReadsTouchSteps) {
    const ScenarioScript s = ScenarioScript::parse(
        "tap #1057\ntap #1057 6\ndrag #1057 up 4\nscan \"00c3d4e5\"\n"
        "expect keyboard shown\nexpect keyboard hidden\nexpect hints @\"ID-Code\" hex\n"
        "expect scrolled #1057\n");
    ASSERT_TRUE(s.ok()) << s.errorLine() << ": " << s.error();
    const auto& st = s.steps();
    ASSERT_EQ(st.size(), 8u);
    EXPECT_EQ(st[0].kind, StepKind::Tap);
    EXPECT_EQ(st[0].number, -1);  // the widget itself, no row
    EXPECT_EQ(st[1].number, 6);
    EXPECT_EQ(st[2].kind, StepKind::Drag);
    EXPECT_EQ(st[2].text, "up");
    EXPECT_EQ(st[2].number, 4);
    EXPECT_EQ(st[3].text, "00c3d4e5");
    EXPECT_EQ(st[4].kind, StepKind::ExpectKeyboardShown);
    EXPECT_EQ(st[5].kind, StepKind::ExpectKeyboardHidden);
    EXPECT_EQ(st[6].widget.by, WidgetRef::By::Label);
    EXPECT_EQ(st[6].text, "hex");
    EXPECT_EQ(st[7].kind, StepKind::ExpectScrolled);
    const char* const wrong[] = {"drag #1 sideways 2", "drag #1 up", "drag #1 up 1001",
                                 "tap #1 row", "expect keyboard open",
                                 "expect hints #1 decimal", "expect scrolled", "scan 123"};
    for (const char* line : wrong) {
        EXPECT_FALSE(ScenarioScript::parse(line).ok()) << line;
    }
}

TEST(ScenarioScriptTest, ReportsTheFirstLineItCannotRead) {
    struct Case {
        const char* content;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"clock 2006-12-05 08:40\n\nfrobnicate #1\n", 3, "unknown step \"frobnicate\""},
        {"expect colour #1 \"red\"", 1, "unknown check \"expect colour\""},
        {"click #1\nexpect text #1 \"open", 2, "closing quote"},
        {"expect text #1 \"a\\qb\"", 1, "unknown escape \\q"},
        {"command 0x80G0", 1, "expected a number"},
        {"command", 1, "expected a number, found the end of the line"},
        {"click #1 #2", 1, "expected the end of the line"},
        {"click #", 1, "expected a widget"},
        {"key PageDown", 1, "unknown key"},
        {"answer Maybe", 1, "unknown answer"},
        {"clock 2006-13-05 08:40", 1, "expected a date and a time"},
        {"expect file \"\\a.xml\" resembles \"b\"", 1,
         "equals, contains, exists, missing or signature"},
        {"expect message \"a\" title \"b\"", 1, "expected \"caption\""},
        {"type #1 text\"", 1, "a quote inside the word"},
        // Numbers beyond an int turned into a wait that never ends and a row -1 that passed.
        {"wait 2147483648", 1, "expected a number up to 600000"},
        {"select #1 4294967295", 1, "expected a number up to 2147483647"},
        {"expect rows #1 0x80000000", 1, "expected a number up to 2147483647"},
        {"expect checked", 1, "expected a widget"},
        {"expect unchecked #1 \"x\"", 1, "expected the end of the line"},
        {"expect notice #1", 1, "expected a text in quotes"},
        {"expect notice \"a\" \"b\"", 1, "expected the end of the line"},
    };
    for (const Case& c : cases) {
        const ScenarioScript s = ScenarioScript::parse(c.content);
        EXPECT_FALSE(s.ok()) << c.content;
        EXPECT_EQ(s.errorLine(), c.line) << c.content;
        EXPECT_NE(s.error().find(c.reason), std::string::npos) << c.content << " -> " << s.error();
        EXPECT_TRUE(s.steps().empty());
    }
}

TEST(ScenarioScriptTest, ReadsIso88591FilesAsWellAsUtf8) {
    const ScenarioScript latin1 = ScenarioScript::parse("expect text #1 \"Caf\xE9\"");
    const ScenarioScript utf8 = ScenarioScript::parse(
        "\xEF\xBB\xBF"
        "expect text #1 \"Caf\xC3\xA9\"");
    ASSERT_TRUE(latin1.ok());
    ASSERT_TRUE(utf8.ok());
    EXPECT_EQ(latin1.steps()[0].text, "Caf\xC3\xA9");
    EXPECT_EQ(utf8.steps()[0].text, "Caf\xC3\xA9");
}

TEST(ScenarioFilesTest, SaysWhereFilesFirstDiffer) {
    EXPECT_EQ(scenario::describeDifference("abc", "abc"), "");
    EXPECT_EQ(scenario::describeDifference("<a>\r\n<Sto>", "<a>\r\n<Sta>"),
              "a difference at byte 8 (line 2, column 4): \"o>\" where the expected file has "
              "\"a>\"");
    EXPECT_EQ(scenario::describeDifference("ab", "abcd"),
              "the file ends at byte 2 (line 1, column 3) where the expected file goes on with "
              "\"cd\"");
    EXPECT_EQ(scenario::describeDifference("ab\n", "ab"),
              "the file goes on at byte 2 (line 1, column 3) with \"\\n\" where the expected "
              "file ends");
}

// A picture as the signature control saves it (3 x 2 pixels, rows of 9 bytes padded to 12,
// one black pixel), then spoilt one way at a time.
TEST(ScenarioFilesTest, TellsASignaturePictureFromOtherFiles) {
    auto le = [](std::uint32_t v, int size) {
        std::string b;
        for (int i = 0; i < size; ++i, v >>= 8) {
            b += static_cast<char>(v & 0xFF);
        }
        return b;
    };
    std::string pixels(24, '\xFF');
    pixels.replace(12, 3, 3, '\0');
    const std::string bmp = "BM" + le(78, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(3, 4) +
                            le(2, 4) + le(1, 2) + le(24, 2) + le(0, 4) + le(24, 4) +
                            std::string(16, '\0') + pixels;
    auto with = [&bmp](std::size_t at, const std::string& bytes) {
        return std::string(bmp).replace(at, bytes.size(), bytes);
    };
    const struct {
        std::string file;
        const char* problem;
    } cases[] = {
        {bmp, ""},
        {with(22, le(static_cast<std::uint32_t>(-2), 4)), ""},  // rows top down
        {with(0, "BA"), "no BMP picture (78 bytes)"},
        {bmp.substr(0, 70), "70 bytes where the header says 78"},
        {with(18, le(4, 4)), "a picture of 4 x 2 where the signature control was 3 x 2"},
        {with(28, le(32, 2)),
         "32 bits per pixel, compression 0 (not an uncompressed 24-bit picture)"},
        {with(30, le(1, 4)),
         "24 bits per pixel, compression 1 (not an uncompressed 24-bit picture)"},
        {with(10, le(60, 4)), "pixels that do not fit in the file"},
        {with(66, std::string(3, '\xFF')), "a blank picture (no signature on it)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scenario::describeSignatureProblem(c.file, 3, 2), c.problem);
    }
}

}  // namespace
}  // namespace kelvo
