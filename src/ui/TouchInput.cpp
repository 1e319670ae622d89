#include "ui/TouchInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScroller>
#include <QSet>
#include <QStyleHints>
#include <QStyledItemDelegate>
#include <QTextEdit>
#include <QTouchEvent>
#include <QWindow>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace kelvo {

namespace {

// Marks a scroll area that already scrolls by touch.
constexpr char kTouchProperty[] = "kelvoTouchScrolling";
// Room left between a lifted field and the keyboard's top edge.
constexpr int kKeyboardGap = 6;

// Hexadecimal words of a bitmap line of the device list ("B: KEY=7 ff000000 0"), the last
// word holding bits 0 to 63.
bool bitSet(std::string_view words, int bit) {
    std::vector<unsigned long long> values;
    std::istringstream in{std::string(words)};
    std::string word;
    while (in >> word) {
        values.push_back(std::strtoull(word.c_str(), nullptr, 16));
    }
    const auto index = static_cast<std::size_t>(bit / 64);
    if (index >= values.size()) {
        return false;
    }
    return (values[values.size() - 1 - index] >> (bit % 64)) & 1U;
}

// A row at least `height` high, else as the default delegate draws it.
class TouchRowDelegate : public QStyledItemDelegate {
public:
    TouchRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), m_height(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), m_height));
        return size;
    }

private:
    int m_height;
};

// A finger on a list as the left mouse button: the scroller's mouse gesture then decides for
// both whether a press is a tap or the start of a drag (it takes no mouse events that Qt makes
// of touches itself). Two taps in the time and space of a double click are one.
class FingerAsMouse : public QObject {
public:
    explicit FingerAsMouse(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd &&
            type != QEvent::TouchCancel) {
            return false;
        }
        auto* touch = static_cast<QTouchEvent*>(event);
        event->accept();
        if (touch->points().isEmpty()) {
            return true;
        }
        const QEventPoint& point = touch->points().first();
        const bool end = type == QEvent::TouchEnd || type == QEvent::TouchCancel;
        const QEvent::Type mouse = type == QEvent::TouchBegin ? QEvent::MouseButtonPress
                                   : end                      ? QEvent::MouseButtonRelease
                                                              : QEvent::MouseMove;
        if (type == QEvent::TouchBegin) {
            // The row, or the field or button of a form, under the finger (the scroller's
            // gesture watches its children too).
            auto* viewport = static_cast<QWidget*>(watched);
            QWidget* child = viewport->childAt(point.position().toPoint());
            m_target = child ? child : viewport;
            m_pressedAt = point.globalPosition().toPoint();
        }
        if (!m_target) {
            return true;
        }
        send(m_target, mouse, point, end ? Qt::NoButton : Qt::LeftButton);
        if (type == QEvent::TouchEnd) {
            const QPoint at = point.globalPosition().toPoint();
            const int near = QGuiApplication::styleHints()->startDragDistance();
            const bool tap = (at - m_pressedAt).manhattanLength() <= near;
            if (tap && m_lastTap.isValid() &&
                m_lastTap.elapsed() <= QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
                (at - m_lastTapAt).manhattanLength() <= near) {
                send(m_target, QEvent::MouseButtonDblClick, point, Qt::LeftButton);
                send(m_target, QEvent::MouseButtonRelease, point, Qt::NoButton);
                m_lastTap.invalidate();
            } else if (tap) {
                m_lastTap.start();
                m_lastTapAt = at;
            }
        }
        return true;
    }

private:
    static void send(QWidget* target, QEvent::Type type, const QEventPoint& point,
                     Qt::MouseButtons buttons) {
        const QPointF global = point.globalPosition();
        QMouseEvent mouse(type, target->mapFromGlobal(global), point.scenePosition(), global,
                          Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &mouse);
    }

    QPointer<QWidget> m_target;  // what the finger pressed
    QPoint m_pressedAt;
    QPoint m_lastTapAt;
    QElapsedTimer m_lastTap;
};

// A field the driver types into: it takes input-method text and is not read-only.
bool takesText(const QWidget* w) {
    return w && w->isEnabled() && w->testAttribute(Qt::WA_InputMethodEnabled);
}

bool multiLine(const QWidget* w) {
    return qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

// The windows of Qt's keyboard: Kelvo's only windows that belong to no widget.
QList<QWindow*> keyboardWindows() {
    QSet<QWindow*> ofWidgets;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        ofWidgets.insert(w->windowHandle());
    }
    QList<QWindow*> found;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!ofWidgets.contains(window)) {
            found.append(window);
        }
    }
    return found;
}

