#pragma once

#include <QMainWindow>
#include <functional>

#include "doc/Commands.h"
#include "doc/Navigation.h"

class QAction;
class QMenu;

namespace kelvo {

class CKelvoDoc;
class FormView;

// The main window: it shows exactly one screen at a time and carries out every command
// through one dispatcher. Screens, buttons, the Actions menu and the arrow keys all end in
// dispatch(); the command tables and the Back/Next translations steer it.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Creates the view of a screen index, or nullptr when that screen cannot be created.
    using ViewFactory = std::function<FormView*(int screenIndex, CKelvoDoc& doc)>;

    // The window has the handheld's 240 x 320 shape; it shows no screen until showScreen().
    CMainFrame(CKelvoDoc& doc, ViewFactory factory);

    // Carries out a command: its check or action, then the change of screen it leads to.
    void dispatch(CommandId id);
    // Shows a screen directly (start-up). False when its view cannot be created; the current
    // view then stays.
    bool showScreen(int screenIndex);
    // Rebuilds the Actions menu from the command table of a screen and makes it current.
    void setCommandTable(int screenIndex);
    // Greys the Actions entries that are disabled in the current table, and Back on 0 and 1.
    void updateCommandStates();

    int currentScreen() const { return m_screen; }
    FormView* currentView() const { return m_view; }
    FrameFlags& flags() { return m_flags; }
    // The last command that changed the screen (0 for none).
    CommandId lastCommand() const { return m_lastCommand; }
    // The Actions menu.
    QMenu* actionsMenu() const { return m_actions; }

    // Logical size of the handheld's screen.
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 320;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NavFacts navFacts() const;
    bool offeredButDisabled(CommandId id) const;
    bool changeScreen(int target);
    void showAbout();

    CKelvoDoc& m_doc;
    ViewFactory m_factory;
    FormView* m_view = nullptr;
    int m_screen = screen::None;
    CommandId m_lastCommand = 0;
    FrameFlags m_flags;
    QMenu* m_actions = nullptr;
    QAction* m_back = nullptr;
};

}  // namespace kelvo
