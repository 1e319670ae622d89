// The scenario player: the language (parser), the widget handling it relies on, and whole
// runs of small scenarios against the real program with their reports and exit statuses.
#include <gtest/gtest.h>

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <sstream>

#include "scenario/ScenarioFiles.h"
#include "scenario/ScenarioPlayer.h"
#include "scenario/ScenarioScript.h"
#include "scenario/ScenarioWidgets.h"
#include "support/TempDevice.h"

namespace kelvo {
namespace {

using test::TempDevice;

// ---------------------------------------------------------------------------------------------
// The language

TEST(ScenarioScriptTest, ReadsTextsWithEscapesAndDevicePathsAsWritten) {
    const ScenarioScript s = ScenarioScript::parse(
        "expect message \"a\\\"b\\\\c\\td\\re\\nf\" caption \"Error data\"\n"
        "expect folder \"\\VexXml\\\" count 0x10\n"
        "device-file \"\\Windows\\new\\tahomabd.ttf\" from \"data/a\\\\b.ttf\"\n");
    ASSERT_TRUE(s.ok()) << s.error();
    ASSERT_EQ(s.steps().size(), 3u);
    EXPECT_EQ(s.steps()[0].kind, StepKind::ExpectMessage);
    EXPECT_EQ(s.steps()[0].text, "a\"b\\c\td\re\nf");
    EXPECT_TRUE(s.steps()[0].hasCaption);
    EXPECT_EQ(s.steps()[0].text2, "Error data");
    // A device path keeps its backslashes: "\VexXml\" does not end in an escaped quote.
    EXPECT_EQ(s.steps()[1].text, "\\VexXml\\");
    EXPECT_EQ(s.steps()[1].number, 16);
    EXPECT_EQ(s.steps()[2].text, "\\Windows\\new\\tahomabd.ttf");
    EXPECT_EQ(s.steps()[2].source, "data/a\\b.ttf");
}

TEST(ScenarioScriptTest, KeepsLineNumbersAcrossCommentsAndBlankLines) {
    const ScenarioScript s = ScenarioScript::parse(
        "# a scenario\n"
        "\n"
        "clock 2006-12-05 08:40   # before Start\n"
        "   #indented comment\r\n"
        "command 0x8020\n"
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
    EXPECT_EQ(st[1].number, 0x8020);
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
        "expect file \"\\VexXml\\a.xml\" exists\nexpect file \"\\VexXml\\b.xml\" missing\n"
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
    EXPECT_EQ(st[14].kind, StepKind::ExpectFileMissing);
    EXPECT_EQ(st[15].widget.by, WidgetRef::By::None);
    EXPECT_EQ(st[16].text, "Escape");
    EXPECT_EQ(st[16].widget.text, "1216");
    EXPECT_EQ(st[17].text, "Yes");
    EXPECT_TRUE(st[17].preparesStart());
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
        {"expect file \"\\a.xml\" resembles \"b\"", 1, "equals, contains, exists or missing"},
        {"expect message \"a\" title \"b\"", 1, "expected \"caption\""},
        {"type #1 text\"", 1, "a quote inside the word"},
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

// ---------------------------------------------------------------------------------------------
// Widgets as the player finds and handles them

TEST(ScenarioWidgetsTest, FindsWidgetsByNameCaptionAndLabel) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* label = new QLabel(QStringLiteral("&Start mileage:"), &form);
    auto* edit = new QLineEdit(&form);
    edit->setObjectName(QStringLiteral("1036"));
    label->setBuddy(edit);
    auto* plain = new QLabel(QStringLiteral("Smith && Sons"), &form);
    plain->setObjectName(QStringLiteral("1017"));
    auto* button = new QPushButton(QStringLiteral("Route Man && &Truck"), &form);
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(edit),
                       static_cast<QWidget*>(plain), static_cast<QWidget*>(button)}) {
        layout->addWidget(w);
    }
    auto find = [&](WidgetRef::By by, const char* text) {
        const QList<QWidget*> found = scenario::findWidgets(&form, WidgetRef{by, text});
        return found.isEmpty() ? nullptr : found.front();
    };
    EXPECT_EQ(find(WidgetRef::By::Name, "1036"), edit);
    EXPECT_EQ(find(WidgetRef::By::Label, "Start mileage"), edit);
    EXPECT_EQ(find(WidgetRef::By::Label, "Start mileage:"), nullptr);
    EXPECT_EQ(find(WidgetRef::By::Caption, "Route Man & Truck"), button);
    EXPECT_EQ(find(WidgetRef::By::Name, "9999"), nullptr);

