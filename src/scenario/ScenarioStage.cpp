#include "scenario/ScenarioStage.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "frame/KelvoApp.h"
#include "frame/MainFrame.h"
#include "scenario/ScenarioScript.h"
#include "scenario/ScenarioWidgets.h"
#include "ui/FormView.h"

namespace kelvo {

namespace fs = std::filesystem;

namespace {

// The text of the notice popup (objectName "notice"); "" for another widget.
QString noticeText(QObject* object) {
    if (object->objectName() != QLatin1String("notice")) {
        return {};
    }
    const auto* text = object->findChild<QLabel*>(QStringLiteral("noticeText"));
    return text ? text->text() : QString();
}

}  // namespace

// Writes down every text the notice popup shows, as it shows it: the self-closing notices may
// be gone by the time a step looks.
class NoticeWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("notice")) {
            shown.push_back(noticeText(watched).toUtf8().toStdString());
        }
        return false;
    }

    std::vector<std::string> shown;
};

ScenarioStage::ScenarioStage(const fs::path& root, const std::string& scenarioFile,
                             const std::string& outDir)
    : m_fs(root),
      m_scenarioFolder(fs::path(scenarioFile).parent_path()),
      m_outDir(outDir.empty() ? m_scenarioFolder : fs::path(outDir)),
      m_ownPrompter(std::make_unique<ScriptedPrompter>()),
      m_ownClock(std::make_unique<FixedClock>()),
      m_prompter(m_ownPrompter.get()),
      m_clock(m_ownClock.get()) {}

ScenarioStage::~ScenarioStage() = default;

bool ScenarioStage::start() {
    m_notices = std::make_unique<NoticeWatcher>();
    qApp->installEventFilter(m_notices.get());
    m_app =
        std::make_unique<CKelvoApp>(m_fs.root(), std::move(m_ownPrompter), std::move(m_ownClock));
    if (!m_app->InitInstance()) {
        return false;
    }
    scenario::activate(m_app->frame());
    return true;
}

void ScenarioStage::stop() {
    if (m_app) {
        // The prompter and the clock live on for the final report.
        m_app.reset();
        m_prompter = nullptr;
        m_clock = nullptr;
    }
}

CMainFrame* ScenarioStage::frame() const {
    return m_app ? m_app->frame() : nullptr;
}

const std::vector<Message>& ScenarioStage::messages() const {
    return m_prompter->shown();
}

std::vector<std::string> ScenarioStage::takeNotices() {
    if (!m_notices) {
        return {};
    }
    std::vector<std::string> shown;
    shown.swap(m_notices->shown);
    return shown;
}

std::string ScenarioStage::currentNotice() const {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->objectName() == QLatin1String("notice")) {
            return noticeText(top).toUtf8().toStdString();
        }
    }
    return {};
}

fs::path ScenarioStage::fromScenario(const std::string& utf8Path) const {
    const fs::path p = fs::u8path(utf8Path);
    return p.is_absolute() ? p : m_scenarioFolder / p;
}

fs::path ScenarioStage::screenshotPath(const std::string& utf8Name) const {
    return m_outDir / fs::u8path(utf8Name);
}

std::vector<QWidget*> ScenarioStage::scopes() const {
    std::vector<QWidget*> result;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        result.push_back(modal);
    }
    if (CMainFrame* main = frame()) {
        if (main->currentView()) {
            result.push_back(main->currentView());
        }
        result.push_back(main);
    }
    return result;
}

std::string ScenarioStage::where() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return "in the dialog " + scenario::quoted(modal->windowTitle());
    }
    if (CMainFrame* main = frame()) {
        return "on screen " + std::to_string(main->currentScreen());
    }
    return "before the main window";
}

QWidget* ScenarioStage::locate(const WidgetRef& ref, StepOutcome& error) const {
    QWidget* hidden = nullptr;
    for (QWidget* scope : scopes()) {
        for (QWidget* w : scenario::findWidgets(scope, ref)) {
            if (w->isVisible()) {
                return w;
            }
            if (!hidden) {
                hidden = w;
            }
        }
    }
    if (!hidden) {
        error = StepOutcome::broken("no widget " + ref.toString() + " " + where());
    }
    return hidden;
}

QWidget* ScenarioStage::locateForAction(const WidgetRef& ref, StepOutcome& error) const {
    QWidget* w = locate(ref, error);
    if (!w) {
        return nullptr;
    }
    if (!w->isVisible()) {
        error = StepOutcome::fail(ref.toString() + " visible", "it hidden " + where());
        return nullptr;
    }
    if (!w->isEnabled()) {
        error = StepOutcome::fail(ref.toString() + " enabled", "it disabled " + where());
        return nullptr;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && w != modal && !modal->isAncestorOf(w)) {
        error = StepOutcome::fail(
            ref.toString() + " within reach",
            "it behind the open dialog " + scenario::quoted(modal->windowTitle()));
        return nullptr;
    }
    return w;
}

std::string ScenarioStage::actionsMenuText() const {
    CMainFrame* main = frame();
    // What the driver sees when the menu opens: the frame greys entries as it shows it.
    main->updateCommandStates();
    QStringList entries;
    for (QAction* action : main->actionsMenu()->actions()) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        const QString caption = scenario::withoutMnemonics(action->text());
        entries << (action->isEnabled() ? caption : QLatin1Char('[') + caption + QLatin1Char(']'));
    }
    return entries.join(QLatin1Char('|')).toUtf8().toStdString();
}

std::string describeMessage(const Message& message) {
    return "message " + quoteText(latin1ToUtf8(message.text)) + " caption " +
           quoteText(latin1ToUtf8(message.caption));
}

}  // namespace kelvo
