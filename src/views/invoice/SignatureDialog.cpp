#include "views/invoice/SignatureDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/DateText.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "doc/SettleOps.h"
#include "ui/DialogParts.h"
#include "ui/EntryRules.h"
#include "ui/FormView.h"
#include "ui/InkControl.h"

namespace kelvo {

SignatureDialog::SignatureDialog(CKelvoDoc& doc, const CStop& stop, double collected,
                                 QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setObjectName(QStringLiteral("144"));
    setWindowTitle(tr("Sign Invoice"));
    setMaximumWidth(240);
    const CInvoice& invoice = doc.Invoice();
    const bool cod = invoice.COD() == 'Y';

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(customerHeadline(fromData(stop.CustomerName), this));
    auto* details = makeLabel(fromData(format("Invoice# %.0f %s", invoice.InvoiceNumber(),
                                              longDate(invoice.InvoiceDate()).c_str()) +
                                       (cod ? " COD" : " Charge")),
                              1106, this);
    details->setWordWrap(true);
    layout->addWidget(details);

    auto* grid = new QGridLayout;
    auto value = [this, grid](const QString& caption, const std::string& text, int id, int row) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        auto* label = makeLabel(fromData(text), id, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 1);
    };
    value(tr("Amount"), formatPrice(invoice.PayThisAmount(), 2), 1109, 0);
    value(tr("Collected"), formatPrice(collected, 2), 1110, 1);
    auto* delayed =
        makeLabel(collectedShort(invoice, collected) ? tr("DELAYED") : QString(), 1111, this);
    delayed->setFont(labelFont(14, true));
    grid->addWidget(delayed, 2, 0, 1, 2);
    m_initials = labelledEdit(grid, 3, tr("Signed &By"), QStringLiteral("1108"), this);
    acceptFileText(m_initials, static_cast<int>(kMaxInitials));
    layout->addLayout(grid);

    m_ink = new CInkControl(this);
    m_ink->setObjectName(QStringLiteral("1112"));
    m_ink->setMinimumHeight(90);
    m_ink->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_ink, 1);

    auto* row = new QHBoxLayout;
    auto button = [this, row](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setMinimumSize(FormView::kButtonWidth, FormView::kButtonHeight);
        // Three buttons share the handheld's width.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    QPushButton* clear = button(tr("Clear"), QStringLiteral("1022"));
    m_ok = button(tr("OK"), QStringLiteral("1120"));
    QPushButton* cancel = button(tr("Cancel"), QStringLiteral("cancel"));
    layout->addLayout(row);

    m_ok->setEnabled(false);
    connect(clear, &QPushButton::clicked, this, &SignatureDialog::clearAll);
    connect(m_ok, &QPushButton::clicked, this, &SignatureDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SignatureDialog::reject);
    connect(m_initials, &QLineEdit::textChanged, this, &SignatureDialog::updateOk);
    connect(m_ink, &CInkControl::inkChanged, this, &SignatureDialog::updateOk);
    m_initials->installEventFilter(this);
    // The customer signs first: the dialog opens on the signature, not on the initials.
    setTabOrder(m_ink, m_initials);
    m_ink->setFocus();
}

QImage SignatureDialog::picture() const {
    return m_ink->picture();
}

std::string SignatureDialog::initials() const {
    return toData(m_initials->text());
}

void SignatureDialog::updateOk() {
    m_ok->setEnabled(signatureComplete(initials(), m_ink->hasInk()));
}

void SignatureDialog::clearAll() {
    m_ink->clear();
    m_initials->clear();
    m_ok->setEnabled(false);
}

bool SignatureDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_initials && event->type() == QEvent::FocusIn && !m_ink->hasInk()) {
        // The focus leaves first, so that the message does not bring it back here.
        m_ink->setFocus();
        m_doc.Prompt().inform(toData(tr("Please sign the invoice first")), "Kelvo",
                              MessageIcon::Warning);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SignatureDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SignatureDialog::accept() {
    if (!signatureComplete(initials(), m_ink->hasInk())) {
        return;
    }
    if (!m_doc.Prompt().ask(toData(tr("Are you sure you want to settle this invoice?")),
                            toData(tr("Confirm Ok")))) {
        QDialog::reject();
        return;
    }
    QDialog::accept();
}

void SignatureDialog::reject() {
    if ((!m_initials->text().isEmpty() || m_ink->hasInk()) &&
        !m_doc.Prompt().ask(toData(tr("Are you sure you want to cancel the initials/signature?")),
                            toData(tr("Confirm Cancellation")))) {
        return;
    }
    QDialog::reject();
}

}  // namespace kelvo
