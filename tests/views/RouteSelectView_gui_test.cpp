#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/Clock.h"
#include "doc/FileReports.h"
#include "doc/ScreenTable.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "doc/StartCheck.h"
#include "support/TempDevice.h"
#include "views/route/RouteSelectView.h"

using namespace kelvo;

namespace {

constexpr const char* kRouteFile = "\\VexXml\\Route_101_20061205.xml";

// Sets one element of the route file's header to a new text.
std::string withHeader(std::string route, const std::string& tag, const std::string& value) {
    const std::string open = "<" + tag + ">";
    const auto start = route.find(open) + open.size();
    const auto end = route.find("</" + tag + ">", start);
    return route.replace(start, end - start, value);
}

class RouteSelectViewTest : public ::testing::Test {
protected:
    RouteSelectViewTest() : doc(device.fs(), prompter, clock) {
        clock.set(LocalTime{2006, 12, 5, 8, 40, 0});
        route = test::readHostFile(std::filesystem::path(KELVO_SAMPLES_DIR) / "day" /
                                   "Route_101_20061205.xml");
    }

    // Puts the route file into the data folder and opens the screen on it.
    void open(const std::string& content) {
        device.putFolder("\\VexXml\\", std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
        device.put(kRouteFile, content);
        loadConfiguration(doc);
        doc.LoadDayLists();
        doc.Routes().SetStoragePath("");
        loadRouteList(doc.Routes(), device.fs(), prompter);
        view = std::make_unique<CRouteSelectView>(doc);
        view->resize(240, 296);
        view->show();
        view->initialUpdate();
    }

    QString text(const char* id) const {
        if (auto* label = view->findChild<QLabel*>(QString::fromLatin1(id))) {
            return label->text();
        }
        return view->findChild<QLineEdit*>(QString::fromLatin1(id))->text();
    }
    bool enabled(const char* id) const {
        return view->findChild<QPushButton*>(QString::fromLatin1(id))->isEnabled();
    }

    // Runs `act` on the modal dialog that the next action opens.
    static void onDialog(std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }
    static void typeMileage(QDialog& d, const QString& text) {
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("1007"));
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void pressOk(QDialog& d) {
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }

    test::TempDevice device;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc;
    std::string route;
    std::unique_ptr<CRouteSelectView> view;
};

TEST_F(RouteSelectViewTest, SummaryAndDepositOfTheSelectedRoute) {
    std::string r = withHeader(route, "TotalCollectionsCharge", "100.00");
    r = withHeader(r, "TotalCollectionsCOD", "50.00");
    r = withHeader(r, "VoucherAmount", "20.00");
    r = withHeader(r, "PlusAdjustmentsCOD", "7.50");
    r = withHeader(r, "MinusAdjustmentsCOD", "2.25");
    open(r);
    EXPECT_EQ(doc.Routing().SelectedRouteIndex(), 0);
    EXPECT_EQ(text("1007"), QStringLiteral("Routeman 17 Dave Kowalski"));
    EXPECT_EQ(text("1028"), QStringLiteral("504.00"));
    EXPECT_EQ(text("1029"), QStringLiteral("185.44"));
    EXPECT_EQ(text("1031"), QStringLiteral("5.25"));
    EXPECT_EQ(text("1043"), QStringLiteral("135.44"));  // C.O.D to pay less C.O.D collected
    EXPECT_EQ(text("1047"), QStringLiteral("150.00"));
    EXPECT_EQ(text("1027"), QStringLiteral("20.00"));
    EXPECT_EQ(text("1045"), QStringLiteral("130.00"));
}

TEST_F(RouteSelectViewTest, TypedVoucherIsSavedAndLowersTheDeposit) {
    open(withHeader(route, "TotalCollectionsCharge", "100.00"));
    auto* voucher = view->findChild<QLineEdit*>(QStringLiteral("1027"));
    voucher->setFocus();
    voucher->setText(QStringLiteral("35.5"));
    emit voucher->editingFinished();
    EXPECT_EQ(text("1027"), QStringLiteral("35.50"));
    EXPECT_EQ(text("1045"), QStringLiteral("64.50"));
    EXPECT_NE(device.read(kRouteFile).find("\t<VoucherAmount>35.50</VoucherAmount>\r\n"),
              std::string::npos);
    EXPECT_DOUBLE_EQ(doc.Routes().At(0).VoucherAmount(), 35.5);
    // Typing takes digits with two decimals only; an empty field stores 0.
    voucher->clear();
    QTest::keyClicks(voucher, QStringLiteral("1x2.345"));
    EXPECT_EQ(voucher->text(), QStringLiteral("12.34"));
    voucher->clear();
    emit voucher->editingFinished();
    EXPECT_EQ(text("1027"), QStringLiteral("0.00"));
    EXPECT_DOUBLE_EQ(doc.Routes().At(0).VoucherAmount(), 0.0);
}

TEST_F(RouteSelectViewTest, ButtonsFollowTheRouteState) {
    open(route);  // not started
    EXPECT_TRUE(enabled("1026"));
    EXPECT_TRUE(enabled("1049"));
    EXPECT_FALSE(enabled("1048"));
    EXPECT_TRUE(enabled("1042"));  // the sample day has a checklist

    open(withHeader(route, "StartMileage", "1250.0"));  // started, stops still open
    EXPECT_TRUE(enabled("1026"));
    EXPECT_FALSE(enabled("1049"));
    EXPECT_FALSE(enabled("1048"));

    std::string settled =
        withHeader(withHeader(route, "StartMileage", "1250.0"), "SettledStops", "10");
    open(settled);  // started and settled: may be ended
    EXPECT_TRUE(enabled("1048"));
    EXPECT_TRUE(findCommand(*findScreen(screen::RouteSelect), cmd::EndRoute)->enabled(doc));

    open(withHeader(settled, "EndMileage", "1302.4"));  // ended
    EXPECT_FALSE(enabled("1026"));
    EXPECT_TRUE(enabled("1049"));
    EXPECT_FALSE(enabled("1048"));
    EXPECT_FALSE(findCommand(*findScreen(screen::RouteSelect), cmd::StartRoute)->enabled(doc));
}

// (The mileage checks, the clock and the saved route file are played by the route_start_end
// scenario.)
TEST_F(RouteSelectViewTest, StartRouteAsksForTheMileageOnceOnly) {
    open(route);
    onDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Start Route"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("1031"))->text(),
                  QStringLiteral("Route 101 Tuesday Harbor & Downtown"));
        typeMileage(d, QStringLiteral("1250.5"));
        pressOk(d);
    });
    EXPECT_EQ(view->handleCommand(cmd::StartRoute).kind, CommandOutcome::Proceed);
    EXPECT_DOUBLE_EQ(doc.Routes().At(0).StartMileage(), 1250.5);
    // A started route is entered without the dialog.
    EXPECT_EQ(view->handleCommand(cmd::StartRoute).kind, CommandOutcome::Proceed);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(RouteSelectViewTest, CancelledStartChangesNothing) {
    open(route);
    onDialog([](QDialog& d) {
        typeMileage(d, QStringLiteral("88"));
        d.reject();
    });
    EXPECT_EQ(view->handleCommand(cmd::StartRoute).kind, CommandOutcome::Stay);
    EXPECT_EQ(device.read(kRouteFile), route);
}

TEST_F(RouteSelectViewTest, RouteWithOpenStopsCannotBeEnded) {
    open(withHeader(route, "StartMileage", "1250.0"));
    doc.Routing().markSafetyDone();
    EXPECT_EQ(view->handleCommand(cmd::EndRoute).kind, CommandOutcome::Stay);
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(device.read(kRouteFile).find("<EndMileage>0.0</EndMileage>") != std::string::npos,
              true);
}

}  // namespace
