#include "scenario/ScenarioPlayer.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "common/DeviceLock.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "scenario/ScenarioActions.h"
#include "scenario/ScenarioChecks.h"
#include "scenario/ScenarioFiles.h"
#include "scenario/ScenarioScript.h"
#include "scenario/ScenarioStage.h"
#include "scenario/ScenarioTouch.h"

namespace kelvo {

namespace {

// Plays one scenario: the steps that prepare the device first, then the program's main
// window, then every further step from the event loop, one step per turn of the loop. The
// next step is scheduled before a step acts, so that the steps after an action that opens a
// modal dialog run inside the dialog's own loop and can fill it in and close it.
class ScenarioPlayer {
public:
    ScenarioPlayer(const std::filesystem::path& root, std::string file, const std::string& outDir,
                   bool strict, bool timings, std::ostream& report)
        : m_file(std::move(file)),
          m_strict(strict),
          m_timings(timings),
          m_report(report),
          m_stage(root, m_file, outDir) {}

    // Plays the whole scenario and reports; returns the exit status.
    int run();

private:
    void playInEventLoop();
    void runNext();
    void finish(int status, int line, const std::string& text);
    void report();
    // Ends the timing of the step that ran last, if any.
    void stepEnded();
    void reportTimings();

    // How long one step of the event loop took until the next one could start.
    struct StepTime {
        int line;
        qint64 ms;
        bool wait;  // a wait step: its time is the scenario's, not the program's
    };

    std::string m_file;
    bool m_strict;
    bool m_timings;
    std::ostream& m_report;
    ScenarioStage m_stage;

    std::vector<ScenarioStep> m_steps;
    std::size_t m_next = 0;  // the step to run next (the steps before it have started)
    QObject m_context;       // owner of the scheduled steps
    QEventLoop* m_loop = nullptr;
    QTimer m_closer;    // keeps closing dialogs once the scenario has ended
    QTimer m_deadline;  // ends the process when the program does not close in time
    bool m_finished = false;
    int m_status = StepOutcome::kPassed;
    QElapsedTimer m_clock;       // runs from the start of the step that ran last
    const ScenarioStep* m_timed = nullptr;  // that step, until the next one starts
    std::vector<StepTime> m_times;
};

// How long the program may take to close once a scenario has ended: the dialogs are closed at
// once, so only a program that keeps opening new ones takes longer, and a run that never ends
// would stall every later test.
constexpr int kClosingMs = 5000;

// Modal dialogs still open when a scenario ends are closed, one after the other, without
// asking: done() is what a dialog's own reject() calls once the driver has confirmed (the
// signature dialog asks before it lets its initials go, and a scripted No would keep it open).
void closeDialogs() {
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(QDialog::Rejected);
        } else {
            modal->close();
        }
    }
}

StepOutcome runStep(const ScenarioStep& step, ScenarioStage& stage) {
    if (isTouchStep(step.kind)) {
        return runTouchStep(step, stage);
    }
    return isCheck(step.kind) ? runCheck(step, stage) : runAction(step, stage);
}

int ScenarioPlayer::run() {
    std::string content;
    if (!scenario::readHostBytes(m_file, content)) {
        m_report << m_file << ": cannot be read\n" << m_file << ": not runnable\n";
        return StepOutcome::kNotRunnable;
    }
    const ScenarioScript script = ScenarioScript::parse(content);
    if (!script.ok()) {
        m_report << m_file << ":" << script.errorLine() << ": " << script.error() << "\n"
                 << m_file << ": not runnable\n";
        return StepOutcome::kNotRunnable;
    }
    m_steps = script.steps();

    // The start screen reads the device as soon as it exists: files, clock and answers at the
    // top of the scenario are in place before.
    while (!m_finished && m_next < m_steps.size() && m_steps[m_next].preparesStart()) {
        const ScenarioStep& step = m_steps[m_next++];
        const StepOutcome o = runStep(step, m_stage);
        if (o.status != StepOutcome::kPassed) {
            finish(o.status, step.line, o.text);
        }
    }
    if (!m_finished) {
        if (m_stage.start()) {
            playInEventLoop();
        } else {
            finish(StepOutcome::kNotRunnable, m_next < m_steps.size() ? m_steps[m_next].line : 0,
                   "the main window could not be shown");
        }
    }
    report();
    m_stage.stop();
    return m_status;
}

void ScenarioPlayer::playInEventLoop() {
    QEventLoop loop;
    m_loop = &loop;
    // After the end, closes what the program may still open while it winds down.
    QObject::connect(&m_closer, &QTimer::timeout, &m_context, [this] {
        closeDialogs();
        if (m_loop) {
            m_loop->exit();
        }
    });
    QTimer::singleShot(0, &m_context, [this] { runNext(); });
    loop.exec();
    m_closer.stop();
    m_deadline.stop();
    m_loop = nullptr;
    if (!m_finished) {
        // Something ended the event loop from inside the program (its Exit command).
        const int line = m_next > 0 ? m_steps[m_next - 1].line : 0;
        if (m_next < m_steps.size()) {
            finish(StepOutcome::kFailed, line,
                   "expected the program to keep running, found it closed");
        } else {
            finish(StepOutcome::kPassed, line, std::string());
        }
    }
    closeDialogs();
}