    bool known = false;
    // A label without a buddy shows its text as it is; buttons and buddies resolve mnemonics.
    EXPECT_EQ(scenario::shownText(plain, known), QStringLiteral("Smith && Sons"));
    EXPECT_EQ(scenario::shownText(label, known), QStringLiteral("Start mileage:"));
    EXPECT_EQ(scenario::shownText(button, known), QStringLiteral("Route Man & Truck"));
    EXPECT_TRUE(known);
    scenario::shownText(&form, known);
    EXPECT_FALSE(known);
}

TEST(ScenarioWidgetsTest, TypesThroughValidatorsAndLeavesTheField) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* edit = new QLineEdit(QStringLiteral("1204"), &form);
    edit->setValidator(new QIntValidator(0, 99999, edit));
    auto* other = new QLineEdit(&form);
    layout->addWidget(edit);
    layout->addWidget(other);
    int edits = 0;
    int finished = 0;
    QObject::connect(edit, &QLineEdit::textEdited, [&] { ++edits; });
    QObject::connect(edit, &QLineEdit::editingFinished, [&] { ++finished; });
    form.show();

    // Letters are refused by the field as they would be on the screen.
    EXPECT_EQ(scenario::typeInto(edit, QStringLiteral("13a0")), scenario::Typing::Typed);
    EXPECT_EQ(edit->text(), QStringLiteral("130"));
    EXPECT_EQ(edits, 3);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(edit->hasFocus());

    EXPECT_EQ(scenario::typeInto(edit, QString()), scenario::Typing::Typed);
    EXPECT_EQ(edit->text(), QString());

    edit->setReadOnly(true);
    EXPECT_EQ(scenario::typeInto(edit, QStringLiteral("1")), scenario::Typing::ReadOnly);
    QLabel label;
    EXPECT_EQ(scenario::typeInto(&label, QStringLiteral("1")), scenario::Typing::NotAnEdit);
}

TEST(ScenarioWidgetsTest, SelectsListRowsAsATap) {
    QListWidget list;
    list.addItems(
        {QStringLiteral("Route 101"), QStringLiteral("Route 102"), QStringLiteral("Route 103")});
    list.resize(200, 200);
    list.show();
    QString clicked;
    QObject::connect(&list, &QListWidget::itemClicked,
                     [&](QListWidgetItem* item) { clicked = item->text(); });

    EXPECT_EQ(scenario::rowCount(&list), 3);
    EXPECT_EQ(scenario::findRow(&list, QStringLiteral("Route 103")), 2);
    EXPECT_EQ(scenario::findRow(&list, QStringLiteral("Route 104")), -1);
    ASSERT_TRUE(scenario::selectRow(&list, 1));
    EXPECT_EQ(clicked, QStringLiteral("Route 102"));
    EXPECT_EQ(scenario::selectedRows(&list), QList<int>{1});
    EXPECT_EQ(scenario::rowCells(&list, 2), QStringList{QStringLiteral("Route 103")});
    EXPECT_FALSE(scenario::selectRow(&list, 3));
}

// ---------------------------------------------------------------------------------------------
// Whole runs against the program

const char* const kConfig =
    "<Config><FileVersion>10.00</FileVersion><PlantName>Test &amp; Plant</PlantName>"
    "<PlantAddress>1 Road</PlantAddress><PlantCity>Town</PlantCity><PlantState>ST</PlantState>"
    "<PlantZip>12345</PlantZip><RouteManNumber>7</RouteManNumber>"
    "<RouteManName>Pat</RouteManName><TruckCode>T1</TruckCode>"
    "<LaundryCode>DUD</LaundryCode></Config>";

