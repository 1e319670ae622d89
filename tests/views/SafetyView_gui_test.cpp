#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "support/TempDevice.h"
#include "views/safety/SafetyRemarksDialog.h"
#include "views/safety/SafetyView.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kSafety = "\\VexXml\\Safety.xml";
constexpr const char* kRoute12 = "\\VexXml\\Route_12_20061205.xml";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The safety screen on a temporary device, 240 x 296 as in the frame.
class SafetyScreen : public ::testing::Test {
protected:
    // Places a checklist fixture as Safety.xml, loads it and shows the screen.
    void open(const char* safetyFixture = "Safety.xml") {
        dev.putFixture(kSafety, fixture(std::string("safety/") + safetyFixture));
        doc.SafetyChecks().SetPath("");
        ASSERT_TRUE(doc.SafetyChecks().Load(dev.fs()));
        show();
    }
    // Shows a fresh screen on the document's checklist, as the frame does on every visit.
    void show() {
        view = std::make_unique<CSafetyView>(doc);
        view->attach(&flags, screen::RouteMan);
        view->resize(240, 296);
        view->show();
        view->initialUpdate();
    }

    QPushButton* box(int id) const {
        auto* b = view->findChild<QPushButton*>(QString::number(id));
        EXPECT_NE(b, nullptr) << id;
        return b;
    }
    QString text(int id) const {
        auto* label = view->findChild<QLabel*>(QString::number(id));
        return label ? label->text() : box(id)->text();
    }
    bool shown(int id) const {
        auto* w = view->findChild<QWidget*>(QString::number(id));
        return w && w->isVisibleTo(view.get());
    }
    void tap(int id) { QTest::mouseClick(box(id), Qt::LeftButton); }
    // "OkNeed" marks of every item, e.g. "NN YN NY NN NN NN ".
    std::string marks() const {
        std::string out;
        for (std::size_t i = 0; i < doc.SafetyChecks().Count(); ++i) {
            out += doc.SafetyChecks().At(i).Ok;
            out += doc.SafetyChecks().At(i).NeedMaintenance;
            out += ' ';
        }
        return out;
    }

    // Reads the fixture configuration with another truck code.
    void configureTruck(const std::string& escapedCode) {
        const std::string config = readHostFile(fixture("config/Config.xml"));
        dev.put("\\VexXml\\Config.xml", replaced(config, "<TruckCode>T-07</TruckCode>",
                                                 "<TruckCode>" + escapedCode + "</TruckCode>"));
        doc.Config().SetRoot("");
        ASSERT_TRUE(doc.Config().Load(dev.fs()));
    }
    // Loads the route list from the route files placed on the device.
    void loadRoutes() {
        doc.Routes().SetStoragePath("");
        doc.Route().SetStoragePath("");
        loadRouteList(doc.Routes(), dev.fs(), prompter);
    }
    // Runs the remarks command; `drive` gets the open dialog (it must close it). Returns
    // whether a dialog was open.
    bool remarks(const std::function<void(SafetyRemarksDialog&)>& drive) {
        bool opened = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<SafetyRemarksDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                opened = true;
                drive(*dialog);
            }
        });
        timer.start(0);
        const CommandOutcome outcome = view->handleCommand(cmd::SafetyPage);
        EXPECT_EQ(outcome.kind, CommandOutcome::Stay);
        return opened;
    }
    static QPlainTextEdit* edit(SafetyRemarksDialog& d) {
        return d.findChild<QPlainTextEdit*>(QStringLiteral("1007"));
    }
    static void press(SafetyRemarksDialog& d, const char* name) {
        d.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc{dev.fs(), prompter, clock};
    FrameFlags flags;
    std::unique_ptr<CSafetyView> view;
};

