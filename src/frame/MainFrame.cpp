#include "frame/MainFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

#include "doc/KelvoDoc.h"
#include "common/Prompter.h"
#include "ui/AboutDialog.h"
#include "ui/FormView.h"

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
    : m_doc(doc), m_factory(std::move(factory)) {
    setWindowTitle(QStringLiteral("Kelvo"));
    setFixedSize(kWidth, kHeight);

    QMenu* app = menuBar()->addMenu(tr("A&pp"));
    app->setObjectName(QStringLiteral("menuApp"));
    m_back = app->addAction(tr("&Back"), this, [this] { dispatch(cmd::Back); });
    m_back->setData(kBackMenuId);
    app->addSeparator();
    QAction* exit = app->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setData(kExitMenuId);

    m_actions = menuBar()->addMenu(tr("&Actions"));
    m_actions->setObjectName(QStringLiteral("menuActions"));
    connect(m_actions, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction* about = help->addAction(tr("&About Kelvo..."), this, &CMainFrame::showAbout);
    about->setData(kAboutMenuId);
    auto* helpKey = new QAction(this);
    helpKey->setShortcut(QKeySequence::HelpContents);
    connect(helpKey, &QAction::triggered, this,
            [this] { m_doc.Prompt().inform("Help", "", MessageIcon::None); });
    addAction(helpKey);

    qApp->installEventFilter(this);
}

void CMainFrame::setCommandTable(int screenIndex) {
    m_actions->clear();
    // Screens 10 and 11 (contact person, stop information) show an empty Actions menu.
    if (screenIndex != screen::ContactPerson && screenIndex != screen::StopInfo &&
        screenIndex >= 0 && screenIndex < screen::Count) {
        for (const CommandEntry& entry : m_doc.Tables()[static_cast<std::size_t>(screenIndex)]) {
            QString caption = QString::fromLatin1(entry.caption.c_str());
            if (screenIndex == screen::AddNextWearer && m_flags.makeALike) {
                caption = tr("Select Size");
            }
            const CommandId id = entry.id;
            QAction* action = m_actions->addAction(caption, this, [this, id] { dispatch(id); });
            action->setData(static_cast<uint>(id));
        }
    }
    m_screen = screenIndex;
    updateCommandStates();
}

void CMainFrame::updateCommandStates() {
    for (QAction* action : m_actions->actions()) {
        action->setEnabled(commandEnabled(m_doc.Tables(), m_screen, action->data().toUInt()));
    }
    m_back->setEnabled(m_screen != screen::Start && m_screen != screen::RouteMan);
}

bool CMainFrame::offeredButDisabled(CommandId id) const {
    // A command the current screen offers but has switched off (Export before every route
    // has ended, End Route while stops are open) is refused however it arrives.
    if (m_screen < 0 || m_screen >= screen::Count) {
        return false;
    }
    const auto& table = m_doc.Tables()[static_cast<std::size_t>(m_screen)];
    return std::any_of(table.begin(), table.end(),
                       [id](const CommandEntry& e) { return e.id == id && !e.enabled; });
}

NavFacts CMainFrame::navFacts() const {
    NavFacts facts;
    facts.dud = m_doc.Config().IsDud();
    const auto& table = m_screen >= 0 && m_screen < screen::Count
                            ? m_doc.Tables()[static_cast<std::size_t>(m_screen)]
                            : std::vector<CommandEntry>{};
    facts.firstEntryEnabled = !table.empty() && table.front().enabled;
    if (m_view) {
        m_view->fillNavFacts(facts);
    }
    return facts;
}

void CMainFrame::dispatch(CommandId id) {
    m_flags.arrowNavigation = true;
    if (id == cmd::Back || id == cmd::Next) {
        const NavFacts facts = navFacts();
        const Translation t = id == cmd::Back ? translateBack(m_screen, m_flags, facts)
                                              : translateNext(m_screen, m_flags, facts);
        if (t.askContactSave && m_view) {
            m_view->confirmLeave();
        }
        if (t.screen != screen::None) {
            // A direct move names no command: the next Back or Next is never taken for a repeat.
            if (changeScreen(t.screen)) {
                m_lastCommand = 0;
            }
            return;
        }
        if (t.command == 0) {
            return;
        }
        id = t.command;
    }
    // Back and Next are translated first, so that two Backs in a row walk back two screens.
    if (id == m_lastCommand && !alwaysRepeatable(id)) {
        return;  // a second tap on a command that already changed the screen
    }
    const CommandRoute* route = findCommandRoute(id);
    if (!route || offeredButDisabled(id)) {
        return;
    }
    ActionOutcome outcome;
    if (route->action == Action::StoreProduct && m_flags.wearerFlowResumed) {
        // Coming back into the add-product screen: nothing is stored again.
        outcome = ActionOutcome::to(screen::AddProduct);
    } else if (m_view) {
        outcome = m_view->handleAction(route->action, id);
    }
    int target = route->target;
    switch (outcome.kind) {
        case ActionOutcome::Stay:
            return;
        case ActionOutcome::Target:
            target = outcome.target;
            break;
        case ActionOutcome::Unhandled:
        case ActionOutcome::Proceed:
            break;
    }
    if (target != screen::None && changeScreen(target)) {
        m_lastCommand = outcome.recordAs != 0 ? outcome.recordAs : id;
    }
}

bool CMainFrame::showScreen(int screenIndex) {
    m_flags.safetyCheckPending = false;
    return changeScreen(screenIndex);
}

bool CMainFrame::changeScreen(int target) {
    FormView* view = m_factory ? m_factory(target, m_doc) : nullptr;
    if (!view) {
        return false;  // the old view stays active
    }
    const int previous = m_screen;
    view->attach(&m_flags, previous);
    connect(view, &FormView::commandRequested, this, &CMainFrame::dispatch);
    connect(view, &FormView::commandStatesChanged, this, &CMainFrame::updateCommandStates);
    setCommandTable(target);
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
    updateCommandStates();
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isActiveWindow() ||
        QApplication::activeModalWidget() != nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool arrows = m_flags.arrowNavigation && !focusTakesArrows();
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
            // Enter never triggers a button by accident; a screen's own field may still take it.
            return !focusTakesArrows();
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

}  // namespace kelvo
