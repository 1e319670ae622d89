// The scenario player: the widget handling it relies on, and whole runs of small scenarios
// against the real program with their reports and exit statuses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <filesystem>
#include <sstream>

#include "common/DeviceLock.h"
#include "scenario/ScenarioPlayer.h"
#include "scenario/ScenarioWidgets.h"
#include "support/TempDevice.h"

namespace kelvo {
namespace {

using test::TempDevice;

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
    Result play(const std::string& scenario, bool strict = false, bool timings = false) {
        m_host.put("\\t.scn", scenario);
        std::ostringstream report;
        const int status = runScenario(m_device.root(), file(), (m_host.root() / "out").string(),
                                       strict, report, timings);
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

TEST_F(ScenarioRunTest, TimesEveryStepAndNamesTheSlowestWithoutWaits) {
    m_device.put("\\My Documents\\Before Departure\\Config.xml", kConfig);
    const Result r = play("expect screen 0\nwait 300\nexpect text #1017 \"Test & Plant\"\n",
                          false, true);
    EXPECT_EQ(r.status, 0) << r.report;
    for (const char* line : {":1: ", ":3: "}) {
        EXPECT_NE(r.report.find(file() + line), std::string::npos) << line << r.report;
    }
    EXPECT_NE(r.report.find(file() + ":2: "), std::string::npos) << r.report;
    EXPECT_NE(r.report.find(" ms (wait)"), std::string::npos) << r.report;
    const std::size_t slowest = r.report.find(": slowest steps: line ");
    ASSERT_NE(slowest, std::string::npos) << r.report;
    // The wait took 300 ms of the scenario's own time: it is never among the program's slowest.
    EXPECT_EQ(r.report.find("line 2 ", slowest), std::string::npos) << r.report;
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

TEST_F(ScenarioRunTest, NoticesAreCheckedWhileShownAndOnceAfterwards) {
    // A started route whose one stop is still to be reached, delivered afresh for each run.
    auto deliverStop = [this] {
        std::filesystem::remove_all(m_device.root() / "VexXml");
        m_device.put("\\My Documents\\Before Departure\\Config.xml", kConfig);
        m_device.put("\\My Documents\\Before Departure\\Route_5_20061205.xml",
                     "<Route><Date>20061205</Date><RouteNumber>5</RouteNumber><StartTime>08:00"
                     "</StartTime><StartMileage>10.0</StartMileage><TotalStops>1</TotalStops>"
                     "<Stops><Stop><StopNumber>1</StopNumber><ArrivalTime>00:00</ArrivalTime>"
                     "<Invoices><Invoice>1</Invoice></Invoices></Stop></Stops></Route>");
        m_device.put("\\My Documents\\Before Departure\\Inv_1.xml", "<Invoice></Invoice>");
        m_device.put("\\My Documents\\Before Departure\\ZZDepartureCheck.xml", "");
    };
    // Start, Start (no safety check), the started route's stops, the first stop, Arrived.
    const std::string arrive =
        "clock 2006-12-05 08:40\n"
        "click \"->\"\nclick \"->\"\nclick #1026\nclick #1124\nclick #1128\n";
    deliverStop();
    const Result r = play(arrive +
                          "expect notice \"Arrival Time: 08:40 AM\"\n"
                          "expect notice \"Arrival Time: 08:40 AM\"\n"
                          "wait 2500\n"
                          "expect hidden #notice\n"
                          "expect notice \"Arrival Time: 08:40 AM\"\n");
    EXPECT_EQ(r.status, 1) << r.report;
    EXPECT_NE(r.report.find(":11: expected notice \"Arrival Time: 08:40 AM\", found no notice"),
              std::string::npos)
        << r.report;

    // Gone, but shown since the last notice check.
    deliverStop();
    const Result later = play(arrive +
                              "wait 2500\n"
                              "expect notice \"Arrival Time: 08:40 AM\"\n"
                              "expect checked #1128\n");
    EXPECT_EQ(later.status, 2) << later.report;
    EXPECT_NE(later.report.find(":9: #1128 is no check box, radio button or checkable button"),
              std::string::npos)
        << later.report;
}

// The signature dialog, initials typed, asks before it lets them go; a scripted No would keep
// it open for ever. A scenario that ends with it open, or fails in it, ends at once with a
// failure and the dialog closed without a question: a hung run would stall every later test.
TEST_F(ScenarioRunTest, ADialogLeftOpenFailsTheRunAndIsClosedWithoutAsking) {
    m_device.putFolder("\\My Documents\\Before Departure\\",
                       std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    const std::string toSignature =
        "clock 2006-12-06 06:40\n"
        "click #1023\n"
        "click #1027\n"
        "expect message \"Perform safety checks ?\" caption \"Confirm check\"\n"
        "select #1057 1\n"
        "click #1026\n"
        "type @\"Start Mileage\" \"1263.4\"\n"
        "click \"OK\"\n"
        "click #1124\n"
        "click #1128\n"
        "click \"OK\"\n"
        "click #1126\n"
        "click \"Settle\"\n"
        "click \"OK\"\n"
        "sign\n"
        "type #1108 \"WP\"\n";
    const Result open = play(toSignature);
    EXPECT_EQ(open.status, 1) << open.report;
    EXPECT_NE(open.report.find(":16: expected every dialog closed at the end, found the dialog "
                               "\"Sign Invoice\" open"),
              std::string::npos)
        << open.report;
    EXPECT_EQ(open.report.find("Are you sure you want to cancel"), std::string::npos)
        << open.report;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    std::filesystem::remove_all(m_device.root());
    m_device.putFolder("\\My Documents\\Before Departure\\",
                       std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    const Result failed = play(toSignature + "expect text #1108 \"XX\"\n");
    EXPECT_EQ(failed.status, 1) << failed.report;
    EXPECT_NE(failed.report.find(":17: expected #1108 showing \"XX\", found \"WP\""),
              std::string::npos)
        << failed.report;
    EXPECT_EQ(failed.report.find("Are you sure you want to cancel"), std::string::npos)
        << failed.report;
}

// While another Kelvo works on the device folder the player touches nothing.
TEST_F(ScenarioRunTest, ADeviceInUseIsNotPlayedOn) {
    m_host.put("\\data\\Config.xml", kConfig);
    const DeviceLock other(m_device.root());
    ASSERT_TRUE(other.held());
    const Result r = play("device-file \"\\VexXml\\Config.xml\" from \"data/Config.xml\"\n");
    EXPECT_EQ(r.status, 2) << r.report;
    EXPECT_NE(r.report.find(" is in use by another Kelvo"), std::string::npos) << r.report;
    EXPECT_FALSE(m_device.exists("\\VexXml\\Config.xml"));
}

}  // namespace
}  // namespace kelvo
