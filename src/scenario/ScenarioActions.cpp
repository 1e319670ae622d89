#include "scenario/ScenarioActions.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <system_error>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "frame/MainFrame.h"
#include "scenario/ScenarioFiles.h"
#include "scenario/ScenarioScript.h"
#include "scenario/ScenarioStage.h"
#include "scenario/ScenarioTouch.h"
#include "scenario/ScenarioWidgets.h"

namespace kelvo {

namespace {

namespace fs = std::filesystem;

StepOutcome setUp(const ScenarioStep& step, ScenarioStage& stage) {
    const std::string device = utf8ToLatin1(step.text);
    switch (step.kind) {
        case StepKind::DeviceFile:
            if (!scenario::copyToDevice(stage.fs(), stage.fromScenario(step.source), device)) {
                return StepOutcome::broken("cannot copy " +
                                           stage.fromScenario(step.source).string() +
                                           " to the device file \"" + step.text + "\"");
            }
            return StepOutcome::pass();
        case StepKind::DeviceFolder:
            if (scenario::copyFolderToDevice(stage.fs(), stage.fromScenario(step.source), device) <
                0) {
                return StepOutcome::broken("cannot copy the folder " +
                                           stage.fromScenario(step.source).string() +
                                           " to the device folder \"" + step.text + "\"");
            }
            return StepOutcome::pass();
        case StepKind::Clock:
            stage.clock().set(
                LocalTime{step.year, step.month, step.day, step.hour, step.minute, 0});
            return StepOutcome::pass();
        default: {
            const Answer answer = step.text == "Yes"  ? Answer::Yes
                                  : step.text == "No" ? Answer::No
                                  : step.text == "OK" ? Answer::Ok
                                                      : Answer::Cancel;
            stage.prompter().queue(answer);
            return StepOutcome::pass();
        }
    }
}

StepOutcome click(const ScenarioStep& step, ScenarioStage& stage) {
    StepOutcome error;
    QWidget* w = stage.locateForAction(step.widget, error);
    if (!w) {
        return error;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->click();
    } else {
        scenario::tap(w, w->rect().center());
    }
    return StepOutcome::pass();
}

StepOutcome sign(ScenarioStage& stage) {
    for (QWidget* scope : stage.scopes()) {
        QList<QWidget*> all{scope};
        all += scope->findChildren<QWidget*>();
        for (QWidget* w : all) {
            if (!scenario::isSignatureControl(w) || !w->isVisible()) {
                continue;
            }
            if (!w->isEnabled()) {
                return StepOutcome::fail("the signature control enabled",
                                         "it disabled " + stage.where());
            }
            scenario::drawStroke(w);
            stage.rememberSignature(w->width(), w->height());
            return StepOutcome::pass();
        }
    }
    return StepOutcome::broken("no signature control " + stage.where());
}

StepOutcome type(const ScenarioStep& step, ScenarioStage& stage) {
    StepOutcome error;
    QWidget* w = stage.locateForAction(step.widget, error);
    if (!w) {
        return error;
    }
    switch (scenario::typeInto(w, scenario::fromUtf8(step.text))) {
        case scenario::Typing::Typed:
            return StepOutcome::pass();
        case scenario::Typing::ReadOnly:
            return StepOutcome::fail(step.widget.toString() + " to take typing", "it read-only");
        case scenario::Typing::NotAnEdit:
            break;
    }
    return StepOutcome::broken(step.widget.toString() + " is no entry field (" +
                               w->metaObject()->className() + ")");
}

StepOutcome select(const ScenarioStep& step, ScenarioStage& stage) {
    StepOutcome error;
    QWidget* w = stage.locateForAction(step.widget, error);
    if (!w) {
        return error;
    }
    const std::string name = step.widget.toString();
    const int count = scenario::rowCount(w);
    if (count < 0) {
        return StepOutcome::broken(name + " is no list, table, tree, tab bar or combo box (" +
                                   w->metaObject()->className() + ")");
    }
    int row = static_cast<int>(step.number);
    if (step.byText) {
        row = scenario::findRow(w, scenario::fromUtf8(step.text));
        if (row < 0) {
            QStringList entries;
            for (int r = 0; r < count; ++r) {
                entries << scenario::rowCells(w, r).value(0);
            }
            return StepOutcome::fail("an entry " + quoteText(step.text) + " in " + name,
                                     count == 0 ? std::string("no entries")
                                                : scenario::quoted(entries.join(QLatin1Char('|'))));
        }
    }
    if (row >= count) {
        return StepOutcome::fail("a row " + std::to_string(row) + " in " + name,
                                 std::to_string(count) + " rows");
    }
    scenario::selectRow(w, row);
    return StepOutcome::pass();
}

StepOutcome key(const ScenarioStep& step, ScenarioStage& stage) {
    struct Key {
        const char* name;
        int code;
        const char* text;
    };
    static constexpr std::array<Key, 8> kKeys{{{"Right", Qt::Key_Right, ""},
                                               {"Left", Qt::Key_Left, ""},
                                               {"Up", Qt::Key_Up, ""},
                                               {"Down", Qt::Key_Down, ""},
                                               {"Enter", Qt::Key_Return, "\r"},
                                               {"Escape", Qt::Key_Escape, "\x1b"},
                                               {"Tab", Qt::Key_Tab, "\t"},
                                               {"F1", Qt::Key_F1, ""}}};
    const Key* pressed = &kKeys[0];
    for (const Key& k : kKeys) {
        if (step.text == k.name) {
            pressed = &k;
        }
    }
    QWidget* target = nullptr;
    if (step.widget.by != WidgetRef::By::None) {
        StepOutcome error;
        target = stage.locateForAction(step.widget, error);
        if (!target) {
            return error;
        }
        scenario::activate(target);
        target->setFocus(Qt::OtherFocusReason);
    } else {
        target = QApplication::focusWidget();
        if (!target) {
            target = QApplication::activeModalWidget();
        }
        if (!target) {
            target = stage.frame();
        }
        scenario::activate(target);
    }
    scenario::pressKey(target, pressed->code, QString::fromLatin1(pressed->text));
    return StepOutcome::pass();
}

StepOutcome chooseMenu(const ScenarioStep& step, ScenarioStage& stage) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return StepOutcome::fail("the Actions menu within reach",
                                 "the dialog " + scenario::quoted(modal->windowTitle()) + " open");
    }
    CMainFrame* frame = stage.frame();
    frame->updateCommandStates();
    for (QAction* action : frame->actionsMenu()->actions()) {
        if (action->isSeparator() ||
            scenario::withoutMnemonics(action->text()) != scenario::fromUtf8(step.text)) {
            continue;
        }
        if (!action->isEnabled()) {
            return StepOutcome::fail("the Actions entry " + quoteText(step.text) + " enabled",
                                     "it disabled");
        }
        action->trigger();
        return StepOutcome::pass();
    }
    return StepOutcome::broken("no Actions entry " + quoteText(step.text) + " " +
                               stage.where() + " (the menu holds " +
                               quoteText(stage.actionsMenuText()) + ")");
}