// Puts the keyboard above the dialogs: an X server without a window manager keeps no window
// on top by itself.
void raiseKeyboard() {
    for (QWindow* window : keyboardWindows()) {
        if (window->isVisible()) {
            window->raise();
        }
    }
}

}  // namespace

std::optional<KeyboardMode> keyboardModeNamed(std::string_view word) {
    std::string lower;
    for (char c : word) {
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    if (lower == "on") {
        return KeyboardMode::On;
    }
    if (lower == "off") {
        return KeyboardMode::Off;
    }
    if (lower == "auto") {
        return KeyboardMode::Auto;
    }
    return std::nullopt;
}

InputDevices readInputDevices(std::string_view listing) {
    // Event types and properties of <linux/input.h>.
    constexpr int kEvKey = 1, kEvAbs = 3, kEvRep = 20;
    constexpr int kKeyQ = 16, kKeyA = 30, kKeyZ = 44;
    constexpr int kPropDirect = 1;
    InputDevices found;
    std::istringstream in{std::string(listing)};
    std::string line;
    std::string ev, key, prop;
    auto endOfDevice = [&] {
        if (!ev.empty()) {
            const bool keys = bitSet(ev, kEvKey);
            if (keys && bitSet(ev, kEvRep) && bitSet(key, kKeyQ) && bitSet(key, kKeyA) &&
                bitSet(key, kKeyZ)) {
                found.keyboard = true;
            }
            if (bitSet(ev, kEvAbs) && bitSet(prop, kPropDirect)) {
                found.touchScreen = true;
            }
        }
        ev.clear();
        key.clear();
        prop.clear();
    };
    while (std::getline(in, line)) {
        if (line.empty()) {
            endOfDevice();
        } else if (line.starts_with("B: EV=")) {
            ev = line.substr(6);
        } else if (line.starts_with("B: KEY=")) {
            key = line.substr(7);
        } else if (line.starts_with("B: PROP=")) {
            prop = line.substr(8);
        }
    }
    endOfDevice();
    return found;
}

bool keyboardWanted(KeyboardMode mode) {
    if (mode != KeyboardMode::Auto) {
        return mode == KeyboardMode::On;
    }
    // A desktop or a remote session lists no touch screen: the keyboard stays away there. A
    // keyboard-wedge scanner lists itself as a keyboard: such a device sets "on".
    std::ifstream file("/proc/bus/input/devices");
    std::stringstream listing;
    listing << file.rdbuf();
    const InputDevices devices = readInputDevices(listing.str());
    return devices.touchScreen && !devices.keyboard;
}

void prepareKeyboard(bool wanted) {
    const QByteArray module = qgetenv("QT_IM_MODULE");
    if (wanted && module.isEmpty()) {
        qputenv("QT_IM_MODULE", "qtvirtualkeyboard");
    } else if (!wanted && module == "qtvirtualkeyboard") {
        qunsetenv("QT_IM_MODULE");
    }
}

int touchHeight(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    // The screen's dots per inch count logical pixels: --scale is already in them.
    const qreal dpi = screen ? screen->physicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::ceil(9.0 / 25.4 * dpi));
}

void enableTouchScrolling(QAbstractScrollArea* area) {
    if (area->property(kTouchProperty).toBool()) {
        return;
    }
    area->setProperty(kTouchProperty, true);
    // In a text field the mouse places the cursor and selects: only a finger scrolls it there.
    // Elsewhere the mouse gesture takes both the mouse and the touches Qt turns into mouse
    // events, and it holds a press back until it knows whether the finger drags: a tap selects
    // a row, a drag never does.
    QScroller::grabGesture(area->viewport(), multiLine(area) ? QScroller::TouchGesture
                                                             : QScroller::LeftMouseButtonGesture);
    if (!multiLine(area)) {
        area->viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
        area->viewport()->installEventFilter(new FingerAsMouse(area->viewport()));
    }
    QScroller* scroller = QScroller::scroller(area->viewport());
    QScrollerProperties properties = scroller->scrollerProperties();
    if (auto* view = qobject_cast<QAbstractItemView*>(area)) {
        // A list that springs back past its ends moves its selected row away from under the
        // finger that chose it.
        properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                                   QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
        properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                                   QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        if (view->itemDelegate() &&
            view->itemDelegate()->metaObject() == &QStyledItemDelegate::staticMetaObject) {
            view->setItemDelegate(new TouchRowDelegate(touchHeight(view), view));
        }
    }
    scroller->setScrollerProperties(properties);
}