void ScenarioPlayer::runNext() {
    if (m_finished) {
        return;
    }
    if (m_next >= m_steps.size()) {
        stepEnded();
        const std::vector<Message>& shown = m_stage.messages();
        const std::size_t unchecked = shown.size() - m_stage.checkedMessages();
        const int line = m_steps.empty() ? 0 : m_steps.back().line;
        // A dialog still open is a step the scenario forgot: the driver would be stuck in it.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            finish(StepOutcome::kFailed, line,
                   "expected every dialog closed at the end, found the dialog " +
                       quoteText(modal->windowTitle().toUtf8().toStdString()) + " open");
        } else if (m_strict && unchecked > 0) {
            finish(StepOutcome::kFailed, line,
                   "expected every message box checked, found " + std::to_string(unchecked) +
                       " unchecked: " + describeMessage(shown[m_stage.checkedMessages()]));
        } else {
            finish(StepOutcome::kPassed, line, std::string());
        }
        return;
    }
    stepEnded();
    const ScenarioStep& step = m_steps[m_next++];
    m_timed = &step;
    m_clock.start();
    // Scheduled before acting: see the class comment.
    const int delay =
        step.kind == StepKind::Wait ? static_cast<int>(step.number) : touchDelay(step.kind);
    QTimer::singleShot(delay, &m_context, [this] { runNext(); });
    const StepOutcome o = runStep(step, m_stage);
    if (o.status != StepOutcome::kPassed) {
        finish(o.status, step.line, o.text);
    }
}

void ScenarioPlayer::finish(int status, int line, const std::string& text) {
    if (m_finished) {
        return;
    }
    stepEnded();
    m_finished = true;
    m_status = status;
    if (!text.empty()) {
        m_report << m_file << ":" << line << ": " << text << "\n";
    }
    if (m_loop) {
        closeDialogs();
        m_loop->exit();
        m_closer.start(10);
        m_deadline.setSingleShot(true);
        QObject::connect(&m_deadline, &QTimer::timeout, &m_context, [this] {
            if (!m_loop) {
                return;
            }
            m_report << m_file << ": the program did not close within " << kClosingMs
                     << " ms of the end of the scenario\n"
                     << m_file << ": FAILED\n";
            m_report.flush();
            std::fflush(stdout);
            std::_Exit(StepOutcome::kFailed);
        });
        m_deadline.start(kClosingMs);
    }
}

void ScenarioPlayer::stepEnded() {
    if (m_timed != nullptr) {
        m_times.push_back({m_timed->line, m_clock.elapsed(), m_timed->kind == StepKind::Wait});
        m_timed = nullptr;
    }
}

void ScenarioPlayer::reportTimings() {
    for (const StepTime& t : m_times) {
        m_report << m_file << ":" << t.line << ": " << t.ms << " ms" << (t.wait ? " (wait)" : "")
                 << "\n";
    }
    std::vector<StepTime> slowest;
    std::copy_if(m_times.begin(), m_times.end(), std::back_inserter(slowest),
                 [](const StepTime& t) { return !t.wait; });
    std::stable_sort(slowest.begin(), slowest.end(),
                     [](const StepTime& a, const StepTime& b) { return a.ms > b.ms; });
    slowest.resize(std::min<std::size_t>(slowest.size(), 5));
    m_report << m_file << ": slowest steps:";
    for (const StepTime& t : slowest) {
        m_report << " line " << t.line << " " << t.ms << " ms;";
    }
    m_report << "\n";
}

void ScenarioPlayer::report() {
    if (m_timings) {
        reportTimings();
    }
    const std::vector<Message>& shown = m_stage.messages();
    for (std::size_t i = m_stage.checkedMessages(); i < shown.size(); ++i) {
        m_report << m_file << ": unchecked " << describeMessage(shown[i]) << "\n";
    }
    const std::size_t started = m_next;
    switch (m_status) {
        case StepOutcome::kPassed:
            m_report << m_file << ": passed, " << m_steps.size() << " steps\n";
            break;
        case StepOutcome::kFailed:
            m_report << m_file << ": FAILED after " << started << " of " << m_steps.size()
                     << " steps\n";
            break;
        default:
            m_report << m_file << ": not runnable, stopped after " << started << " of "
                     << m_steps.size() << " steps\n";
            break;
    }
    m_report.flush();
}

}  // namespace

int runScenario(const std::filesystem::path& root, const std::string& scenarioFile,
                const std::string& outDir, bool strict, std::ostream& report, bool timings) {
    // The player writes the device's files as the program does: the same lock, for the run.
    const DeviceLock lock(root);
    if (!lock.held()) {
        report << scenarioFile << ": the device folder " << root.string()
               << " is in use by another Kelvo\n"
               << scenarioFile << ": not runnable\n";
        return StepOutcome::kNotRunnable;
    }
    ScenarioPlayer player(root, scenarioFile, outDir, strict, timings, report);
    return player.run();
}

int runScenario(const std::filesystem::path& root, const std::string& scenarioFile,
                const std::string& outDir, bool strict, bool timings) {
    return runScenario(root, scenarioFile, outDir, strict, std::cout, timings);
}

}  // namespace kelvo
