#include "views/invoice/PaymentDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/DateText.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "ui/DialogParts.h"
#include "ui/EntryRules.h"
#include "ui/FormView.h"
#include "views/invoice/SignatureDialog.h"

namespace kelvo {

PaymentDialog::PaymentDialog(CKelvoDoc& doc, const CStop& stop, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_stop(stop) {
    setObjectName(QStringLiteral("143"));
    setWindowTitle(tr("Enter Collected Cash"));
    setMaximumWidth(240);
    const CInvoice& invoice = doc.Invoice();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(customerHeadline(fromData(stop.CustomerName), this));
    auto* details = new QLabel(fromData(format("Invoice# %.0f    %s", invoice.InvoiceNumber(),
                                               longDate(invoice.InvoiceDate()).c_str())),
                               this);
    details->setObjectName(QStringLiteral("invoiceDetails"));
    layout->addWidget(details);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Pay this Amount"), this), 0, 0);
    auto* pay = new QLabel(fromData(formatPrice(invoice.PayThisAmount(), 2)), this);
    pay->setObjectName(QStringLiteral("payThisAmount"));
    pay->setFont(labelFont(14, true));
    pay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(pay, 0, 1);
    m_amount = labelledEdit(grid, 1, tr("&Amount Collected"), QStringLiteral("1107"), this);
    m_amount->setAlignment(Qt::AlignRight);
    acceptAmount(m_amount);

    m_cash = new QRadioButton(tr("Cash"), this);
    m_cash->setObjectName(QStringLiteral("1235"));
    m_check = new QRadioButton(tr("Check"), this);
    m_check->setObjectName(QStringLiteral("1236"));
    for (QRadioButton* b : {m_cash, m_check}) {
        b->setMinimumHeight(FormView::kButtonHeight - 8);
    }
    grid->addWidget(m_cash, 2, 0);
    grid->addWidget(m_check, 2, 1);
    m_checkNumber = labelledEdit(grid, 3, tr("Check #"), QStringLiteral("1238"), this);
    acceptFileText(m_checkNumber, static_cast<int>(kMaxCheckNumber));
    layout->addLayout(grid);

    auto* noSignature = makeLabel(tr("No signature Required"), 1237, this);
    noSignature->setVisible(!signatureRequired(stop));
    layout->addWidget(noSignature);
    layout->addStretch(1);
    layout->addWidget(okCancelButtons(this));

    // A COD invoice is normally paid in full; a charge invoice normally not at all.
    m_amount->setText(
        fromData(formatPrice(invoice.COD() == 'Y' ? invoice.PayThisAmount() : 0.0, 2)));
    m_cash->setChecked(true);
    m_checkNumber->setEnabled(false);
    connect(m_cash, &QRadioButton::clicked, this, &PaymentDialog::chooseCash);
    connect(m_check, &QRadioButton::clicked, this, &PaymentDialog::chooseCheck);
    m_amount->selectAll();
    m_amount->setFocus();
}

void PaymentDialog::chooseCash() {
    // The number typed so far comes back when the driver turns to the cheque again.
    if (m_checkNumber->isEnabled()) {
        m_savedCheckNumber = m_checkNumber->text();
    }
    m_checkNumber->clear();
    m_checkNumber->setEnabled(false);
}

void PaymentDialog::chooseCheck() {
    if (m_checkNumber->isEnabled()) {
        return;
    }
    m_checkNumber->setEnabled(true);
    m_checkNumber->setText(m_savedCheckNumber);
    m_checkNumber->selectAll();
    m_checkNumber->setFocus();
}

void PaymentDialog::accept() {
    const bool byCheck = m_check->isChecked();
    const std::string checkNumber = byCheck ? toData(m_checkNumber->text()) : std::string();
    const std::string amount = toData(m_amount->text());
    if (!paymentAcceptable(m_doc.Prompt(), byCheck, checkNumber, amount)) {
        (byCheck && checkNumber.empty() ? m_checkNumber : m_amount)->setFocus();
        return;
    }
    m_payment.amountCollected = toDouble(amount);
    m_payment.checkNumber = checkNumber;
    m_payment.signedBy.clear();
    m_signature = QImage();
    if (signatureRequired(m_stop)) {
        SignatureDialog signature(m_doc, m_stop, m_payment.amountCollected, this);
        if (signature.exec() == QDialog::Accepted) {
            m_payment.signedBy = signature.initials();
            m_signature = signature.picture();
        }
    }
    QDialog::accept();
}

void PaymentDialog::keyPressEvent(QKeyEvent* event) {
    // Enter in a field only ends the typing (on the handheld it lowers the keyboard).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kelvo