const char* const kRoute =
    "<Route><Date>20061205</Date><RouteNumber>5</RouteNumber><TotalStops>0</TotalStops>"
    "<EndMileage>0.0</EndMileage><Stops></Stops></Route>";

// A device root and a folder for the scenario file, both temporary.
class ScenarioRunTest : public ::testing::Test {
protected:
    struct Result {
        int status;
        std::string report;
    };

    // Writes the scenario (and its files) and plays it.
    Result play(const std::string& scenario, bool strict = false) {
        m_host.put("\\t.scn", scenario);
        std::ostringstream report;
        const int status =
            runScenario(m_device.root(), file(), (m_host.root() / "out").string(), strict, report);
        return {status, report.str()};
    }
    std::string file() const { return (m_host.root() / "t.scn").string(); }
    // The day's delivery in the import folder.
    void deliver() {
        m_device.put("\\My Documents\\Before Departure\\Config.xml", kConfig);
        m_device.put("\\My Documents\\Before Departure\\Route_5_20061205.xml", kRoute);
        m_device.put("\\My Documents\\Before Departure\\ZZDepartureCheck.xml", "");
    }

    TempDevice m_device;
    TempDevice m_host;
};

TEST_F(ScenarioRunTest, PassesWhenEveryCheckHolds) {
    m_host.put("\\data\\Config.xml", kConfig);
    m_host.put("\\expected\\Config.xml", kConfig);
    const Result r = play(
        "device-file \"\\My Documents\\Before Departure\\Config.xml\" from \"data/Config.xml\"\n"
        "expect screen 0\n"
        "expect text #1017 \"Test & Plant\"\n"
        "expect file \"\\my documents\\before departure\\config.xml\" equals "
        "\"expected/Config.xml\"\n"
        "screenshot \"shots/start.png\"\n",
        true);
    EXPECT_EQ(r.status, 0) << r.report;
    EXPECT_NE(r.report.find(file() + ": passed, 5 steps"), std::string::npos) << r.report;
    EXPECT_TRUE(std::filesystem::is_regular_file(m_host.root() / "out" / "shots" / "start.png"));
}

TEST_F(ScenarioRunTest, FailsWithFileLineExpectedFound) {
    m_device.put("\\My Documents\\Before Departure\\Config.xml", kConfig);
    const Result r = play(
        "# the plant\n"
        "expect text #1017 \"Test & Plant\"\n"
        "expect text #1017 \"Other Plant\"\n"
        "expect screen 0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.report.find(file() +
                            ":3: expected #1017 showing \"Other Plant\", found \"Test & Plant\"\n"),
              std::string::npos)
        << r.report;
    EXPECT_NE(r.report.find("FAILED after 2 of 3 steps"), std::string::npos) << r.report;
}

TEST_F(ScenarioRunTest, SaysWhereAFileDiffers) {
    m_device.put("\\My Documents\\Before Departure\\Config.xml", kConfig);
    m_host.put("\\expected\\Kelvo.properties", "Storagelocation=");
    const Result r = play(
        "expect file \"\\Program Files\\Kelvo\\Kelvo.properties\" equals "
        "\"expected/Kelvo.properties\"\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.report.find(":1: expected \"\\Program Files\\Kelvo\\Kelvo.properties\" equal to "
                            "\"expected/Kelvo.properties\", found the file goes on at byte 16"),
              std::string::npos)
        << r.report;
}

