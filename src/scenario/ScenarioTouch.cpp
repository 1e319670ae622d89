#include "scenario/ScenarioTouch.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QInputMethod>
#include <QPixmap>
#include <QPointingDevice>
#include <QScreen>
#include <QScrollBar>
#include <QScroller>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "scenario/ScenarioStage.h"
#include "scenario/ScenarioWidgets.h"
#include "ui/FieldKind.h"

namespace kelvo {

namespace {

// Moves of a finger's drag, and the milliseconds between two of them: slow enough for a drag,
// not a flick. The steps never run the event loop themselves: the player runs the next step
// from it.
constexpr int kDragMoves = 12;
constexpr int kMovePause = 20;

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

enum class Finger { Press, Move, Release };

// A finger pressed, moved or lifted at a point of the widget, delivered through the window as
// the platform delivers a touch screen's events (and without running the event loop).
void touch(QWidget* widget, Finger finger, const QPoint& at) {
    QTest::QTouchEventWidgetSequence sequence = QTest::touchEvent(widget, touchScreen(), false);
    if (finger == Finger::Press) {
        sequence.press(0, at, widget);
    } else if (finger == Finger::Move) {
        sequence.move(0, at, widget);
    } else {
        sequence.release(0, at, widget);
    }
    sequence.commit(false);
}

void touchTap(QWidget* widget, const QPoint& at) {
    touch(widget, Finger::Press, at);
    touch(widget, Finger::Release, at);
}

StepOutcome tap(const ScenarioStep& step, ScenarioStage& stage) {
    StepOutcome error;
    QWidget* w = stage.locateForAction(step.widget, error);
    if (!w) {
        return error;
    }
    scenario::activate(w);
    if (step.number < 0) {
        touchTap(w, w->rect().center());
        return StepOutcome::pass();
    }
    auto* view = qobject_cast<QAbstractItemView*>(w);
    const int row = static_cast<int>(step.number);
    if (!view || !view->model() || row >= view->model()->rowCount()) {
        return StepOutcome::broken(step.widget.toString() + " has no row " + std::to_string(row));
    }
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    touchTap(view->viewport(), view->visualRect(index).center());
    return StepOutcome::pass();
}

// The height of one row of a list, else of a line of the form's font.
int rowHeight(QAbstractScrollArea* area) {
    if (auto* view = qobject_cast<QAbstractItemView*>(area);
        view && view->model() && view->model()->rowCount() > 0) {
        return std::max(1, view->sizeHintForRow(0));
    }
    return area->fontMetrics().height() * 2;
}

StepOutcome drag(const ScenarioStep& step, ScenarioStage& stage) {
    StepOutcome error;
    QWidget* w = stage.locateForAction(step.widget, error);
    if (!w) {
        return error;
    }
    auto* area = qobject_cast<QAbstractScrollArea*>(w);
    if (!area) {
        return StepOutcome::broken(step.widget.toString() + " is no list or form that scrolls");
    }
    scenario::activate(w);
    QWidget* viewport = area->viewport();
    const int distance = rowHeight(area) * static_cast<int>(step.number);
    const int direction = step.text == "up" ? -1 : 1;
    // The finger starts where the whole drag fits inside the viewport; the scroller follows it
    // on its own timer, so the moves come from timers too, while the player waits (touchDelay).
    const int height = viewport->height();
    const QPoint start(viewport->width() / 2, direction < 0 ? height - 4 : 4);
    const int length = direction * std::min(distance, height - 8);
    touch(viewport, Finger::Press, start);
    for (int i = 1; i <= kDragMoves; ++i) {
        const QPoint at = start + QPoint(0, length * i / kDragMoves);
        QTimer::singleShot(kMovePause * i, viewport,
                           [viewport, at] { touch(viewport, Finger::Move, at); });
    }
    // The finger rests before it lifts: no flick.
    QTimer::singleShot(kMovePause * (kDragMoves + 4), viewport, [viewport, start, length] {
        touch(viewport, Finger::Release, start + QPoint(0, length));
    });
    return StepOutcome::pass();
}

// A keyboard-wedge scanner: the characters and Enter come as key presses of a hardware
// keyboard, through the platform's key path, to the focused field.
StepOutcome scan(const ScenarioStep& step) {
    QWindow* window = QGuiApplication::focusWindow();
    if (!window) {
        return StepOutcome::broken("no window has the focus for the scanner's keys");
    }
    for (const char c : step.text) {
        QTest::keyClick(window, c);
    }
    QTest::keyClick(window, Qt::Key_Return);
    return StepOutcome::pass();
}

StepOutcome expectKeyboard(bool shown) {
    QInputMethod* im = QGuiApplication::inputMethod();
    if (im->isVisible() != shown) {
        return StepOutcome::fail(shown ? "the keyboard shown" : "the keyboard hidden",
                                 shown ? "it hidden" : "it shown");
    }
    QWidget* field = QApplication::focusWidget();
    if (!shown || !field) {
        return StepOutcome::pass();
    }
    // The keyboard never covers the field that is typed into (in screen coordinates).
    const QRect keyboard = im->keyboardRectangle().toAlignedRect();
    const QRect rect(field->mapToGlobal(QPoint(0, 0)), field->size());
    if (keyboard.intersects(rect)) {
        return StepOutcome::fail(
            "the field " + field->objectName().toStdString() + " above the keyboard",
            "it under the keyboard's top at y " + std::to_string(keyboard.top()));
    }
    return StepOutcome::pass();
}

StepOutcome expectHints(const ScenarioStep& step, ScenarioStage& stage) {
    StepOutcome error;
    QWidget* w = stage.locate(step.widget, error);
    if (!w) {
        return error;
    }
    if (!fieldKindNamed(step.text.c_str())) {
        return StepOutcome::broken("\"" + step.text + "\" is none of digits, number, hex, text");
    }
    const char* found = fieldKindName(fieldKindOf(w->inputMethodHints()));
    if (step.text != found) {
        return StepOutcome::fail(step.widget.toString() + " asking for " + step.text,
                                 std::string(found));
    }
    return StepOutcome::pass();
}

StepOutcome expectScrolled(const ScenarioStep& step, ScenarioStage& stage) {
    StepOutcome error;
    QWidget* w = stage.locate(step.widget, error);
    if (!w) {
        return error;
    }
    auto* area = qobject_cast<QAbstractScrollArea*>(w);
    if (!area) {
        return StepOutcome::broken(step.widget.toString() + " is no list or form that scrolls");
    }
    const QScrollBar* bar = area->verticalScrollBar();
    if (bar->value() == bar->minimum()) {
        return StepOutcome::fail(step.widget.toString() + " scrolled",
                                 "it at its top (of " + std::to_string(bar->maximum()) + ")");
    }
    return StepOutcome::pass();
}

}  // namespace

int touchDelay(StepKind kind) {
    // The drag's moves and lift, and time for the list to come to rest.
    return kind == StepKind::Drag ? kMovePause * (kDragMoves + 4) + 300 : 0;
}

bool isTouchStep(StepKind kind) {
    return kind == StepKind::Tap || kind == StepKind::Drag || kind == StepKind::Scan ||
           kind == StepKind::ExpectKeyboardShown || kind == StepKind::ExpectKeyboardHidden ||
           kind == StepKind::ExpectHints || kind == StepKind::ExpectScrolled;
}

StepOutcome runTouchStep(const ScenarioStep& step, ScenarioStage& stage) {
    switch (step.kind) {
        case StepKind::Tap:
            return tap(step, stage);
        case StepKind::Drag:
            return drag(step, stage);
        case StepKind::Scan:
            return scan(step);
        case StepKind::ExpectKeyboardShown:
        case StepKind::ExpectKeyboardHidden:
            return expectKeyboard(step.kind == StepKind::ExpectKeyboardShown);
        case StepKind::ExpectHints:
            return expectHints(step, stage);
        case StepKind::ExpectScrolled:
            return expectScrolled(step, stage);
        default:
            break;
    }
    return StepOutcome::broken("not a touch step");
}

namespace scenario {

bool grabWithKeyboard(QWidget* window, QPixmap& picture) {
    if (!QGuiApplication::inputMethod()->isVisible() || !window->screen()) {
        return false;
    }
    const QPoint at = window->mapToGlobal(QPoint(0, 0));
    picture = window->screen()->grabWindow(0, at.x(), at.y(), window->width(), window->height());
    return !picture.isNull();
}

}  // namespace scenario

}  // namespace kelvo
