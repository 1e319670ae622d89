#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>
#include <string>
#include <string_view>

class QAbstractScrollArea;
class QWidget;

// A handheld without a hardware keyboard: Qt's on-screen keyboard opens on the field that takes
// the focus and never covers it, and every list and long form scrolls under a finger.
namespace kelvo {

// --keyboard and the property "Keyboard": on, off, or auto (on where the device has a touch
// screen and no keyboard).
enum class KeyboardMode { Auto, On, Off };

// The mode a word names (on, off, auto, in any case); nothing for another word.
std::optional<KeyboardMode> keyboardModeNamed(std::string_view word);

// Whether a listing in the form of /proc/bus/input/devices holds a keyboard (a device with
// letter keys that repeat) and a touch screen (a device that points directly on the screen).
struct InputDevices {
    bool keyboard = false;
    bool touchScreen = false;
};
InputDevices readInputDevices(std::string_view listing);

// Whether the on-screen keyboard is wanted in this mode on this machine (auto reads the
// kernel's list of input devices).
bool keyboardWanted(KeyboardMode mode);

// Sets the environment for Qt's keyboard before the QApplication exists: QT_IM_MODULE names
// the on-screen keyboard when it is wanted, and no longer names it when it is not.
void prepareKeyboard(bool wanted);

// 9 mm, the least height of a row or a button under a gloved finger, in logical pixels of
// the widget's screen.
int touchHeight(const QWidget* widget);

// Makes a list, table or form scroll when a finger (or the left mouse button) drags it; lists
// do not overshoot and keep their rows at least touchHeight high. Done once per widget.
void enableTouchScrolling(QAbstractScrollArea* area);

// Watches the whole program: every scroll area scrolls by touch when it is first shown, the
// on-screen keyboard (where Qt has it) opens on a text field that takes the focus, closes on
// Enter and on leaving the fields, and the field is lifted above it. Owned by `parent`.
class TouchInput : public QObject {
    Q_OBJECT
public:
    explicit TouchInput(QObject* parent);
    ~TouchInput() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(QWidget* now);
    void followKeyboard();
    void lower();

    QPointer<QWidget> m_lifted;  // the window or form moved up above the keyboard
    QPoint m_liftedTo;
    int m_lift = 0;
};

}  // namespace kelvo