TEST_F(ScenarioRunTest, ChecksMessagesInOrderAndStrictFailsOnUncheckedOnes) {
    // No data at all: the start screen and Start both say so.
    const std::string scenario =
        "click \"->\"\n"
        "expect message \"No data available.\\nPlease import files first!\" caption "
        "\"Error data files\"\n";
    const Result lenient = play(scenario);
    EXPECT_EQ(lenient.status, 0) << lenient.report;
    EXPECT_NE(lenient.report.find(": unchecked message \"No data available.\\nPlease import "
                                  "files first!\" caption \"Error data files\""),
              std::string::npos)
        << lenient.report;

    const Result strict = play(scenario, true);
    EXPECT_EQ(strict.status, 1);
    EXPECT_NE(strict.report.find(":2: expected every message box checked, found 1 unchecked"),
              std::string::npos)
        << strict.report;

    const Result wrongCaption = play(
        "expect message \"No data available.\\nPlease import files first!\" caption \"Error\"\n");
    EXPECT_EQ(wrongCaption.status, 1);
    EXPECT_NE(wrongCaption.report.find(":1: expected message \"No data available.\\nPlease import "
                                       "files first!\" caption \"Error\", found message"),
              std::string::npos)
        << wrongCaption.report;
}

TEST_F(ScenarioRunTest, CannotRunUnknownStepsOrMissingWidgets) {
    const Result unknown = play("expect screen 0\npress #1023\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.report.find(file() + ":2: unknown step \"press\""), std::string::npos)
        << unknown.report;

    m_device.put("\\My Documents\\Before Departure\\Config.xml", kConfig);
    const Result missing = play("expect screen 0\nclick #4711\nexpect screen 1\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.report.find(file() + ":2: no widget #4711 on screen 0"), std::string::npos)
        << missing.report;

    const Result noFile = play("device-file \"\\VexXml\\Config.xml\" from \"data/none.xml\"\n");
    EXPECT_EQ(noFile.status, 2);
    EXPECT_NE(noFile.report.find(":1: cannot copy"), std::string::npos) << noFile.report;
}

TEST_F(ScenarioRunTest, RefusesActionsADriverCannotDo) {
    deliver();
    const Result r = play(
        "click \"->\"\n"
        "expect screen 1\n"
        "expect disabled #1029\n"
        "click \"E\"\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.report.find(":4: expected \"E\" enabled, found it disabled on screen 1"),
              std::string::npos)
        << r.report;

    const Result menu = play("menu \"Export Files\"\n");
    EXPECT_EQ(menu.status, 2);
    EXPECT_NE(menu.report.find(":1: no Actions entry \"Export Files\" on screen 0 (the menu "
                               "holds \"Settings|Start\")"),
              std::string::npos)
        << menu.report;
}

TEST_F(ScenarioRunTest, StepsReachAnOpenModalDialog) {
    deliver();
    m_device.put("\\My Documents\\Before Departure\\Trucks.xml",
                 "<Trucks><Truck>T1</Truck><Truck>T2</Truck></Trucks>");
    m_device.put("\\My Documents\\Before Departure\\Safety.xml",
                 "<SafetyChecks><TruckID>T1</TruckID><SafetyCheck><Code>BRK</Code>"
                 "<Description>Brakes</Description><Ok>N</Ok><NeedMaintenance>N</NeedMaintenance>"
                 "</SafetyCheck></SafetyChecks>");
    // Start on the route-driver screen asks for the safety check and, for this laundry, opens
    // the modal truck selection; the following steps run inside it.
    const std::string start =
        "click \"->\"\n"
        "expect screen 1\n"
        "answer Yes\n"
        "click \"->\"\n"
        "expect message \"Perform safety checks ?\" caption \"Confirm check\"\n"
        "expect text @\"Truck\" \"T1\"\n";
    const Result r = play(start +
                          "select @\"Truck\" \"T2\"\n"
                          "expect text #1216 \"T2\"\n"
                          "click \"<-\"\n");
    EXPECT_EQ(r.status, 1) << r.report;
    EXPECT_NE(r.report.find(":9: expected \"<-\" within reach, found it behind the open dialog "
                            "\"Select Truck\""),
              std::string::npos)
        << r.report;

    // A failed check inside the dialog ends the run; the dialog is closed on the way out.
    const Result failed = play(start + "expect rows #1216 3\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.report.find(":7: expected #1216 holding 3 rows, found 2"), std::string::npos)
        << failed.report;
}

}  // namespace
}  // namespace kelvo
