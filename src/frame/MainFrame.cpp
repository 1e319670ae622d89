#include "frame/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>

#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "ui/AboutDialog.h"
#include "ui/FormView.h"
#include "ui/TouchInput.h"

namespace kelvo {

namespace {

// Fixed menu ids of the command bar.
constexpr int kBackMenuId = 32824;
constexpr int kExitMenuId = 57665;
constexpr int kAboutMenuId = 57664;

// True while the focus is in a field that takes the arrow keys for itself.
bool focusTakesArrows() {
    QWidget* w = QApplication::focusWidget();
    if (!w) {
        return false;
    }
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
        qobject_cast<QPlainTextEdit*>(w)) {
        return true;
    }
    auto* combo = qobject_cast<QComboBox*>(w);
    return combo && combo->isEditable();
}

}  // namespace

CMainFrame::CMainFrame(CKelvoDoc& doc, ViewFactory factory)
    : m_doc(doc), m_receipts(doc.Prompt()), m_factory(std::move(factory)), m_nav(doc, *this) {
    m_doc.SetReceiptWriter(&m_receipts);
    setWindowTitle(QStringLiteral("Kelvo"));
    setFixedSize(kWidth, kHeight);

    QMenu* app = menuBar()->addMenu(tr("A&pp"));
    app->setObjectName(QStringLiteral("menuApp"));
    m_back = app->addAction(tr("&Back"), this, [this] { choose(cmd::Back); });
    m_back->setData(kBackMenuId);
    app->addSeparator();
    QAction* exit = app->addAction(tr("E&xit"), this, &CMainFrame::exitKelvo);
    exit->setData(kExitMenuId);

    m_actions = menuBar()->addMenu(tr("&Actions"));
    m_actions->setObjectName(QStringLiteral("menuActions"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction* screenHelp = help->addAction(tr("&Screen help"), this, &CMainFrame::showHelp);
    screenHelp->setShortcut(QKeySequence::HelpContents);
    addAction(screenHelp);  // F1 works while the menu is closed
    QAction* about = help->addAction(tr("&About Kelvo..."), this, &CMainFrame::showAbout);
    about->setData(kAboutMenuId);

    qApp->installEventFilter(this);
    new TouchInput(this);  // lists scroll by touch; the on-screen keyboard follows the fields
}

CMainFrame::~CMainFrame() {
    if (m_doc.Receipts() == &m_receipts) {
        m_doc.SetReceiptWriter(nullptr);
    }
}

void CMainFrame::updateCommandStates() {
    m_actions->clear();
    for (const MenuItem& item : m_nav.menu()) {
        const CommandId id = item.id;
        QAction* action = m_actions->addAction(QString::fromLatin1(item.caption.c_str()), this,
                                               [this, id] { choose(id); });
        action->setData(static_cast<uint>(id));
        action->setEnabled(item.enabled);
    }
    m_back->setEnabled(m_nav.backEnabled());
}

bool CMainFrame::openView(int screenIndex) {
    FormView* view = m_factory ? m_factory(screenIndex, m_doc) : nullptr;
    if (!view) {
        return false;
    }
    view->attach(&m_nav.flags(), m_nav.current());
    connect(view, &FormView::commandRequested, this, &CMainFrame::choose);
    connect(view, &FormView::commandStatesChanged, this, &CMainFrame::updateCommandStates);
    connect(view, &FormView::commandTableRequested, this,
            [this](int screenIndex) { m_nav.setCommandTable(screenIndex); });
    FormView* old = m_view;
    if (old) {
        takeCentralWidget();
        old->hide();
        old->deleteLater();  // it may be the sender of the command being carried out
    }
    m_view = view;
    setCentralWidget(view);
    view->show();
    view->initialUpdate();
    return true;
}

CommandOutcome CMainFrame::runCheck(CommandId id) {
    return m_view ? m_view->handleCommand(id) : CommandOutcome::proceed();
}

void CMainFrame::confirmLeave() {
    if (m_view) {
        m_view->confirmLeave();
    }
}

void CMainFrame::showHelp() {
    const std::string text = m_nav.helpText();
    if (!text.empty()) {
        m_doc.Prompt().inform(text, m_nav.helpCaption(), MessageIcon::None);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isActiveWindow() ||
        QApplication::activeModalWidget() != nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool arrows = m_nav.flags().arrowNavigation && !focusTakesArrows();
    switch (key->key()) {
        case Qt::Key_Right:
            if (arrows) {
                dispatch(cmd::Next);
                return true;
            }
            break;
        case Qt::Key_Left:
            if (arrows) {
                dispatch(cmd::Back);
                return true;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The screen first, where Enter means something there; otherwise Enter never
            // triggers a button by accident, and a screen's own field may still take it.
            if (m_view && m_view->enterPressed()) {
                return true;
            }
            return !focusTakesArrows();
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::setKiosk(bool kiosk) {
    m_kiosk = kiosk;
    if (kiosk) {
        // The whole screen, whatever its size: the screens' layouts stretch to it.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        // Where no window manager carries out the full-screen state (a bare X server), the
        // window has the screen's size of its own. First: a new geometry ends the state.
        setGeometry(screen()->geometry());
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowFlags(windowFlags() & ~Qt::FramelessWindowHint);
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setFixedSize(kWidth, kHeight);
    }
}

void CMainFrame::exitKelvo() {
    // On a kiosk handheld there is nothing behind Kelvo: a slip of the finger must not end it.
    if (m_kiosk &&
        !m_doc.Prompt().ask(toData(tr("Do you want to exit Kelvo?")), toData(tr("Exit")))) {
        return;
    }
    m_exiting = true;
    close();
    m_exiting = false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // In kiosk mode only Exit closes: not a key of the window manager, not the compositor.
    if (m_kiosk && !m_exiting) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

}  // namespace kelvo