TouchInput::TouchInput(QObject* parent) : QObject(parent) {
    // Qt would open the keyboard again at every key a line edit lets go of, a scanner's too:
    // here it opens when a field takes the focus or is tapped.
    qApp->setAutoSipEnabled(false);
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    QInputMethod* im = QGuiApplication::inputMethod();
    connect(im, &QInputMethod::keyboardRectangleChanged, this, &TouchInput::followKeyboard);
    connect(im, &QInputMethod::visibleChanged, this, &TouchInput::followKeyboard);
}

TouchInput::~TouchInput() {
    // Qt 6.4 on X tears its connection to the X server down before the keyboard, whose windows
    // then close through the freed connection (a crash at exit, seen under valgrind): they
    // close here, while the connection stands.
    QGuiApplication::inputMethod()->hide();
    for (QWindow* window : keyboardWindows()) {
        window->destroy();
    }
}

bool TouchInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* area = qobject_cast<QAbstractScrollArea*>(watched);
        // The drop-down lists of combo boxes are popups of their own: a tap chooses there.
        if (area && area->window()->windowType() != Qt::Popup) {
            enableTouchScrolling(area);
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // A tap into the field that has the focus opens the keyboard closed by Enter.
        auto* w = qobject_cast<QWidget*>(watched);
        if (takesText(w) && w->hasFocus()) {
            QGuiApplication::inputMethod()->show();
            raiseKeyboard();
        }
    } else if (event->type() == QEvent::KeyPress) {
        // Enter (the keyboard's own or a scanner's) ends the entry in a one-line field: the
        // keyboard closes once the screen has taken the Enter (which may clear the field and
        // keep the focus there for the next scan).
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* w = qobject_cast<QWidget*>(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && takesText(w) && !multiLine(w) &&
            QGuiApplication::inputMethod()->isVisible()) {
            QMetaObject::invokeMethod(
                this, [] { QGuiApplication::inputMethod()->hide(); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void TouchInput::focusChanged(QWidget* now) {
    // Qt opens its keyboard on a tap into a field; a field that gets the focus otherwise (a
    // dialog that opens on it, Tab, the scanner's field) opens it as well.
    // Once the focus has settled: the keyboard serves the focus object Qt has told it of.
    QMetaObject::invokeMethod(
        this,
        [now = QPointer<QWidget>(now)] {
            QInputMethod* im = QGuiApplication::inputMethod();
            if (now && now == QApplication::focusWidget() && takesText(now)) {
                im->show();
                raiseKeyboard();
            } else if (!takesText(QApplication::focusWidget()) && im->isVisible()) {
                im->hide();
            }
        },
        Qt::QueuedConnection);
}

void TouchInput::followKeyboard() {
    lower();
    QInputMethod* im = QGuiApplication::inputMethod();
    QWidget* field = QApplication::focusWidget();
    // Qt's keyboard gives its rectangle in screen coordinates.
    const QRect keyboard = im->keyboardRectangle().toAlignedRect();
    if (!im->isVisible() || keyboard.isEmpty() || !takesText(field)) {
        return;
    }
    raiseKeyboard();
    const QRect rect(field->mapToGlobal(QPoint(0, 0)), field->size());
    const int overlap = rect.bottom() + kKeyboardGap - keyboard.top();
    if (overlap <= 0) {
        return;
    }
    // The main window fills the handheld's screen: its form moves up under the menu bar. A
    // dialog moves up as a whole. Neither moves the field above the top of its window.
    QWidget* window = field->window();
    auto* main = qobject_cast<QMainWindow*>(window);
    m_lifted = main && main->centralWidget() ? main->centralWidget() : window;
    const int top = window->mapToGlobal(QPoint(0, 0)).y();
    m_lift = std::min(overlap, std::max(0, rect.top() - top));
    m_lifted->move(m_lifted->pos() - QPoint(0, m_lift));
    m_liftedTo = m_lifted->pos();
    if (main && main->menuWidget()) {
        main->centralWidget()->stackUnder(main->menuWidget());
    }
}

void TouchInput::lower() {
    // A window laid out anew since (a new screen, a new size) is where it belongs already.
    if (m_lifted && m_lifted->pos() == m_liftedTo) {
        m_lifted->move(m_lifted->pos() + QPoint(0, m_lift));
    }
    m_lifted = nullptr;
    m_lift = 0;
}

}  // namespace kelvo
