#include "views/wearer/AddProductView.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/Text.h"
#include "doc/AddWearerOps.h"
#include "doc/KelvoDoc.h"
#include "views/wearer/ProductFields.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

namespace {

constexpr int kProductQuantityDigits = 5;

}  // namespace

CAddProductView::CAddProductView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::AddProduct, parent) {
    m_wearer = wearerHeadline(QStringLiteral("wearerLine"), this);
    body()->addWidget(m_wearer);
    QFormLayout* form = fieldForm();
    m_fields = new ProductFields(doc, this);
    m_fields->addChoiceRows(form);
    m_quantity = numberEdit(kProductQuantityDigits, this);
    addField(form, tr("Quantity"), m_quantity, QStringLiteral("quantity"));
    m_changes = numberEdit(kProductQuantityDigits, this);
    QLabel* changes = addField(form, tr("Changes"), m_changes, QStringLiteral("changes"));
    // The "DUD" laundry keeps no changes.
    changes->setVisible(!doc.Config().IsDud());
    m_changes->setVisible(!doc.Config().IsDud());
    m_fields->addDetailRows(form);
    body()->addLayout(form);
    body()->addStretch(1);
    connect(m_fields, &ProductFields::changed, this, &CAddProductView::refresh);
    connect(m_quantity, &QLineEdit::textChanged, this, &CAddProductView::refresh);
    connect(m_changes, &QLineEdit::textChanged, this, &CAddProductView::refresh);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_next = addButton(QStringLiteral("->"), 0);
    m_next->setObjectName(QStringLiteral("next"));
    connect(m_next, &QPushButton::clicked, this, [this] {
        // "->" is this screen's Next: it stores, also right after coming back to the screen.
        frameFlags().wearerFlowResumed = false;
        send(cmd::StoreProduct);
    });
}

void CAddProductView::initialUpdate() {
    setTitle(tr("Add Product"));
    m_wearer->setText(fromData(productWearerLine(doc())));
    clearEntry();
    const CInventory* pending = doc().WearerData().Pending.Get();
    const int last = frameFlags().wearerFlowResumed ? lastAddedLine(doc()) : -1;
    if (pending && last >= 0) {
        const CInventoryLine& l = pending->Lines[std::size_t(last)];
        m_fields->choose(l.PID, l.SID, l.TID, l.FID, l.Price);
        m_quantity->setText(fromData(format("%.0f", l.Qty)));
        m_changes->setText(fromData(format("%.0f", l.Chg)));
        m_replaces = last;
    }
    refresh();
}

void CAddProductView::clearEntry() {
    m_fields->clear();
    m_quantity->clear();
    m_changes->clear();
    m_replaces = -1;
}

ProductEntry CAddProductView::entry() const {
    return {m_fields->productId(),      m_fields->sizeId(),
            toData(m_quantity->text()), toData(m_changes->text()),
            m_fields->templateId(),     m_fields->methodId(),
            toData(m_fields->price()),  m_replaces};
}

void CAddProductView::refresh() {
    doc().WearerData().Drafts.Product = entry();
    m_next->setEnabled(commandEnabled(cmd::StoreProduct));
    documentChanged();
}

CommandOutcome CAddProductView::handleCommand(CommandId id) {
    if (id != cmd::StoreProduct) {
        return CommandOutcome::proceed();
    }
    if (!showNotices(doc().Prompt(), storeProduct(doc(), entry()))) {
        return CommandOutcome::stay();
    }
    if (askFirst(doc().Prompt(), anotherProductQuestion()) == Answer::Yes) {
        clearEntry();
        refresh();
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
