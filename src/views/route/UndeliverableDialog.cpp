#include "views/route/UndeliverableDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/KelvoDoc.h"
#include "ui/FormView.h"

namespace kelvo {

UndeliverableDialog::UndeliverableDialog(CKelvoDoc& doc, const std::string& currentReason,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("136"));
    setWindowTitle(tr("Undeliverable"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("&Reason for being Undeliverable:"), this);
    prompt->setFont(labelFont(14, true));
    prompt->setWordWrap(true);
    m_reasons = new QComboBox(this);
    m_reasons->setObjectName(QStringLiteral("1056"));
    m_reasons->setMinimumHeight(FormView::kButtonHeight);
    m_reasons->setFont(labelFont(14, false));
    prompt->setBuddy(m_reasons);
    for (const CAdjReason* reason : doc.AdjReasons().InGroup(AdjReasonGroup::Undeliverable)) {
        m_reasons->addItem(fromData(reason->ReasonDescription), fromData(reason->ReasonCode));
    }
    m_reasons->setCurrentIndex(m_reasons->findData(fromData(currentReason)));
    layout->addWidget(prompt);
    layout->addWidget(m_reasons);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* b : buttons->buttons()) {
        b->setMinimumHeight(FormView::kButtonHeight);
    }
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(m_reasons->currentIndex() >= 0);
    connect(m_reasons, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_ok->setEnabled(index >= 0); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string UndeliverableDialog::reasonCode() const {
    return toData(m_reasons->currentData().toString());
}

}  // namespace kelvo
