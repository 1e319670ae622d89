#include "ui/TouchInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScroller>
#include <QTest>
#include <QTreeWidget>

#include "ui/EntryRules.h"
#include "ui/FieldKind.h"

using namespace kelvo;

// Each kind of field opens the layout of Qt's keyboard that can type everything it takes: the
// digit pad has no minus and no point, so only fields of whole numbers from 0 get it.
TEST(FieldKind, EachKindAsksForItsLayout) {
    EXPECT_TRUE(inputHints(FieldKind::Digits) & Qt::ImhDigitsOnly);
    EXPECT_TRUE(inputHints(FieldKind::Number) & Qt::ImhFormattedNumbersOnly);
    EXPECT_FALSE(inputHints(FieldKind::Number) & Qt::ImhDigitsOnly);
    EXPECT_TRUE(inputHints(FieldKind::Hex) & Qt::ImhUppercaseOnly);
    const Qt::InputMethodHints layouts = Qt::ImhDigitsOnly | Qt::ImhFormattedNumbersOnly |
                                         Qt::ImhUppercaseOnly | Qt::ImhDialableCharactersOnly;
    EXPECT_FALSE(inputHints(FieldKind::Text) & layouts);
    for (FieldKind kind : {FieldKind::Digits, FieldKind::Number, FieldKind::Hex, FieldKind::Text}) {
        EXPECT_FALSE(inputHints(kind) & Qt::ImhMultiLine);
        EXPECT_EQ(fieldKindOf(inputHints(kind)), kind) << fieldKindName(kind);
        EXPECT_EQ(fieldKindNamed(fieldKindName(kind)), kind);
    }
    EXPECT_FALSE(fieldKindNamed("decimal"));
    EXPECT_EQ(fieldKindOf(Qt::ImhNone), FieldKind::Text);
}

// The entry rules the screens build their fields with tell the keyboard what they take.
TEST(FieldKind, EntryRulesSetTheKind) {
    QLineEdit quantity, adjustment, amount, initials;
    QPlainTextEdit notes;
    acceptWholeNumbers(&quantity, 4, false);
    acceptWholeNumbers(&adjustment, 4, true);  // -2 needs a minus
    acceptAmount(&amount);
    acceptFileText(&initials, 10);
    acceptFileText(&notes);
    EXPECT_EQ(fieldKindOf(quantity.inputMethodHints()), FieldKind::Digits);
    EXPECT_EQ(fieldKindOf(adjustment.inputMethodHints()), FieldKind::Number);
    EXPECT_EQ(fieldKindOf(amount.inputMethodHints()), FieldKind::Number);
    EXPECT_EQ(fieldKindOf(initials.inputMethodHints()), FieldKind::Text);
    EXPECT_EQ(fieldKindOf(notes.inputMethodHints()), FieldKind::Text);
}

TEST(KeyboardMode, Words) {
    EXPECT_EQ(keyboardModeNamed("on"), KeyboardMode::On);
    EXPECT_EQ(keyboardModeNamed("OFF"), KeyboardMode::Off);
    EXPECT_EQ(keyboardModeNamed("Auto"), KeyboardMode::Auto);
    EXPECT_FALSE(keyboardModeNamed("yes"));
    EXPECT_FALSE(keyboardModeNamed(""));
    EXPECT_TRUE(keyboardWanted(KeyboardMode::On));
    EXPECT_FALSE(keyboardWanted(KeyboardMode::Off));
}

namespace {

// The kernel's list of input devices as a handheld and a laptop give it.
const char* const kPowerButton =
    "I: Bus=0019 Vendor=0000 Product=0001 Version=0000\n"
    "N: Name=\"Power Button\"\n"
    "H: Handlers=kbd event0 \n"
    "B: PROP=0\n"
    "B: EV=3\n"
    "B: KEY=10000000000000 0\n"
    "\n";
const char* const kTouchScreen =
    "I: Bus=0018 Vendor=27c6 Product=0113 Version=0100\n"
    "N: Name=\"Goodix Capacitive TouchScreen\"\n"
    "H: Handlers=event1 \n"
    "B: PROP=2\n"
    "B: EV=b\n"
    "B: KEY=400 0 0 0 0 0\n"
    "B: ABS=2658000 3\n"
    "\n";
const char* const kKeyboard =
    "I: Bus=0011 Vendor=0001 Product=0001 Version=ab41\n"
    "N: Name=\"AT Translated Set 2 keyboard\"\n"
    "H: Handlers=sysrq kbd event2 leds \n"
    "B: PROP=0\n"
    "B: EV=120013\n"
    "B: KEY=402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe\n"
    "B: MSC=10\n"
    "B: LED=7\n";
const char* const kTouchpad =
    "I: Bus=0018 Vendor=06cb Product=7e7e Version=0100\n"
    "N: Name=\"SYNA Touchpad\"\n"
    "H: Handlers=mouse0 event3 \n"
    "B: PROP=5\n"
    "B: EV=1b\n"
    "B: KEY=e520 10000 0 0 0 0\n"
    "B: ABS=2e0800000000003\n";

}  // namespace

// The power button has a key handler but no letters; a touchpad points, but not on the
// screen: neither counts.
TEST(KeyboardMode, InputDevices) {
    const InputDevices handheld = readInputDevices(std::string(kPowerButton) + kTouchScreen);
    EXPECT_TRUE(handheld.touchScreen);
    EXPECT_FALSE(handheld.keyboard);
    const InputDevices laptop =
        readInputDevices(std::string(kPowerButton) + kKeyboard + "\n" + kTouchpad);
    EXPECT_TRUE(laptop.keyboard);
    EXPECT_FALSE(laptop.touchScreen);
    const InputDevices none = readInputDevices("");
    EXPECT_FALSE(none.keyboard || none.touchScreen);
}

// A list shown anywhere in the program scrolls under a finger, without overshoot, with rows a
// finger can hit; a combo box's drop-down list is left to the combo box.
TEST(TouchScrolling, ListsShownScrollByTouch) {
    QWidget owner;
    TouchInput touch(&owner);
    QWidget window;
    auto* list = new QTreeWidget(&window);
    for (int i = 0; i < 60; ++i) {
        list->addTopLevelItem(new QTreeWidgetItem(QStringList{QString::number(i)}));
    }
    auto* combo = new QComboBox(&window);
    combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
    combo->move(0, 200);
    window.resize(240, 320);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QScroller::hasScroller(list->viewport()));
    const QScrollerProperties p = QScroller::scroller(list->viewport())->scrollerProperties();
    EXPECT_EQ(p.scrollMetric(QScrollerProperties::VerticalOvershootPolicy)
                  .value<QScrollerProperties::OvershootPolicy>(),
              QScrollerProperties::OvershootAlwaysOff);
    EXPECT_GE(list->visualItemRect(list->topLevelItem(0)).height(), touchHeight(list));
    EXPECT_GE(touchHeight(list), 30);  // 9 mm at the offscreen screen's 96 dpi: 35 pixels
    combo->showPopup();
    QTest::qWait(50);
    EXPECT_FALSE(QScroller::hasScroller(combo->view()->viewport()));
    combo->hidePopup();
}
