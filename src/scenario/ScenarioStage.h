#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/DeviceFs.h"
#include "scenario/ScenarioStep.h"

class QWidget;

namespace kelvo {

class CKelvoApp;
class CMainFrame;
class NoticeWatcher;
class FixedClock;
class ScriptedPrompter;
struct Message;

// The program as a scenario's steps meet it: the device folder, the scripted message boxes
// and clock, the main window, and the widgets within the driver's reach.
class ScenarioStage {
public:
    // The device folder `root`; relative host paths of the steps are taken from the folder of
    // `scenarioFile`; screenshots go to `outDir` (empty: beside the scenario).
    ScenarioStage(const std::filesystem::path& root, const std::string& scenarioFile,
                  const std::string& outDir);
    ~ScenarioStage();

    // Creates the program and shows its start screen; false when the main window cannot be
    // shown. Files and answers prepared before are in place for the start screen.
    bool start();
    // Ends the program.
    void stop();

    const DeviceFs& fs() const { return m_fs; }
    ScriptedPrompter& prompter() const { return *m_prompter; }
    FixedClock& clock() const { return *m_clock; }
    // The main window; nullptr before start().
    CMainFrame* frame() const;

    // Every message box shown so far, and how many of the oldest have been checked.
    const std::vector<Message>& messages() const;
    std::size_t checkedMessages() const { return m_checked; }
    // Marks the oldest unchecked message box as checked.
    void checkMessage() { ++m_checked; }

    // The size of the signature control the last `sign` step drew on (0 x 0 before one).
    void rememberSignature(int width, int height) {
        m_signedWidth = width;
        m_signedHeight = height;
    }
    int signedWidth() const { return m_signedWidth; }
    int signedHeight() const { return m_signedHeight; }

    // The texts the notice popup has shown since the last call, oldest first; forgets them.
    std::vector<std::string> takeNotices();
    // The text the notice popup shows now ("" when it is not shown).
    std::string currentNotice() const;

    // A host path of a step, relative to the scenario's folder unless absolute.
    std::filesystem::path fromScenario(const std::string& utf8Path) const;
    // Where a screenshot of this name goes.
    std::filesystem::path screenshotPath(const std::string& utf8Name) const;

    // The widget a step names: the first visible match in the open modal dialog, on the
    // current screen or elsewhere in the main window; else a hidden match. nullptr (and a
    // not-runnable `error`) when there is none.
    QWidget* locate(const WidgetRef& ref, StepOutcome& error) const;
    // As locate(), for a widget the driver is to touch: it must be visible, enabled and not
    // behind an open modal dialog (else nullptr and a failed `error`).
    QWidget* locateForAction(const WidgetRef& ref, StepOutcome& error) const;
    // The windows a widget is looked for in, in that order.
    std::vector<QWidget*> scopes() const;
    // Where the driver is: "in the dialog "Select Truck"", "on screen 1".
    std::string where() const;
    // The Actions menu as "Start|[Export Files]" (disabled entries in brackets).
    std::string actionsMenuText() const;

private:
    DeviceFs m_fs;
    std::filesystem::path m_scenarioFolder;
    std::filesystem::path m_outDir;
    std::unique_ptr<ScriptedPrompter> m_ownPrompter;
    std::unique_ptr<FixedClock> m_ownClock;
    ScriptedPrompter* m_prompter;
    FixedClock* m_clock;
    std::unique_ptr<CKelvoApp> m_app;
    std::unique_ptr<NoticeWatcher> m_notices;
    std::size_t m_checked = 0;
    int m_signedWidth = 0;
    int m_signedHeight = 0;
};

// A message box as reports show it: message "..." caption "...".
std::string describeMessage(const Message& message);

}  // namespace kelvo