TEST_F(SafetyScreen, SixItemsShowFourRowsTheScrollBarAndTheTruck) {
    // A truck code with "&" is shown as it is, not as a mnemonic.
    configureTruck("T&amp;7");
    flags.safetyCheckPending = true;
    open();

    EXPECT_FALSE(flags.safetyCheckPending);
    EXPECT_FALSE(view->isChanged());
    EXPECT_EQ(text(1007), QStringLiteral("Truck: T&7 "));
    EXPECT_EQ(text(1008), QStringLiteral("  Ok  Need Maintenance"));
    EXPECT_EQ(text(1195), QStringLiteral("Brakes"));
    EXPECT_EQ(text(1196), QStringLiteral("Lights & signals"));
    EXPECT_EQ(text(1198), QStringLiteral("Mirrors"));
    // Item 2 is Ok, item 3 needs maintenance.
    const QString v = QStringLiteral("V");
    EXPECT_EQ(text(127), QString());
    EXPECT_EQ(text(128), v);
    EXPECT_EQ(text(132), QString());
    EXPECT_EQ(text(129), QString());
    EXPECT_EQ(text(133), v);
    EXPECT_TRUE(shown(130) && shown(134) && shown(1198));

    auto* scroll = view->findChild<QScrollBar*>(QStringLiteral("1194"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->isVisibleTo(view.get()));
    EXPECT_EQ(scroll->minimum(), 0);
    EXPECT_EQ(scroll->maximum(), 5);  // one position per item
    scroll->setValue(5);
    EXPECT_EQ(text(1195), QStringLiteral("Oil level <min>"));
    EXPECT_FALSE(shown(1196) || shown(128) || shown(132));
}

TEST_F(SafetyScreen, FewItemsNeedNoScrollBar) {
    open("Safety_unordered.xml");  // three items
    EXPECT_FALSE(shown(1194));
    EXPECT_TRUE(shown(1197) && shown(129) && shown(133));
    EXPECT_FALSE(shown(1198) || shown(130) || shown(134));
}

TEST_F(SafetyScreen, AnsweringThePageMovesOnToTheRest) {
    open();
    tap(127);  // item 1 Ok; items 2 and 3 are answered already
    EXPECT_EQ(view->firstShown(), 0u);
    EXPECT_TRUE(view->isChanged());
    tap(134);  // item 4 needs maintenance: the page is complete
    EXPECT_EQ(marks(), "YN YN NY NY NN NN ");
    EXPECT_EQ(view->firstShown(), 4u);
    EXPECT_EQ(view->findChild<QScrollBar*>(QStringLiteral("1194"))->value(), 4);
    EXPECT_EQ(text(1195), QStringLiteral("Horn"));
    EXPECT_EQ(text(1196), QStringLiteral("Oil level <min>"));
    EXPECT_EQ(text(127), QString());
    EXPECT_FALSE(shown(1197) || shown(1198) || shown(129) || shown(130) || shown(133) ||
                 shown(134));
    // The last page answered: nothing follows, the screen stays on it.
    tap(127);
    tap(132);
    EXPECT_EQ(view->firstShown(), 4u);
    EXPECT_EQ(marks(), "YN YN NY NY YN NY ");
}

TEST_F(SafetyScreen, MarksAreExclusiveAndUnmarkingLeavesTheItemOpen) {
    open();
    tap(129);  // Ok on item 3, which needs maintenance
    EXPECT_EQ(text(129), QStringLiteral("V"));
    EXPECT_EQ(text(133), QString());
    tap(129);  // and off again
    EXPECT_EQ(text(129), QString());
    EXPECT_EQ(text(133), QString());
    tap(132);  // Need Maintenance on item 2, which is Ok
    EXPECT_EQ(text(128), QString());
    EXPECT_EQ(text(132), QStringLiteral("V"));
    EXPECT_EQ(marks(), "NN NY NN NN NN NN ");
    EXPECT_FALSE(doc.SafetyChecks().At(2).IsAnswered());
}

TEST_F(SafetyScreen, SaveWritesTheChecklistAndCountsTheCheckAsDone) {
    open();
    QSignalSpy sent(view.get(), &FormView::commandRequested);
    tap(1156);
    tap(1157);
    tap(1158);
    ASSERT_EQ(sent.count(), 3);
    EXPECT_EQ(sent.at(0).at(0).value<CommandId>(), cmd::SafetySave);
    EXPECT_EQ(sent.at(1).at(0).value<CommandId>(), cmd::SafetyCancel);
    EXPECT_EQ(sent.at(2).at(0).value<CommandId>(), cmd::SafetyPage);

    doc.SafetyChecks().SetTruckID("VAN & CO <2>");  // as the Select Truck dialog sets it
    tap(127);
    tap(132);
    tap(129);  // item 4 and the second page stay unanswered, and are written all the same
    EXPECT_FALSE(doc.Routing().SafetyDone());
    EXPECT_EQ(view->handleCommand(cmd::SafetySave).kind, CommandOutcome::Proceed);
    EXPECT_EQ(dev.read(kSafety), readHostFile(fixture("safety/Safety_marked.xml")));
    EXPECT_TRUE(doc.Routing().SafetyDone());
    EXPECT_FALSE(view->isChanged());
}

TEST_F(SafetyScreen, CancelBringsBackTheLastSavedMarks) {
    open();
    tap(127);
    ASSERT_EQ(view->handleCommand(cmd::SafetySave).kind, CommandOutcome::Proceed);
    const std::string saved = dev.read(kSafety);
    doc.Routing().takeChecklist(false);

    show();  // a later visit: marks made, then dropped
    tap(128);
    tap(131);
    tap(134);
    EXPECT_EQ(marks(), "NY NN NY NY NN NN ");
    EXPECT_EQ(view->handleCommand(cmd::SafetyCancel).kind, CommandOutcome::Proceed);
    EXPECT_EQ(marks(), "YN YN NY NN NN NN ");
    EXPECT_EQ(dev.read(kSafety), saved);
    EXPECT_FALSE(doc.Routing().SafetyDone());
}

TEST_F(SafetyScreen, BackKeepsUnsavedMarksInMemoryOnly) {
    open();
    tap(127);
    // Back goes straight on to the route selection, without a step of this screen.
    view.reset();
    EXPECT_EQ(marks(), "YN YN NY NN NN NN ");
    EXPECT_EQ(dev.read(kSafety), readHostFile(fixture("safety/Safety.xml")));
    EXPECT_FALSE(doc.Routing().SafetyDone());
}

TEST_F(SafetyScreen, RemarksAreStoredInTheRouteFile) {
    const std::string route = readHostFile(fixture("route/Route_12_20061205.xml"));
    dev.put(kRoute12, route);
    loadRoutes();
    open();
    ASSERT_EQ(doc.Routing().SelectedRouteIndex(), -1);  // the one route of the day is meant

    const bool opened = remarks([](SafetyRemarksDialog& d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("218"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("1008"))->text(),
                  QStringLiteral("Safety Check Remarks"));
        EXPECT_EQ(edit(d)->toPlainText(), QStringLiteral("Tyre\ncheck & oil"));
        edit(d)->setPlainText(QStringLiteral("Brakes squeak\nMirror left & right <cracked>"));
        press(d, "ok");
    });
    ASSERT_TRUE(opened);
    const std::string stored = "Brakes squeak\r\nMirror left & right <cracked>";
    EXPECT_EQ(doc.Route().SafetyRemarks(), stored);
    EXPECT_EQ(doc.Routes().At(0).SafetyRemarks(), stored);
    EXPECT_EQ(dev.read(kRoute12),
              replaced(route, "Tyre\r\ncheck &amp; oil",
                       "Brakes squeak\r\nMirror left &amp; right &lt;cracked&gt;"));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(SafetyScreen, RemarksCancelAndRefusedTextChangeNothing) {
    const std::string route = readHostFile(fixture("route/Route_12_20061205.xml"));
    dev.put(kRoute12, route);
    loadRoutes();
    doc.Routing().selectRoute(0);
    const std::string listed = doc.Routes().At(0).SafetyRemarks();
    open();

    EXPECT_TRUE(remarks([](SafetyRemarksDialog& d) {
        edit(d)->setPlainText(QStringLiteral("changed my mind"));
        press(d, "cancel");
    }));
    // Text the 8-bit file cannot hold is refused, and the dialog stays open to correct it.
    EXPECT_TRUE(remarks([this](SafetyRemarksDialog& d) {
        edit(d)->setPlainText(QStringLiteral("Snow \u2603 on the roof"));
        press(d, "ok");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(edit(d)->textCursor().selectedText(), QStringLiteral("\u2603"));
        // So is a remark longer than the file keeps (line breaks count twice).
        edit(d)->setPlainText(QString(250, QLatin1Char('a')) + QStringLiteral("\n\n\n"));
        press(d, "ok");
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(prompter.shown().size(), 2u);
        EXPECT_EQ(prompter.shown()[0].caption, "Invalid data");
        EXPECT_EQ(prompter.shown()[1].caption, "Invalid data");
        press(d, "cancel");
    }));
    EXPECT_EQ(doc.Route().SafetyRemarks(), "Tyre\r\ncheck & oil");
    EXPECT_EQ(doc.Routes().At(0).SafetyRemarks(), listed);
    EXPECT_EQ(dev.read(kRoute12), route);

    // Exactly 255 characters as stored (one line break) are taken.
    EXPECT_TRUE(remarks([](SafetyRemarksDialog& d) {
        edit(d)->setPlainText(QString(126, QLatin1Char('x')) + QStringLiteral("\n") +
                              QString(127, QChar(0xE9)));
        press(d, "ok");
    }));
    EXPECT_EQ(doc.Route().SafetyRemarks(),
              std::string(126, 'x') + "\r\n" + std::string(127, '\xE9'));
}

// Everything a gloved finger taps lies inside the handheld's form, clear of the bottom
// buttons, and is big enough, also with long descriptions; KELVO_SCREENSHOTS=<folder> also
// saves pictures of the screen and of the remarks dialog.
TEST_F(SafetyScreen, FitsTheHandheldScreen) {
    configureTruck("TR-12 &amp; trailer");
    const std::string checklist = readHostFile(fixture("safety/Safety.xml"));
    const std::string longest(255, 'W');
    for (const std::string& mirrors :
         {std::string("Mirrors, windscreen and wipers clean and undamaged"), longest}) {
        dev.put(kSafety,
                replaced(checklist, "<Description>Mirrors<", "<Description>" + mirrors + "<"));
        doc.SafetyChecks().SetPath("");
        ASSERT_TRUE(doc.SafetyChecks().Load(dev.fs()));
        show();
        QApplication::processEvents();
        const QWidget* save = box(1156);
        for (int id : {127, 130, 131, 134, 1194, 1195, 1198}) {
            auto* w = view->findChild<QWidget*>(QString::number(id));
            const QRect r(w->mapTo(view.get(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(view->rect().contains(r)) << id;
            EXPECT_LT(r.bottom(), save->geometry().top() - 4) << id;
            EXPECT_GE(w->width(), id == 1194 ? 24 : 44) << id;
            EXPECT_GE(w->height(), 40) << id;
        }
        for (int id : {1156, 1157, 1158}) {
            // The caption fits its button.
            const QPushButton* b = box(id);
            EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 8, b->width()) << id;
        }
        if (const QByteArray dir = qgetenv("KELVO_SCREENSHOTS"); !dir.isEmpty()) {
            const QString name = mirrors == longest ? QStringLiteral("/safety-view-long.png")
                                                    : QStringLiteral("/safety-view.png");
            view->grab().save(QString::fromLocal8Bit(dir) + name);
        }
    }

    dev.put(kRoute12, readHostFile(fixture("route/Route_12_20061205.xml")));
    loadRoutes();
    EXPECT_TRUE(remarks([](SafetyRemarksDialog& d) {
        EXPECT_LE(d.width(), 240);
        EXPECT_LE(d.height(), 296);
        EXPECT_GE(d.findChild<QPushButton*>(QStringLiteral("ok"))->height(), 36);
        if (const QByteArray dir = qgetenv("KELVO_SCREENSHOTS"); !dir.isEmpty()) {
            d.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/safety-remarks.png"));
        }
        d.reject();
    }));
}

}  // namespace
