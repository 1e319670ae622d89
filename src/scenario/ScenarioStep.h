#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace kelvo {

// How a scenario names a widget: "#1023" by objectName, "Caption" by a button's caption,
// @"Label" by the buddy label in front of an entry field. Texts are UTF-8.
struct WidgetRef {
    enum class By { None, Name, Caption, Label };
    By by = By::None;
    std::string text;

    // The widget as the scenario wrote it: #1023, "Start", @"Mileage".
    std::string toString() const;
};

// Every kind of step a scenario file can hold.
enum class StepKind {
    // setting up
    DeviceFile,
    DeviceFolder,
    Clock,
    // acting
    Command,
    Menu,
    Click,
    Type,
    Select,
    Key,
    Sign,
    Answer,
    Wait,
    Screenshot,
    DurableWrites,
    Tap,   // touch steps: ScenarioTouch.h
    Drag,
    Scan,
    // checking (the checks come last: isCheck() relies on it)
    ExpectMessage,
    ExpectNoMessage,
    ExpectScreen,
    ExpectText,
    ExpectEnabled,
    ExpectDisabled,
    ExpectVisible,
    ExpectHidden,
    ExpectRows,
    ExpectRow,
    ExpectSelected,
    ExpectChecked,
    ExpectUnchecked,
    ExpectNotice,
    ExpectMenu,
    ExpectFileEquals,
    ExpectFileContains,
    ExpectFileExists,
    ExpectFileMissing,
    ExpectFileSignature,
    ExpectFolderCount,
    ExpectKeyboardShown,
    ExpectKeyboardHidden,
    ExpectHints,
    ExpectScrolled,
};

// One line of a scenario, parsed. Which fields a step uses:
//   device-file / device-folder: text = device path, source = host path
//   clock: year..minute
//   command: number = command id; wait: number = milliseconds; answer: text = Yes/No/OK/Cancel
//   menu, screenshot: text; durable-writes: text = device folder; click, sign: widget (sign none);
//   type: widget, text select: widget, number = row or (byText) text; key: text = key name, widget
//   optional expect message: text, caption (hasCaption); expect screen / rows / selected / folder:
//   number expect text / row: widget, text (row: number too); expect menu, notice: text expect
//   checked / unchecked: widget; tap: widget, number = row or -1; drag: widget, text = up or
//   down, number = rows; scan: text; expect hints: widget, text = kind; expect scrolled:
//   widget expect file: text = device path, source = expected file (equals) or
//   text2 (contains); signature: nothing more
struct ScenarioStep {
    int line = 0;
    StepKind kind = StepKind::Wait;
    WidgetRef widget;
    std::string text;
    std::string text2;
    std::string source;
    bool hasCaption = false;
    bool byText = false;
    std::int64_t number = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;

    // True for the steps that prepare the device (files, clock) and for queued answers: at the
    // top of a scenario they run before the program's main window exists.
    bool preparesStart() const;
};

// What a step came to: passed, failed (a check did not hold: status 1) or not runnable
// (status 2). `text` is the report: "expected ..., found ..." for a failed check.
struct StepOutcome {
    static constexpr int kPassed = 0;
    static constexpr int kFailed = 1;
    static constexpr int kNotRunnable = 2;

    int status = kPassed;
    std::string text;

    static StepOutcome pass() { return {}; }
    static StepOutcome fail(const std::string& expected, const std::string& found) {
        return {kFailed, "expected " + expected + ", found " + found};
    }
    static StepOutcome broken(std::string text) { return {kNotRunnable, std::move(text)}; }
};

}  // namespace kelvo
