#include "views/invoice/InvSelectView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Text.h"
#include "doc/InvoiceOps.h"
#include "doc/InvoiceTexts.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "ui/ColumnList.h"
#include "views/invoice/ReceiptDialog.h"

namespace kelvo {

CInvSelectView::CInvSelectView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::InvSelect, parent) {
    m_list = new ColumnList(QStringLiteral("1113"),
                            {tr("Inv#"), tr("Terms"), tr("PayAmt"), tr("Status"), tr("Date")},
                            // Wider than the list together: it scrolls sideways to the date.
                            {0.24, 0.21, 0.25, 0.22, 0.20}, this);
    body()->addWidget(m_list, 1);

    auto* totals = new QGridLayout;
    auto total = [this, totals](const QString& caption, int id, int row) {
        auto* label = new QLabel(caption, this);
        label->setFont(labelFont(12, false));
        totals->addWidget(label, row, 0);
        auto* value = makeLabel(QString(), id, this);
        value->setFont(labelFont(12, true));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(value, row, 1);
        return value;
    };
    m_payTotal = total(tr("Pay Total"), 1061, 0);
    m_totalCash = total(tr("Total Cash"), 1062, 1);
    body()->addLayout(totals);

    addButton(QStringLiteral("<-"), 1256, cmd::Back);
    m_open = addButton(QStringLiteral("S"), 1257, cmd::Settlement);
    m_open->setToolTip(tr("Open the invoice"));

    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) {
            rowChosen(m_list->indexOfTopLevelItem(item));
        }
    });
    // A double tap opens the invoice, as 'S' does.
    connect(m_list, &QTreeWidget::itemActivated, this, &CInvSelectView::openSelected);
}

void CInvSelectView::initialUpdate() {
    CKelvoDoc& d = doc();
    const CStop* stop = selectedStop(d);
    setTitle(stop ? fromData(stop->CustomerName) : QString());
    m_payTotal->setText(stop ? fromData(formatPrice(stop->PayTotal, 2)) : QString());
    m_totalCash->setText(stop ? fromData(formatPrice(stop->TotalCashCollected, 2)) : QString());
    const int row = openInvoiceList(d, previousScreen());
    const CInvoices& invoices = d.Invoices();
    for (std::size_t i = 0; i < invoices.Count(); ++i) {
        m_list->addRow(invoiceRow(invoices.At(i)));
    }
    m_list->fitColumns();
    m_open->setEnabled(row >= 0);
    if (row >= 0) {
        m_list->selectRow(row);
        m_list->setFocus();
    }
}

CommandOutcome CInvSelectView::handleCommand(CommandId id) {
    if (id == cmd::Receipt) {
        showReceipt(doc(), doc().Invoicing().SelectedNumber(), this);
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

bool CInvSelectView::enterPressed() {
    // The action key arrives as a Return too.
    openSelected();
    return true;
}

void CInvSelectView::openSelected() {
    if (m_open->isEnabled()) {
        send(cmd::Settlement);
    }
}

void CInvSelectView::rowChosen(int row) {
    const CInvoices& invoices = doc().Invoices();
    if (row >= 0 && static_cast<std::size_t>(row) < invoices.Count()) {
        const CInvoiceHeader& header = invoices.At(static_cast<std::size_t>(row));
        doc().Invoicing().selectInvoice(header.InvoiceNumber);
        documentChanged();
    }
}

}  // namespace kelvo
