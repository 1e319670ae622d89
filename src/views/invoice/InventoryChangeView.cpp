#include "views/invoice/InventoryChangeView.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Text.h"
#include "doc/AdjustOps.h"
#include "doc/InvoiceTexts.h"
#include "doc/KelvoDoc.h"
#include "ui/EntryRules.h"

namespace kelvo {

namespace {

// The open invoice's current line, when there is one.
const CInvoiceItem* currentLine(const CKelvoDoc& doc) {
    const CInvoice& invoice = doc.Invoice();
    const int i = doc.Invoicing().SelectedLine();
    if (!invoice.HoldsInvoice() || i < 0 || static_cast<std::size_t>(i) >= invoice.LineCount()) {
        return nullptr;
    }
    return &invoice.Line(static_cast<std::size_t>(i));
}

}  // namespace

CInventoryChangeView::CInventoryChangeView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::InventoryChange, parent) {
    m_product = new QLabel(this);
    m_product->setObjectName(QStringLiteral("productLine"));
    m_product->setTextFormat(Qt::PlainText);
    m_product->setFont(labelFont(14, true));
    body()->addWidget(m_product);

    auto* grid = new QGridLayout;
    const QString heads[] = {tr("Current"), tr("Change"), tr("Future")};
    for (int c = 0; c < 3; ++c) {
        auto* head = new QLabel(heads[c], this);
        head->setFont(labelFont(11, true));
        head->setAlignment(Qt::AlignRight);
        grid->addWidget(head, 0, c + 1);
    }
    auto* row = new QLabel(tr("&Inventory"), this);
    m_current = new QLabel(this);
    m_current->setObjectName(QStringLiteral("currentInventory"));
    m_change = new QLineEdit(this);
    m_change->setObjectName(QStringLiteral("inventoryChange"));
    m_change->setMinimumHeight(kButtonHeight - 8);
    m_change->setAlignment(Qt::AlignRight);
    m_change->setMaximumWidth(64);
    acceptWholeNumbers(m_change, 5, true);
    row->setBuddy(m_change);
    m_future = new QLabel(this);
    m_future->setObjectName(QStringLiteral("futureInventory"));
    for (QLabel* l : {m_current, m_future}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFont(labelFont(14, true));
    }
    grid->addWidget(row, 1, 0);
    grid->addWidget(m_current, 1, 1);
    grid->addWidget(m_change, 1, 2);
    grid->addWidget(m_future, 1, 3);
    grid->setColumnStretch(0, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    addButton(QStringLiteral("<-"), 0, cmd::InventoryChangeCancel)
        ->setObjectName(QStringLiteral("back"));
    m_ok = addButton(tr("Ok"), 0, cmd::InventoryChangeSave);
    m_ok->setObjectName(QStringLiteral("ok"));
    connect(m_change, &QLineEdit::textEdited, this, &CInventoryChangeView::changeEdited);
}

void CInventoryChangeView::initialUpdate() {
    setTitle(tr("Change Inventory"));
    const CInvoiceItem* line = currentLine(doc());
    m_ok->setEnabled(commandEnabled(cmd::InventoryChangeSave));
    if (!line) {
        m_change->setEnabled(false);
        return;
    }
    m_product->setText(fromData(productText(*line)));
    m_current->setText(fromData(formatPrice(line->InventoryQuantity, 0)));
    // A change made before shows again as the difference it made.
    const int before = wholeQuantity(line->FutureInv - line->InventoryQuantity);
    m_change->setText(QString::number(before));
    changeEdited(m_change->text());
    m_change->selectAll();
    m_change->setFocus();
}

void CInventoryChangeView::changeEdited(const QString& text) {
    if (const CInvoiceItem* line = currentLine(doc())) {
        m_future->setText(fromData(formatPrice(futureInventory(*line, toWhole(toData(text))), 0)));
    }
}

void CInventoryChangeView::keyPressEvent(QKeyEvent* event) {
    // Escape leaves without change, as "<-" does.
    if (event->key() == Qt::Key_Escape) {
        send(cmd::InventoryChangeCancel);
        return;
    }
    FormView::keyPressEvent(event);
}

CommandOutcome CInventoryChangeView::handleCommand(CommandId id) {
    if (id != cmd::InventoryChangeSave) {
        return CommandOutcome::proceed();
    }
    const int line = doc().Invoicing().SelectedLine();
    const int change = toWhole(toData(m_change->text()));
    if (line < 0 || !storeInventoryChange(doc(), static_cast<std::size_t>(line), change).done) {
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
