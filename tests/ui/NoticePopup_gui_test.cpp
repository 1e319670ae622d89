#include "ui/NoticePopup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace kelvo;

namespace {

// A main window with a screen in it.
struct Window {
    QWidget window;
    QWidget* screen = new QWidget(&window);

    Window() {
        window.resize(240, 320);
        window.show();
    }
};

QPushButton* okOf(NoticePopup* popup) {
    return popup->findChild<QPushButton*>();
}

}  // namespace

// A self-closing notice leaves the screen in reach; the ones after it wait their turn, and one
// that stays holds the driver until OK.
TEST(NoticePopupTest, NoticesFollowEachOtherAndCloseByTimeOrOk) {
    Window w;
    NoticePopup* popup = NoticePopup::post(w.screen, QStringLiteral("Arrival"),
                                           QStringLiteral("Arrival Time: 09:05 AM"), 30);
    EXPECT_EQ(NoticePopup::post(w.screen, QStringLiteral("Delivery Instructions"),
                                QStringLiteral("Side gate"), 0),
              popup);
    EXPECT_EQ(popup->objectName(), QStringLiteral("notice"));
    EXPECT_EQ(popup->parentWidget(), &w.window);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->text(), QStringLiteral("Arrival Time: 09:05 AM"));
    EXPECT_EQ(popup->windowModality(), Qt::NonModal);
    EXPECT_EQ(popup->waiting(), 1);

    QTRY_COMPARE_WITH_TIMEOUT(popup->text(), QStringLiteral("Side gate"), 1000);
    EXPECT_EQ(popup->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), popup);
    QTest::qWait(60);  // no timer closes it
    EXPECT_TRUE(popup->isVisible());
    okOf(popup)->click();
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(popup->text(), QString());
    EXPECT_EQ(popup->waiting(), 0);
}

// The departure notice is posted just before the stop action screen makes way for the stop
// list: the notice stays with the main window.
TEST(NoticePopupTest, ANoticeOutlivesTheScreenThatPostedIt) {
    Window w;
    NoticePopup* popup =
        NoticePopup::post(w.screen, QStringLiteral("Departure"),
                          QStringLiteral("Departed At: 09:47 AM"), NoticePopup::kCloseAfterMs);
    delete w.screen;
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->text(), QStringLiteral("Departed At: 09:47 AM"));
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
}
