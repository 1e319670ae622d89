#include "views/invoice/OrderDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/Text.h"
#include "doc/AdjustOps.h"
#include "doc/InvoiceTexts.h"
#include "model/AdjReasons.h"
#include "model/InvoiceItem.h"
#include "ui/DialogParts.h"
#include "ui/EntryRules.h"
#include "ui/FormView.h"

namespace kelvo {

OrderDialog::OrderDialog(const CAdjReasons& reasons, const CInvoiceItem& line, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("264"));
    setWindowTitle(tr("Order Enter"));
    setMaximumWidth(240);
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(fromData(productText(line)), this);
    product->setObjectName(QStringLiteral("orderLine"));
    product->setTextFormat(Qt::PlainText);
    product->setFont(labelFont(14, true));
    layout->addWidget(product);
    auto* description = new QLabel(fromData(line.Description), this);
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    layout->addWidget(description);

    auto* form = new QFormLayout;
    m_reason = new QComboBox(this);
    m_reason->setObjectName(QStringLiteral("orderReason"));
    m_reason->setMinimumHeight(FormView::kButtonHeight - 8);
    for (const CAdjReason* r : reasons.InGroup(AdjReasonGroup::Ordering)) {
        m_reason->addItem(fromData(r->ReasonDescription));
        m_codes.push_back(r->ReasonCode);
        if (r->ReasonCode == line.OrderingReasonCode) {
            m_reason->setCurrentIndex(m_reason->count() - 1);
        }
    }
    if (line.OrderingReasonCode.empty()) {
        m_reason->setCurrentIndex(-1);
    }
    m_quantity = new QLineEdit(this);
    m_quantity->setObjectName(QStringLiteral("orderQuantity"));
    m_quantity->setMinimumHeight(FormView::kButtonHeight - 8);
    acceptWholeNumbers(m_quantity, 4, true);
    m_quantity->setText(fromData(formatPrice(line.OrderQty, 0)));
    form->addRow(tr("&Reason"), m_reason);
    form->addRow(tr("&Quantity"), m_quantity);
    layout->addLayout(form);
    auto* note = new QLabel(tr("Will be delivered extra with next delivery"), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addWidget(okCancelButtons(this));

    m_quantity->selectAll();
    m_quantity->setFocus();
}

std::string OrderDialog::reasonCode() const {
    const int i = m_reason->currentIndex();
    return i >= 0 && static_cast<std::size_t>(i) < m_codes.size() ? m_codes[std::size_t(i)]
                                                                  : std::string();
}

int OrderDialog::quantity() const {
    return toWhole(toData(m_quantity->text()));
}

}  // namespace kelvo
