#include "ui/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
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

}  // namespace kelvo
