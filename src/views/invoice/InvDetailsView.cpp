#include "views/invoice/InvDetailsView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Text.h"
#include "doc/AdjustOps.h"
#include "doc/InvoiceOps.h"
#include "doc/InvoiceTexts.h"
#include "doc/KelvoDoc.h"
#include "doc/SettleOps.h"
#include "doc/VisitOps.h"
#include "ui/ColumnList.h"
#include "ui/InkControl.h"
#include "views/invoice/OrderDialog.h"
#include "views/invoice/PaymentDialog.h"
#include "views/invoice/ReceiptDialog.h"

namespace kelvo {

namespace {

QString amount(double v) {
    return fromData(formatPrice(v, 2));
}

}  // namespace

CInvDetailsView::CInvDetailsView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::InvDetails, parent) {
    auto* sums = new QGridLayout;
    sums->setVerticalSpacing(0);
    auto sum = [this, sums](const QString& caption, const QString& name, int col) {
        auto* label = new QLabel(caption, this);
        label->setFont(labelFont(11, false));
        label->setAlignment(Qt::AlignRight);
        sums->addWidget(label, 0, col);
        auto* value = new QLabel(this);
        value->setObjectName(name);
        value->setFont(labelFont(12, true));
        value->setAlignment(Qt::AlignRight);
        sums->addWidget(value, 1, col);
        return value;
    };
    m_prebilled = sum(tr("Prebilled"), QStringLiteral("prebilledAmount"), 0);
    m_adjustments = sum(tr("Adjusted"), QStringLiteral("adjustments"), 1);
    m_payThisAmount = sum(tr("Pay"), QStringLiteral("payThisAmount"), 2);
    body()->addLayout(sums);

    m_lines = new ColumnList(QStringLiteral("invoiceLines"),
                             {tr("Prod#"), tr("Desc"), tr("Del Qty"), tr("Bill Qty"), tr("Amt"),
                              tr("Adj Amt"), tr("Adj Reason")},
                             {0.25, 0.45, 0.25, 0.25, 0.25, 0.25, 0.30}, this);
    body()->addWidget(m_lines, 1);

    // The screen's buttons have no control ids: they carry names.
    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_adjust = addButton(tr("Adjust"), 0, cmd::AdjustLine);
    m_adjust->setObjectName(QStringLiteral("adjustLine"));
    m_order = addButton(tr("Order"), 0, cmd::Order);
    m_order->setObjectName(QStringLiteral("order"));
    m_settle = addButton(tr("Settle"), 0, cmd::InvoiceOk);
    m_settle->setObjectName(QStringLiteral("settle"));

    connect(m_lines, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        lineChosen(item ? m_lines->indexOfTopLevelItem(item) : -1);
    });
    connect(m_lines, &QTreeWidget::itemActivated, this, [this] {
        if (m_adjust->isEnabled()) {
            send(cmd::AdjustLine);
        }
    });
}

void CInvDetailsView::initialUpdate() {
    CKelvoDoc& d = doc();
    const int keepLine = d.Invoicing().SelectedLine();
    m_open = openSelectedInvoice(d);
    const CStop* stop = selectedStop(d);
    const CInvoice& invoice = d.Invoice();
    // The invoice number and the customer's name come from the data files (ISO-8859-1).
    setTitle(tr("Inv# %1 %2")
                 .arg(fromData(format("%.0f", d.Invoicing().SelectedNumber())),
                      stop ? fromData(stop->CustomerName) : QString()));
    if (!m_open) {
        // What memory still holds belongs to another invoice: show nothing of it.
        d.Invoicing().selectLine(-1);
        updateCommands();
        return;
    }
    m_payThisAmount->setText(amount(invoice.PayThisAmount()));
    m_prebilled->setText(amount(invoice.PrebilledAmount()));
    m_adjustments->setText(
        amount(invoice.TotalPlusAdjustments() - invoice.TotalMinusAdjustments()));
    for (std::size_t i = 0; i < invoice.LineCount(); ++i) {
        m_lines->addRow(detailRow(invoice.Line(i), d.AdjReasons()));
    }
    m_lines->fitColumns();
    // Back from a line the driver finds it selected again; otherwise the first line.
    const bool back =
        previousScreen() == screen::InvAdjLine || previousScreen() == screen::InvDudDetail;
    const int row =
        back && keepLine >= 0 && keepLine < static_cast<int>(invoice.LineCount()) ? keepLine : 0;
    m_lines->selectRow(row);
    lineChosen(m_lines->selectedRow());
    m_lines->setFocus();
}

void CInvDetailsView::lineChosen(int row) {
    doc().Invoicing().selectLine(row);
    updateCommands();
    documentChanged();
}

void CInvDetailsView::updateCommands() {
    m_adjust->setEnabled(commandEnabled(cmd::AdjustLine));
    m_order->setEnabled(commandEnabled(cmd::Order));
    m_settle->setEnabled(commandEnabled(cmd::InvoiceOk));
}

CommandOutcome CInvDetailsView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::InvoiceOk:
            return settle();
        case cmd::Order:
            return order();
        case cmd::Receipt:
            showReceipt(doc(), doc().Invoice().InvoiceNumber(), this);
            return CommandOutcome::stay();
        default:
            return CommandOutcome::proceed();
    }
}

CommandOutcome CInvDetailsView::settle() {
    CKelvoDoc& d = doc();
    const CStop* stop = selectedStop(d);
    if (!stop || !m_open || !readyForSettlement(d)) {
        return CommandOutcome::stay();
    }
    PaymentDialog payment(d, *stop, this);
    if (payment.exec() != QDialog::Accepted) {
        return CommandOutcome::stay();
    }
    const SettleResult settled =
        kelvo::settle(d, payment.payment(), signatureWriter(d.Fs(), payment.signature()));
    return settled.settled ? CommandOutcome::to(settled.next) : CommandOutcome::stay();
}

CommandOutcome CInvDetailsView::order() {
    CKelvoDoc& d = doc();
    const int row = d.Invoicing().SelectedLine();
    if (!m_open || row < 0) {
        return CommandOutcome::stay();
    }
    const auto index = static_cast<std::size_t>(row);
    OrderDialog dialog(d.AdjReasons(), d.Invoice().Line(index), this);
    if (dialog.exec() == QDialog::Accepted &&
        storeOrder(d, index, dialog.reasonCode(), dialog.quantity()).done) {
        m_lines->setRow(row, detailRow(d.Invoice().Line(index), d.AdjReasons()));
    }
    // The details stay as they are: a second order follows without leaving the screen.
    return CommandOutcome::stay();
}

}  // namespace kelvo