StepOutcome screenshot(const ScenarioStep& step, ScenarioStage& stage) {
    const fs::path target = stage.screenshotPath(step.text);
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    CMainFrame* frame = stage.frame();
    QPixmap picture;
    if (scenario::grabWithKeyboard(frame, picture)) {
        return picture.save(QString::fromStdString(target.string()))
                   ? StepOutcome::pass()
                   : StepOutcome::broken("cannot write the screenshot " + target.string());
    }
    picture = frame->grab();
    // Open dialogs are part of what the driver sees: they are drawn where they stand over the
    // main window, with a frame line.
    QPainter painter(&picture);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != frame && top->isVisible() && qobject_cast<QDialog*>(top)) {
            const QPoint at = top->mapToGlobal(QPoint(0, 0)) - frame->mapToGlobal(QPoint(0, 0));
            top->render(&painter, at);
            painter.setPen(Qt::black);
            painter.drawRect(QRect(at, top->size()).adjusted(0, 0, -1, -1));
        }
    }
    painter.end();
    if (!picture.save(QString::fromStdString(target.string()))) {
        return StepOutcome::broken("cannot write the screenshot " + target.string());
    }
    return StepOutcome::pass();
}

}  // namespace

StepOutcome runAction(const ScenarioStep& step, ScenarioStage& stage) {
    switch (step.kind) {
        case StepKind::DeviceFile:
        case StepKind::DeviceFolder:
        case StepKind::Clock:
        case StepKind::Answer:
            return setUp(step, stage);
        case StepKind::Command:
            stage.frame()->choose(static_cast<CommandId>(step.number));
            return StepOutcome::pass();
        case StepKind::Menu:
            return chooseMenu(step, stage);
        case StepKind::Click:
            return click(step, stage);
        case StepKind::Type:
            return type(step, stage);
        case StepKind::Select:
            return select(step, stage);
        case StepKind::Key:
            return key(step, stage);
        case StepKind::Sign:
            return sign(stage);
        case StepKind::Screenshot:
            return screenshot(step, stage);
        case StepKind::Wait:
            return StepOutcome::pass();
        case StepKind::DurableWrites:
            if (scenario::writeDurably(stage.fs(), utf8ToLatin1(step.text)) < 0) {
                return StepOutcome::broken("cannot write the files of the device folder \"" +
                                           step.text + "\" again");
            }
            return StepOutcome::pass();
        default:
            break;
    }
    return StepOutcome::broken("not a step that acts");
}

}  // namespace kelvo
