#pragma once

#include <QWidget>
#include <vector>

#include "doc/Navigation.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace kelvo {

class CKelvoDoc;

// The base of every screen: a handheld form with its title label at the top, a body for the
// screen's controls, and at the bottom a row of big buttons with a bar picture just above.
// A screen reads and changes the document; it asks the frame to move on by sending commands.
class FormView : public QWidget {
    Q_OBJECT
public:
    // The screen's index in the frame's table.
    FormView(CKelvoDoc& doc, int screenIndex, QWidget* parent = nullptr);

    int screenIndex() const { return m_screenIndex; }

    // Called by the frame before initialUpdate: its flags, and the screen shown before this one.
    void attach(FrameFlags* flags, int previousScreen) {
        m_flags = flags;
        m_previousScreen = previousScreen;
    }

    // Fills the screen from the document; the frame calls it once, when the screen is shown.
    virtual void initialUpdate() {}
    // Runs this screen's step for one of its commands (those the screen table marks
    // Check::ByScreen), switching on the command id: proceed to the command's screen, stay,
    // or go to another one.
    virtual CommandOutcome handleCommand(CommandId id);
    // Last chance before Back leaves the screen (unsaved changes are offered for saving).
    virtual void confirmLeave() {}
    // Enter was pressed on the screen. A screen that gives Enter a meaning of its own acts
    // and returns true; false leaves the key to the frame, which swallows it.
    virtual bool enterPressed() { return false; }

    // Height of the bottom buttons, big enough for a gloved finger.
    static constexpr int kButtonHeight = 36;
    // Height of a one-line entry field, a combo box or a small button of a form's body.
    static constexpr int kEntryHeight = kButtonHeight - 8;
    static constexpr int kButtonWidth = 56;

signals:
    // The driver chose a command on this screen (a button, a list's double tap, ...); the
    // frame carries it out.
    void commandRequested(kelvo::CommandId id);
    // The screen changed what the document holds (a selection, its form's draft):
    // the frame shows the commands as the document now allows them.
    void commandStatesChanged();
    // The screen shows the commands of another screen index (the wearer screen with a product
    // row selected).
    void commandTableRequested(int screenIndex);

protected:
    CKelvoDoc& doc() const { return m_doc; }
    // The frame's navigation flags (valid from initialUpdate on).
    FrameFlags& frameFlags() const { return *m_flags; }
    // The screen the frame showed before this one (screen::None at start-up).
    int previousScreen() const { return m_previousScreen; }
    // True when this screen's command is enabled now, as the screen table decides it from the
    // document (the screen's buttons follow the same decision as its Actions menu).
    bool commandEnabled(CommandId id) const;
    // Tells the frame that the screen changed what the document holds (a selection, its form's
    // draft), so that the commands show what the document now allows.
    void documentChanged() { emit commandStatesChanged(); }
    // Sends a command to the frame.
    void send(CommandId id) { emit commandRequested(id); }

    // The title line, in the title font (18-pixel bold Arial).
    QLabel* setTitle(const QString& text, int id = 1007);
    // Adds a button to the bottom row (left to right) that sends `command` when pressed
    // (0: the screen connects it itself).
    QPushButton* addButton(const QString& caption, int id, CommandId command = 0);
    // The layout between the title and the bar, where the screen puts its controls.
    QVBoxLayout* body() const { return m_body; }
    // Lays the bottom row out again (after buttons were shown, hidden or renamed).
    void relayout() { layoutBottom(); }
    // The bottom row's buttons in order.
    const std::vector<QPushButton*>& buttons() const { return m_buttons; }

    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutBottom();

    CKelvoDoc& m_doc;
    int m_screenIndex;
    FrameFlags m_ownFlags;  // used until a frame attaches its own
    FrameFlags* m_flags = &m_ownFlags;
    int m_previousScreen = screen::None;
    QLabel* m_title = nullptr;
    QWidget* m_bodyWidget = nullptr;
    QVBoxLayout* m_body = nullptr;
    QLabel* m_bar = nullptr;
    std::vector<QPushButton*> m_buttons;
};

// A label with an objectName; texts from data files are shown as they are (no mnemonics).
QLabel* makeLabel(const QString& text, int id, QWidget* parent = nullptr);

// A list of rows under column heads as the screens show them (whole rows selected, the
// screens' small font, no horizontal scrolling), with an objectName; its parent owns it.
QTreeWidget* makeList(const QStringList& heads, int id, QWidget* parent);
// Gives a list the look of makeList: these column heads, whole rows, the small font.
void setUpList(QTreeWidget* list, const QStringList& heads);

// Bold Arial of a pixel height: the styled labels of the screens.
QFont labelFont(int pixelHeight, bool bold);

// Screen text from the ISO-8859-1 bytes of the data files, and back.
inline QString fromData(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string toData(const QString& s) {
    return s.toLatin1().toStdString();
}
// Screen text of a data text of several lines: its "\r\n" line breaks as Qt shows them ("\n").
inline QString fromDataLines(const std::string& s) {
    return fromData(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace kelvo
