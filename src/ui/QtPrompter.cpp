#include "ui/QtPrompter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "common/Translate.h"
#include "common/WaitCursor.h"
#include "ui/FormView.h"

namespace kelvo {

Answer QtPrompter::show(const Message& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(fromData(message.caption));
    box.setText(fromData(message.text));
    box.setTextFormat(Qt::PlainText);
    switch (message.icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

void installQtPlatformHooks() {
    WaitCursor::setHooks([] { QApplication::setOverrideCursor(Qt::WaitCursor); },
                         [] { QApplication::restoreOverrideCursor(); });
    // The translations carry every text once more in the context "kelvo" (src/CMakeLists.txt):
    // lupdate names the context of a core text after the class or namespace it is written in.
    setTranslator(
        [](const char* text) { return toData(QCoreApplication::translate("kelvo", text)); });
}

}  // namespace kelvo
