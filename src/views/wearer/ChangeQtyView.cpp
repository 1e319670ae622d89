#include "views/wearer/ChangeQtyView.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/ChangeOps.h"
#include "doc/KelvoDoc.h"
#include "doc/WearerOps.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

namespace {

constexpr int kQuantityDigits = 5;

QLabel* value(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(labelFont(13, true));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

CChangeQtyView::CChangeQtyView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::ChangeQty, parent) {
    m_wearer = wearerHeadline(QStringLiteral("wearerLine"), this);
    m_product = wearerHeadline(QStringLiteral("productLine"), this);
    body()->addWidget(m_wearer);
    body()->addWidget(m_product);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    const QString heads[] = {tr("Current"), tr("Future")};
    for (int c = 0; c < 2; ++c) {
        auto* head = new QLabel(heads[c], this);
        head->setFont(labelFont(11, true));
        head->setAlignment(Qt::AlignRight);
        grid->addWidget(head, 0, c + 1);
    }
    m_quantity = numberEdit(kQuantityDigits, this);
    m_changes = numberEdit(kQuantityDigits, this);
    m_price = priceEdit(doc, this);
    m_currentQuantity = value(this);
    m_currentChanges = value(this);
    m_currentPrice = value(this);
    const struct {
        QString caption;
        QLabel* current;
        QLineEdit* future;
        const char* name;
    } rows[] = {{tr("Quantity"), m_currentQuantity, m_quantity, "futureQuantity"},
                {tr("Changes"), m_currentChanges, m_changes, "futureChanges"},
                {tr("Price"), m_currentPrice, m_price, "futurePrice"}};
    const bool prices = doc.Config().ShowsWearerPrices();
    for (int r = 0; r < 3; ++r) {
        auto* label = new QLabel(rows[r].caption, this);
        label->setBuddy(rows[r].future);
        rows[r].future->setObjectName(QString::fromLatin1(rows[r].name));
        rows[r].future->setAlignment(Qt::AlignRight);
        grid->addWidget(label, r + 1, 0);
        grid->addWidget(rows[r].current, r + 1, 1);
        grid->addWidget(rows[r].future, r + 1, 2);
        // Without wearer prices the price stays as it is and is not shown.
        if (r == 2 && !prices) {
            for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(rows[r].current),
                               static_cast<QWidget*>(rows[r].future)}) {
                w->setVisible(false);
            }
        }
        connect(rows[r].future, &QLineEdit::textChanged, this, &CChangeQtyView::refresh);
    }
    grid->setColumnStretch(0, 1);
    body()->addLayout(grid);
    body()->addStretch(1);
    connect(m_quantity, &QLineEdit::editingFinished, this, &CChangeQtyView::quantityLeft);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_next = addButton(QStringLiteral("->"), 0, cmd::QuantityNext);
    m_next->setObjectName(QStringLiteral("next"));
}

void CChangeQtyView::initialUpdate() {
    setTitle(tr("Change Quantity"));
    const WearerSelection& s = doc().WearerData().ListState.Selection();
    const CWearerProduct& p = s.product.Product;
    const int decimals = doc().Config().PriceDecimals();
    m_wearer->setText(fromData(selectedWearerLabel(doc())));
    m_product->setText(fromData(s.productText));
    m_currentQuantity->setText(fromData(format("%.0f", p.Qty)));
    m_currentChanges->setText(fromData(format("%.0f", p.Chg)));
    m_currentPrice->setText(fromData(formatPrice(p.Price, decimals)));
    // Back from the work order the change shows again. Otherwise changes and price start as
    // they are: the driver types the new quantity and only what else changes.
    if (const std::optional<CInventoryLine> line = resumeChange(doc())) {
        m_quantity->setText(fromData(format("%.0f", line->Qty)));
        m_changes->setText(fromData(format("%.0f", line->Chg)));
        m_price->setText(fromData(formatPrice(line->Price, decimals)));
    } else {
        m_changes->setText(m_currentChanges->text());
        m_price->setText(m_currentPrice->text());
    }
    refresh();
    m_quantity->setFocus();
}

void CChangeQtyView::quantityLeft() {
    if (!sameQuantity(doc(), toData(m_quantity->text()))) {
        return;
    }
    m_quantity->clear();
    doc().Prompt().inform(toData(tr("Please enter a different quantity!")),
                          toData(tr("Invalid data")));
}

QuantityEntry CChangeQtyView::entry() const {
    return {toData(m_quantity->text()), toData(m_changes->text()), toData(m_price->text())};
}

void CChangeQtyView::refresh() {
    doc().WearerData().Drafts.Quantity = entry();
    m_next->setEnabled(commandEnabled(cmd::QuantityNext));
    documentChanged();
}

CommandOutcome CChangeQtyView::handleCommand(CommandId id) {
    if (id != cmd::QuantityNext) {
        return CommandOutcome::proceed();
    }
    const QuantityChange stored = storeQuantity(doc(), entry());
    showNotices(doc().Prompt(), stored.change);
    switch (stored.stored) {
        case QuantityStored::Refused:
            return CommandOutcome::stay();
        case QuantityStored::ToWorkOrder:
            return CommandOutcome::proceed();
        case QuantityStored::Committed:
            return CommandOutcome::to(screen::Wearer);
    }
    return CommandOutcome::stay();
}

}  // namespace kelvo
