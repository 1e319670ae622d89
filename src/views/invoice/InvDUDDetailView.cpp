#include "views/invoice/InvDUDDetailView.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "common/Text.h"
#include "doc/AdjustOps.h"
#include "doc/InvoiceOps.h"
#include "doc/InvoiceTexts.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "ui/ColumnList.h"

namespace kelvo {

CInvDUDDetailView::CInvDUDDetailView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::InvDudDetail, parent) {
    m_list = new ColumnList(QStringLiteral("productLines"),
                            {tr("Product"), tr("Curr."), tr("Future")}, {0.50, 0.24, 0.24}, this);
    body()->addWidget(m_list, 1);
    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_cancel = addButton(tr("Cancel"), 0, cmd::OrderDetailCancel);
    m_cancel->setObjectName(QStringLiteral("cancelChange"));
    // Its command is the table's "Save": it leads to the change of the selected line.
    m_change = addButton(tr("Change"), 0, cmd::OrderDetailSave);
    m_change->setObjectName(QStringLiteral("changeInventory"));
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        rowChosen(item ? m_list->indexOfTopLevelItem(item) : -1);
    });
    connect(m_list, &QTreeWidget::itemActivated, this, [this] {
        if (m_change->isEnabled()) {
            send(cmd::OrderDetailSave);
        }
    });
}

void CInvDUDDetailView::initialUpdate() {
    CKelvoDoc& d = doc();
    const int keepLine = d.Invoicing().SelectedLine();
    const bool open = openSelectedInvoice(d);
    const CStop* stop = selectedStop(d);
    // The invoice number and the customer's name come from the data files (ISO-8859-1).
    setTitle(tr("Inv# %1 %2")
                 .arg(fromData(format("%.0f", d.Invoicing().SelectedNumber())),
                      stop ? fromData(stop->CustomerName) : QString()));
    if (open) {
        d.Invoice().ProductLines(m_lines);
    }
    int row = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        m_list->addRow(std::array<std::string, 3>{});
        showRow(static_cast<int>(i));
        if (static_cast<int>(m_lines[i]) == keepLine) {
            row = static_cast<int>(i);
        }
    }
    m_list->fitColumns();
    rowChosen(-1);
    m_list->selectRow(row);
    m_list->setFocus();
}

void CInvDUDDetailView::showRow(int row) {
    const CInvoiceItem& line = doc().Invoice().Line(m_lines[static_cast<std::size_t>(row)]);
    m_list->setRow(
        row, std::array<std::string, 3>{productText(line), formatPrice(line.InventoryQuantity, 0),
                                        formatPrice(line.FutureInv, 0)});
}

void CInvDUDDetailView::rowChosen(int row) {
    const bool chosen = row >= 0 && static_cast<std::size_t>(row) < m_lines.size();
    doc().Invoicing().selectLine(chosen ? static_cast<int>(m_lines[std::size_t(row)]) : -1);
    m_change->setEnabled(commandEnabled(cmd::OrderDetailSave));
    m_cancel->setEnabled(commandEnabled(cmd::OrderDetailCancel));
    documentChanged();
}

CommandOutcome CInvDUDDetailView::handleCommand(CommandId id) {
    if (id == cmd::OrderDetailCancel) {
        const int row = m_list->selectedRow();
        if (row >= 0) {
            const std::size_t line = m_lines[static_cast<std::size_t>(row)];
            const Answer answer = askFirst(doc().Prompt(), cancelInventoryQuestion(doc(), line));
            if (cancelInventoryChange(doc(), line, answer).done) {
                showRow(row);
            }
        }
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
