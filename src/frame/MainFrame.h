#pragma once

#include <QMainWindow>
#include <functional>

#include "doc/Navigator.h"
#include "doc/ScreenHost.h"
#include "ui/BeltPrinterPage.h"

class QAction;
class QMenu;

namespace kelvo {

class CKelvoDoc;
class FormView;

// The main window: it shows exactly one screen at a time. Its navigator carries out every
// command of the screens, the Actions menu and the arrow keys by the screen table; the window
// creates and swaps the views and keeps the menus in step.
class CMainFrame : public QMainWindow, private ScreenHost {
    Q_OBJECT
public:
    // Creates the view of a screen index, or nullptr when that screen cannot be created.
    using ViewFactory = std::function<FormView*(int screenIndex, CKelvoDoc& doc)>;

    // The window has the handheld's 240 x 320 shape; it shows no screen until showScreen().
    // While it lives, the document's settlements write their receipts as PDFs.
    CMainFrame(CKelvoDoc& doc, ViewFactory factory);
    ~CMainFrame() override;

    // The driver chose a command on the current screen (a button, an Actions entry).
    void choose(CommandId id) {
        m_nav.choose(id);
        updateCommandStates();  // the command may have changed what the document allows
    }
    // Carries out a command that comes from elsewhere (Back and Next of the arrow keys).
    void dispatch(CommandId id) {
        m_nav.dispatch(id);
        updateCommandStates();
    }
    // Shows a screen directly (start-up). False when its view cannot be created; the current
    // view then stays.
    bool showScreen(int screenIndex) { return m_nav.show(screenIndex); }
    // Shows the current screen's help ("Screen help", F1).
    void showHelp();

    int currentScreen() const { return m_nav.current(); }
    FormView* currentView() const { return m_view; }
    FrameFlags& flags() { return m_nav.flags(); }
    // The last command that changed the screen (0 for none).
    CommandId lastCommand() const { return m_nav.lastCommand(); }
    // The Actions menu.
    QMenu* actionsMenu() const { return m_actions; }
    // Rebuilds the Actions menu and the Back entry from the current command table.
    void updateCommandStates();
    // Kiosk mode (a handheld that runs nothing but Kelvo): full screen without window
    // decorations, and no way out but the App menu's Exit, which asks first. Call before the
    // window is shown.
    void setKiosk(bool kiosk);
    bool kiosk() const { return m_kiosk; }
    // The App menu's Exit: closes the window (in kiosk mode once the driver says Yes).
    void exitKelvo();

    // Logical size of the handheld's screen.
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 320;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool openView(int screenIndex) override;
    CommandOutcome runCheck(CommandId id) override;
    void confirmLeave() override;
    void commandsChanged() override { updateCommandStates(); }
    void showAbout();

    CKelvoDoc& m_doc;
    PrintingReceiptWriter m_receipts;
    ViewFactory m_factory;
    Navigator m_nav;
    FormView* m_view = nullptr;
    QMenu* m_actions = nullptr;
    QAction* m_back = nullptr;
    bool m_kiosk = false;
    bool m_exiting = false;
};

}  // namespace kelvo
