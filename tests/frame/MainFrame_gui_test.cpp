#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <map>
#include <memory>

#include "doc/CommandTables.h"
#include "doc/KelvoDoc.h"
#include "frame/MainFrame.h"
#include "common/Clock.h"
#include "common/Prompter.h"
#include "support/TempDevice.h"
#include "ui/FormView.h"

using namespace kelvo;

namespace {

// A plain screen that counts the actions it is asked to run and answers as told.
class ProbeView : public FormView {
public:
    ProbeView(CKelvoDoc& doc, int screenIndex, std::map<Action, int>& calls,
              const std::map<Action, ActionOutcome>& answers)
        : FormView(doc, screenIndex), m_calls(calls), m_answers(answers) {}

    ActionOutcome handleAction(Action action, CommandId) override {
        ++m_calls[action];
        auto it = m_answers.find(action);
        return it == m_answers.end() ? ActionOutcome{} : it->second;
    }

private:
    std::map<Action, int>& m_calls;
    const std::map<Action, ActionOutcome>& m_answers;
};

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() : doc(device.fs(), prompter, clock) {}

    // A frame whose every screen is a probe, except the screens listed as missing.
    std::unique_ptr<CMainFrame> makeFrame(std::vector<int> missing = {}) {
        return std::make_unique<CMainFrame>(doc, [this, missing](int n, CKelvoDoc& d) -> FormView* {
            if (std::find(missing.begin(), missing.end(), n) != missing.end()) {
                return nullptr;
            }
            return new ProbeView(d, n, calls, answers);
        });
    }

    // The Actions menu as "caption|[disabled caption]|...".
    static std::string menuText(const CMainFrame& frame) {
        std::string out;
        for (QAction* a : frame.actionsMenu()->actions()) {
            const std::string caption = a->text().toStdString();
            out += (out.empty() ? "" : "|") + (a->isEnabled() ? caption : "[" + caption + "]");
        }
        return out;
    }

    static QAction* backAction(const CMainFrame& frame) {
        for (QAction* menu : frame.menuBar()->actions()) {
            for (QAction* a : menu->menu()->actions()) {
                if (a->data().toInt() == 32824) {
                    return a;
                }
            }
        }
        return nullptr;
    }

    test::TempDevice device;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc;
    std::map<Action, int> calls;
    std::map<Action, ActionOutcome> answers;
};

TEST_F(MainFrameTest, ActionsMenuOfEveryScreenFollowsItsCommandTable) {
    const CommandTables tables = makeCommandTables();
    for (int n = 0; n < screen::Count; ++n) {
        auto frame = makeFrame();
        ASSERT_TRUE(frame->showScreen(n));
        const auto actions = frame->actionsMenu()->actions();
        if (n == screen::ContactPerson || n == screen::StopInfo) {
            EXPECT_TRUE(actions.isEmpty()) << "screen " << n;
            continue;
        }
        const auto& table = tables[std::size_t(n)];
        ASSERT_EQ(actions.size(), qsizetype(table.size())) << "screen " << n;
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(actions[qsizetype(i)]->text().toStdString(), table[i].caption);
            EXPECT_EQ(actions[qsizetype(i)]->data().toUInt(), table[i].id);
            EXPECT_TRUE(actions[qsizetype(i)]->isEnabled());
        }
    }
    auto frame = makeFrame();
    ASSERT_TRUE(frame->showScreen(screen::RouteMan));
    EXPECT_EQ(menuText(*frame), "&Start|&Export Files");
    setCommandEnabled(doc.Tables(), screen::RouteMan, cmd::ExportFiles, false);
    frame->updateCommandStates();
    EXPECT_EQ(menuText(*frame), "&Start|[&Export Files]");
}

TEST_F(MainFrameTest, ACommandTheScreenSwitchedOffIsRefused) {
    auto frame = makeFrame();
    ASSERT_TRUE(frame->showScreen(screen::RouteMan));
    setCommandEnabled(doc.Tables(), screen::RouteMan, cmd::ExportFiles, false);
    frame->dispatch(cmd::ExportFiles);
    EXPECT_EQ(calls[Action::Export], 0);
    EXPECT_EQ(frame->currentScreen(), screen::RouteMan);
    setCommandEnabled(doc.Tables(), screen::RouteMan, cmd::ExportFiles, true);
    frame->dispatch(cmd::ExportFiles);
    EXPECT_EQ(calls[Action::Export], 1);
    EXPECT_EQ(frame->currentScreen(), screen::Start);
}

TEST_F(MainFrameTest, MakeALikeRenamesTheSecondWearerPage) {
    auto frame = makeFrame();
    frame->flags().makeALike = true;
    ASSERT_TRUE(frame->showScreen(screen::AddNextWearer));
    EXPECT_EQ(menuText(*frame), "Select Size");
}

TEST_F(MainFrameTest, BackIsDisabledOnlyOnTheStartAndRouteDriverScreens) {
    for (int n = 0; n < screen::Count; ++n) {
        auto frame = makeFrame();
        ASSERT_TRUE(frame->showScreen(n));
        QAction* back = backAction(*frame);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->isEnabled(), n > screen::RouteMan) << "screen " << n;
    }
}

