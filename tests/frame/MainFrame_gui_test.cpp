#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <deque>
#include <memory>
#include <set>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "doc/ScreenTable.h"
#include "frame/MainFrame.h"
#include "frame/ViewFactory.h"
#include "support/TempDevice.h"
#include "ui/FormView.h"

using namespace kelvo;

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() : doc(device.fs(), prompter, clock) {}

    // A frame whose every screen is a plain form view.
    std::unique_ptr<CMainFrame> makeFrame() {
        return std::make_unique<CMainFrame>(
            doc, [](int n, CKelvoDoc& d) -> FormView* { return new FormView(d, n); });
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

    static QAction* menuEntry(const CMainFrame& frame, const QString& text) {
        for (QAction* menu : frame.menuBar()->actions()) {
            for (QAction* a : menu->menu()->actions()) {
                if (a->text() == text) {
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
};

TEST_F(MainFrameTest, MenusFollowTheCurrentScreen) {
    auto frame = makeFrame();
    ASSERT_TRUE(frame->showScreen(screen::RouteMan));
    // Nothing to export yet.
    EXPECT_EQ(menuText(*frame), "&Start|[&Export Files]|Day Recap");
    QAction* back = menuEntry(*frame, QStringLiteral("&Back"));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());
    // The entries follow the document once the frame shows them again.
    device.put("\\VexXml\\Config.xml", "<Config/>");
    frame->updateCommandStates();
    EXPECT_EQ(menuText(*frame), "&Start|&Export Files|Day Recap");
    // Choosing an entry carries out its command.
    frame->actionsMenu()->actions().front()->trigger();
    EXPECT_EQ(frame->currentScreen(), screen::RouteSelect);
    EXPECT_EQ(menuText(*frame), "[&Start Route]|[&Preparation]|[&End Route]");  // no route
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_EQ(frame->currentScreen(), screen::RouteMan);
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

TEST_F(MainFrameTest, F1AndScreenHelpShowTheCurrentScreensHelp) {
    auto frame = makeFrame();
    frame->show();
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(frame->showScreen(screen::RouteSelect));
    QTest::keyClick(frame.get(), Qt::Key_F1);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, "Route Selection");
    EXPECT_NE(prompter.shown()[0].text.find("End  End Route"), std::string::npos);
    QAction* help = menuEntry(*frame, QStringLiteral("&Screen help"));
    ASSERT_NE(help, nullptr);
    help->trigger();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[1].text, prompter.shown()[0].text);
}

// Every screen that has a view explains itself and can be reached from the start screen by
// the commands and the Back and Next of the screens before it.
TEST_F(MainFrameTest, EveryScreenWithAViewHasHelpAndIsReachable) {
    std::set<int> withView;
    for (int n = 0; n < screen::Count; ++n) {
        if (std::unique_ptr<FormView> view{createView(n, doc)}) {
            withView.insert(n);
            EXPECT_NE(findScreen(n)->help, nullptr) << "screen " << n;
        }
    }
    // Every screen has a view, but the wearer screen's table for a product row (the wearer
    // view switches to it) and the index no screen uses.
    std::set<int> all;
    for (int n = 0; n < screen::Count; ++n) {
        if (n != screen::WearerProduct && n != screen::Unused) {
            all.insert(n);
        }
    }
    EXPECT_EQ(withView, all);
    std::set<int> reached{screen::Start};
    std::deque<int> todo{screen::Start};
    auto reach = [&](int s) {
        if (s != screen::None && reached.insert(s).second) {
            todo.push_back(s);
        }
    };
    while (!todo.empty()) {
        const ScreenEntry& screen = *findScreen(todo.front());
        todo.pop_front();
        // The wearer screen switches to its product table itself when a product row is chosen.
        if (screen.index == screen::Wearer) {
            reach(screen::WearerProduct);
        }
        for (const ScreenCommand& c : screen.commands) {
            reach(c.target);
        }
        for (StepRule rule : {screen.back, screen.next}) {
            FrameFlags flags;
            const Translation t = rule ? rule(flags, NavFacts{}) : Translation{};
            reach(t.screen);
            reach(t.command != 0 ? findCommand(t.command)->target : screen::None);
        }
    }
    for (int n : withView) {
        EXPECT_TRUE(reached.count(n)) << "screen " << n;
    }
}

// Kiosk mode: the window covers the screen without decorations and stays whatever asks it
// to close, until App > Exit is answered Yes. Outside kiosk mode Exit closes without a
// question, as it always did.
TEST_F(MainFrameTest, KioskModeLeavesOnlyThroughExit) {
    auto frame = makeFrame();
    frame->setKiosk(true);
    frame->show();
    ASSERT_TRUE(frame->showScreen(screen::Start));
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_GT(frame->maximumWidth(), CMainFrame::kWidth);

    EXPECT_FALSE(frame->close());  // a window manager's close, Alt+F4
    EXPECT_TRUE(frame->isVisible());
    QAction* exit = menuEntry(*frame, QStringLiteral("E&xit"));
    ASSERT_NE(exit, nullptr);
    exit->trigger();  // answered No
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "Do you want to exit Kelvo?");
    EXPECT_EQ(prompter.shown()[0].buttons, MessageButtons::YesNo);
    prompter.queue(Answer::Yes);
    exit->trigger();
    EXPECT_FALSE(frame->isVisible());

    auto desk = makeFrame();
    desk->show();
    EXPECT_FALSE(desk->isFullScreen());
    EXPECT_EQ(desk->size(), QSize(CMainFrame::kWidth, CMainFrame::kHeight));
    menuEntry(*desk, QStringLiteral("E&xit"))->trigger();
    EXPECT_FALSE(desk->isVisible());
    EXPECT_EQ(prompter.shown().size(), 2u);
}

}  // namespace
