#include "views/wearer/WearerFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "doc/ChangeOps.h"
#include "ui/EntryRules.h"
#include "ui/FieldKind.h"
#include "ui/FormView.h"

namespace kelvo {

namespace {

constexpr int kFieldHeight = 24;

}  // namespace

QFormLayout* fieldForm() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setHorizontalSpacing(4);
    form->setVerticalSpacing(2);
    form->setContentsMargins(0, 0, 0, 0);
    return form;
}

QLabel* addField(QFormLayout* form, const QString& caption, QWidget* field, const QString& name) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setFont(labelFont(12, false));
    label->setBuddy(field);
    field->setObjectName(name);
    // Descriptions from the lists are long: the fields' smaller font keeps them whole.
    field->setFont(labelFont(12, false));
    form->addRow(label, field);
    return label;
}

QLineEdit* textEdit(int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMinimumHeight(kFieldHeight);
    acceptFileText(edit, maxLength);
    return edit;
}

QLineEdit* numberEdit(int digits, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMinimumHeight(kFieldHeight);
    acceptWholeNumbers(edit, digits, false);
    return edit;
}

QLineEdit* priceEdit(CKelvoDoc& doc, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMinimumHeight(kFieldHeight);
    setFieldKind(edit, FieldKind::Number);
    // Digits and a point only; how many of them the field takes is told, not silently kept.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*\\.?\\d*")), edit));
    QObject::connect(edit, &QLineEdit::textEdited, edit, [&doc, edit](const QString& text) {
        const FieldCheck check = checkWearerPrice(doc, toData(text));
        if (check.Messages.empty()) {
            return;
        }
        edit->setText(fromData(check.Text));
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
        for (const Message& m : check.Messages) {
            doc.Prompt().show(m);
        }
    });
    return edit;
}

QComboBox* choiceBox(bool editable, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setMinimumHeight(kFieldHeight);
    box->setEditable(editable);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    return box;
}

QPlainTextEdit* remarkEdit(int maxLength, QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxLength] {
        const QString text = edit->toPlainText();
        if (text.size() > maxLength) {
            edit->setPlainText(text.left(maxLength));
            edit->moveCursor(QTextCursor::End);
        }
    });
    return edit;
}

QLabel* wearerHeadline(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(labelFont(13, true));
    return label;
}

}  // namespace kelvo