// Where Back and Next lead from each screen, with plain screens that accept every command
// (no invoices on the stop, nothing settled, no wearer flow under way, not the "DUD" laundry).
TEST_F(MainFrameTest, BackAndNextOfEveryScreen) {
    const int back[screen::Count] = {0, 0, 1,  2,  3,  4,  5,  4,  2,  9, 4,  4, 4,  4,
                                     4, 4, 14, 16, 17, 18, 17, 14, 14, 5, 24, 5, 26, 5};
    const int next[screen::Count] = {1,  2,  3,  4,  4,  4,  6,  7,  8,  9,  10, 11, 12, 13,
                                     14, 15, 17, 18, 19, 14, 19, 19, 19, 23, 24, 25, 26, 27};
    for (int n = 0; n < screen::Count; ++n) {
        auto frame = makeFrame();
        ASSERT_TRUE(frame->showScreen(n));
        frame->dispatch(cmd::Back);
        EXPECT_EQ(frame->currentScreen(), back[n]) << "Back on screen " << n;
        auto frame2 = makeFrame();
        ASSERT_TRUE(frame2->showScreen(n));
        frame2->dispatch(cmd::Next);
        EXPECT_EQ(frame2->currentScreen(), next[n]) << "Next on screen " << n;
    }
}

TEST_F(MainFrameTest, BackTwiceWalksBackTwoScreens) {
    auto frame = makeFrame();
    ASSERT_TRUE(frame->showScreen(screen::RouteSelect));
    frame->dispatch(cmd::Back);
    EXPECT_EQ(frame->currentScreen(), screen::RouteMan);
    frame->dispatch(cmd::Back);
    EXPECT_EQ(frame->currentScreen(), screen::Start);
}

TEST_F(MainFrameTest, RepeatGuardIgnoresOnlyTheCommandThatChangedTheScreen) {
    auto frame = makeFrame();
    ASSERT_TRUE(frame->showScreen(screen::RouteSelect));
    frame->dispatch(cmd::StartRoute);
    EXPECT_EQ(frame->currentScreen(), screen::StopSelect);
    frame->dispatch(cmd::StartRoute);
    EXPECT_EQ(calls[Action::StartRoute], 1);
    EXPECT_EQ(frame->lastCommand(), cmd::StartRoute);

    // Add Product and Work Order are carried out every time.
    ASSERT_TRUE(frame->showScreen(screen::AddProduct));
    frame->dispatch(cmd::StoreProduct);
    frame->dispatch(cmd::StoreProduct);
    EXPECT_EQ(calls[Action::StoreProduct], 2);
    frame->dispatch(cmd::WorkOrder);
    frame->dispatch(cmd::WorkOrder);
    EXPECT_EQ(calls[Action::StoreExchange], 2);
}

TEST_F(MainFrameTest, AFailedStartCanBeTriedAgain) {
    auto frame = makeFrame();
    ASSERT_TRUE(frame->showScreen(screen::Start));
    answers[Action::StartDataCheck] = ActionOutcome::stay();
    frame->dispatch(cmd::Start);
    EXPECT_EQ(frame->currentScreen(), screen::Start);
    answers.erase(Action::StartDataCheck);
    frame->dispatch(cmd::Start);
    EXPECT_EQ(calls[Action::StartDataCheck], 2);
    EXPECT_EQ(frame->currentScreen(), screen::RouteMan);
}

TEST_F(MainFrameTest, AScreenThatCannotBeCreatedLeavesTheOldViewActive) {
    auto frame = makeFrame({screen::StopSelect});
    ASSERT_TRUE(frame->showScreen(screen::RouteSelect));
    FormView* before = frame->currentView();
    frame->dispatch(cmd::StartRoute);
    EXPECT_EQ(frame->currentScreen(), screen::RouteSelect);
    EXPECT_EQ(frame->currentView(), before);
    // Nothing changed the screen, so the same command may be given again.
    frame->dispatch(cmd::StartRoute);
    EXPECT_EQ(calls[Action::StartRoute], 2);
}

TEST_F(MainFrameTest, ScreenCanRedirectAndRecordAnotherCommand) {
    auto frame = makeFrame();
    ASSERT_TRUE(frame->showScreen(screen::RouteMan));
    answers[Action::RouteManStart] = ActionOutcome::to(screen::Safety, cmd::Preparation);
    frame->dispatch(cmd::RouteManStart);
    EXPECT_EQ(frame->currentScreen(), screen::Safety);
    EXPECT_EQ(frame->lastCommand(), cmd::Preparation);
}

TEST_F(MainFrameTest, ArrowKeysSendBackAndNextUnlessATextFieldHasTheFocus) {
    auto frame = makeFrame();
    frame->show();
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(frame->showScreen(screen::Start));
    QTest::keyClick(frame->currentView(), Qt::Key_Right);
    EXPECT_EQ(frame->currentScreen(), screen::RouteMan);
    QTest::keyClick(frame->currentView(), Qt::Key_Left);
    EXPECT_EQ(frame->currentScreen(), screen::Start);

    auto* edit = new QLineEdit(frame->currentView());
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_EQ(frame->currentScreen(), screen::Start);

    frame->currentView()->setFocus();
    frame->flags().arrowNavigation = false;
    QTest::keyClick(frame->currentView(), Qt::Key_Right);
    EXPECT_EQ(frame->currentScreen(), screen::Start);
}

}  // namespace
