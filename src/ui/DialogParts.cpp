#include "ui/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/FormView.h"

namespace kelvo {

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    for (QAbstractButton* b : buttons->buttons()) {
        b->setMinimumHeight(FormView::kButtonHeight);
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            // Enter in a field must not close the dialog by accident.
            push->setAutoDefault(false);
            push->setDefault(false);
        }
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel* customerHeadline(const QString& name, QWidget* parent) {
    auto* label = new QLabel(name, parent);
    label->setObjectName(QStringLiteral("customerName"));
    label->setTextFormat(Qt::PlainText);
    label->setFont(labelFont(14, true));
    label->setWordWrap(true);
    return label;
}

QLineEdit* labelledEdit(QGridLayout* grid, int row, const QString& caption, const QString& name,
                        QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumHeight(FormView::kButtonHeight - 8);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

}  // namespace kelvo
