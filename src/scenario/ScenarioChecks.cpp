#include "scenario/ScenarioChecks.h"

#include <QAbstractButton>
#include <QWidget>

#include "common/Prompter.h"
#include "common/Text.h"
#include "frame/MainFrame.h"
#include "scenario/ScenarioFiles.h"
#include "scenario/ScenarioScript.h"
#include "scenario/ScenarioStage.h"
#include "scenario/ScenarioWidgets.h"

namespace kelvo {

namespace {

StepOutcome checkMessage(const ScenarioStep& step, ScenarioStage& stage) {
    const std::vector<Message>& shown = stage.messages();
    const std::size_t next = stage.checkedMessages();
    if (step.kind == StepKind::ExpectNoMessage) {
        if (next < shown.size()) {
            return StepOutcome::fail("no unchecked message box", describeMessage(shown[next]));
        }
        return StepOutcome::pass();
    }
    std::string expected = "message " + quoteText(step.text);
    if (step.hasCaption) {
        expected += " caption " + quoteText(step.text2);
    }
    if (next >= shown.size()) {
        return StepOutcome::fail(expected, "no further message box");
    }
    const Message& m = shown[next];
    stage.checkMessage();
    const bool textOk = QString::fromLatin1(m.text.c_str()) == scenario::fromUtf8(step.text);
    const bool captionOk = !step.hasCaption ||
                           QString::fromLatin1(m.caption.c_str()) == scenario::fromUtf8(step.text2);
    if (!textOk || !captionOk) {
        return StepOutcome::fail(expected, describeMessage(m));
    }
    return StepOutcome::pass();
}

StepOutcome checkWidget(const ScenarioStep& step, QWidget* w) {
    const std::string name = step.widget.toString();
    switch (step.kind) {
        case StepKind::ExpectText: {
            bool known = false;
            const QString text = scenario::shownText(w, known);
            if (!known) {
                return StepOutcome::broken(name + " shows no text (" +
                                           w->metaObject()->className() + ")");
            }
            if (text != scenario::fromUtf8(step.text)) {
                return StepOutcome::fail(name + " showing " + quoteText(step.text),
                                         scenario::quoted(text));
            }
            return StepOutcome::pass();
        }
        case StepKind::ExpectChecked:
        case StepKind::ExpectUnchecked: {
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (!button || !button->isCheckable()) {
                return StepOutcome::broken(name +
                                           " is no check box, radio button or checkable "
                                           "button (" +
                                           w->metaObject()->className() + ")");
            }
            const bool wanted = step.kind == StepKind::ExpectChecked;
            if (button->isChecked() != wanted) {
                return StepOutcome::fail(name + (wanted ? " checked" : " unchecked"),
                                         wanted ? "it unchecked" : "it checked");
            }
            return StepOutcome::pass();
        }
        case StepKind::ExpectEnabled:
        case StepKind::ExpectDisabled: {
            const bool wanted = step.kind == StepKind::ExpectEnabled;
            if (w->isEnabled() != wanted) {
                return StepOutcome::fail(name + (wanted ? " enabled" : " disabled"),
                                         wanted ? "it disabled" : "it enabled");
            }
            return StepOutcome::pass();
        }
        default: {
            // The lookup prefers a visible match: a hidden result means none is shown.
            const bool wanted = step.kind == StepKind::ExpectVisible;
            if (w->isVisible() != wanted) {
                return StepOutcome::fail(name + (wanted ? " visible" : " hidden"),
                                         wanted ? "it hidden" : "it visible");
            }
            return StepOutcome::pass();
        }
    }
}

std::string rowsText(const QList<int>& rows) {
    if (rows.isEmpty()) {
        return "no row selected";
    }
    std::string text = rows.size() == 1 ? "row" : "rows";
    for (qsizetype i = 0; i < rows.size(); ++i) {
        text += (i == 0 ? " " : ", ") + std::to_string(rows[i]);
    }
    return text + " selected";
}

StepOutcome checkList(const ScenarioStep& step, QWidget* w) {
    const std::string name = step.widget.toString();
    const int count = scenario::rowCount(w);
    if (count < 0) {
        return StepOutcome::broken(name + " is no list, table, tree, tab bar or combo box (" +
                                   w->metaObject()->className() + ")");
    }
    const int row = static_cast<int>(step.number);
    const std::string rowName = "row " + std::to_string(row) + " of " + name;
    switch (step.kind) {
        case StepKind::ExpectRows:
            if (count != step.number) {
                return StepOutcome::fail(name + " holding " + std::to_string(step.number) + " rows",
                                         std::to_string(count));
            }
            return StepOutcome::pass();
        case StepKind::ExpectRow: {
            if (row >= count) {
                return StepOutcome::fail(rowName + " " + quoteText(step.text),
                                         std::to_string(count) + " rows");
            }
            const QString cells = scenario::rowCells(w, row).join(QLatin1Char('|'));
            if (cells != scenario::fromUtf8(step.text)) {
                return StepOutcome::fail(rowName + " " + quoteText(step.text),
                                         scenario::quoted(cells));
            }
            return StepOutcome::pass();
        }
        default: {
            const QList<int> selected = scenario::selectedRows(w);
            if (!selected.contains(row)) {
                return StepOutcome::fail(rowName + " selected", rowsText(selected));
            }
            return StepOutcome::pass();
        }
    }
}

// The notice shown now, or one shown since the last notice check, reads as expected.
StepOutcome checkNotice(const ScenarioStep& step, ScenarioStage& stage) {
    std::vector<std::string> seen = stage.takeNotices();
    const std::string current = stage.currentNotice();
    if (!current.empty() && (seen.empty() || seen.back() != current)) {
        seen.push_back(current);  // shown since before the last check, and still there
    }
    std::string found;
    for (const std::string& text : seen) {
        if (text == step.text) {
            return StepOutcome::pass();
        }
        found += (found.empty() ? "notice " : ", notice ") + quoteText(text);
    }
    return StepOutcome::fail("notice " + quoteText(step.text),
                             found.empty() ? std::string("no notice") : found);
}

StepOutcome checkFile(const ScenarioStep& step, ScenarioStage& stage) {
    const DeviceFs& fs = stage.fs();
    const std::string device = utf8ToLatin1(step.text);
    const std::string name = "\"" + step.text + "\"";  // device paths as written
    if (step.kind == StepKind::ExpectFolderCount) {
        const std::size_t count = fs.listFiles(device, "*").size();
        if (static_cast<std::int64_t>(count) != step.number) {
            return StepOutcome::fail(
                "the folder " + name + " holding " + std::to_string(step.number) + " files",
                std::to_string(count));
        }
        return StepOutcome::pass();
    }
    const bool exists = fs.isFile(device);
    if (step.kind == StepKind::ExpectFileExists) {
        return exists ? StepOutcome::pass() : StepOutcome::fail("the file " + name, "no such file");
    }
    if (step.kind == StepKind::ExpectFileMissing) {
        return exists ? StepOutcome::fail("no file " + name, "the file") : StepOutcome::pass();
    }
    std::string actual;
    if (!exists || !fs.readFile(device, actual)) {
        return StepOutcome::fail("the file " + name, "no such file");
    }
    if (step.kind == StepKind::ExpectFileSignature) {
        if (stage.signedWidth() == 0) {
            return StepOutcome::broken("no sign step before the signature check of " + name);
        }
        const std::string problem =
            scenario::describeSignatureProblem(actual, stage.signedWidth(), stage.signedHeight());
        if (!problem.empty()) {
            return StepOutcome::fail(name + " holding the signature as a 24-bit BMP", problem);
        }
        return StepOutcome::pass();
    }
    if (step.kind == StepKind::ExpectFileContains) {
        if (actual.find(utf8ToLatin1(step.text2)) == std::string::npos) {
            return StepOutcome::fail(name + " containing " + quoteText(step.text2),
                                     std::to_string(actual.size()) + " bytes without it");
        }
        return StepOutcome::pass();
    }
    std::string expected;
    const std::filesystem::path expectedFile = stage.fromScenario(step.source);
    if (!scenario::readHostBytes(expectedFile, expected)) {
        return StepOutcome::broken("cannot read the expected file " + expectedFile.string());
    }
    const std::string difference = scenario::describeDifference(actual, expected);
    if (!difference.empty()) {
        return StepOutcome::fail(name + " equal to " + quoteText(step.source), difference);
    }
    return StepOutcome::pass();
}

}  // namespace

bool isCheck(StepKind kind) {
    return kind >= StepKind::ExpectMessage;
}

StepOutcome runCheck(const ScenarioStep& step, ScenarioStage& stage) {
    switch (step.kind) {
        case StepKind::ExpectMessage:
        case StepKind::ExpectNoMessage:
            return checkMessage(step, stage);
        case StepKind::ExpectFileEquals:
        case StepKind::ExpectFileContains:
        case StepKind::ExpectFileExists:
        case StepKind::ExpectFileMissing:
        case StepKind::ExpectFileSignature:
        case StepKind::ExpectFolderCount:
            return checkFile(step, stage);
        case StepKind::ExpectScreen: {
            const int screen = stage.frame()->currentScreen();
            if (screen != step.number) {
                return StepOutcome::fail("screen " + std::to_string(step.number),
                                         "screen " + std::to_string(screen));
            }
            return StepOutcome::pass();
        }
        case StepKind::ExpectNotice:
            return checkNotice(step, stage);
        case StepKind::ExpectMenu: {
            const std::string menu = stage.actionsMenuText();
            if (menu != step.text) {
                return StepOutcome::fail("the menu " + quoteText(step.text),
                                         quoteText(menu));
            }
            return StepOutcome::pass();
        }
        default:
            break;
    }
    if (!isCheck(step.kind)) {
        return StepOutcome::broken("not a check");
    }
    StepOutcome error;
    QWidget* w = stage.locate(step.widget, error);
    if (!w) {
        return error;
    }
    if (step.kind == StepKind::ExpectRows || step.kind == StepKind::ExpectRow ||
        step.kind == StepKind::ExpectSelected) {
        return checkList(step, w);
    }
    return checkWidget(step, w);
}

}  // namespace kelvo
