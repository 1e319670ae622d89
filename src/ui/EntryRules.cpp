#include "ui/EntryRules.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTextCursor>
#include <QTextDocument>

#include "common/Prompter.h"
#include "doc/FieldMessages.h"
#include "ui/FieldKind.h"
#include "ui/FormView.h"

namespace kelvo {

namespace {

void accept(QLineEdit* edit, const QString& pattern) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

}  // namespace

void acceptWholeNumbers(QLineEdit* edit, int digits, bool negative) {
    accept(
        edit,
        QStringLiteral("%1\\d{0,%2}").arg(negative ? QStringLiteral("-?") : QString()).arg(digits));
    setFieldKind(edit, negative ? FieldKind::Number : FieldKind::Digits);
}

void acceptAmount(QLineEdit* edit) {
    accept(edit, QStringLiteral("\\d{0,9}(\\.\\d{0,2})?"));
    setFieldKind(edit, FieldKind::Number);
}

void acceptFileText(QLineEdit* edit, int maxLength) {
    accept(edit, QStringLiteral("[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}]*"));
    edit->setMaxLength(maxLength);
    setFieldKind(edit, FieldKind::Text);
}

void applyFieldCheck(QLineEdit* edit, const QString& typed, const FieldCheck& check,
                     Prompter& prompter) {
    if (fromData(check.Text) != typed) {
        edit->setText(fromData(check.Text));
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
    }
    for (const Message& message : check.Messages) {
        prompter.show(message);
    }
}

void acceptFileText(QPlainTextEdit* edit) {
    // Line breaks separate the document's blocks and are never matched.
    setFieldKind(edit, FieldKind::Text);
    const QRegularExpression unstorable(QStringLiteral("[^\\t\\x{20}-\\x{7E}\\x{A0}-\\x{FF}]"));
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, unstorable] {
        QTextDocument* document = edit->document();
        for (QTextCursor found = document->find(unstorable); !found.isNull();
             found = document->find(unstorable, found)) {
            found.removeSelectedText();
        }
    });
}

}  // namespace kelvo
