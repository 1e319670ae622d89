#include "views/wearer/ExchangeProdView.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "doc/ChangeOps.h"
#include "doc/KelvoDoc.h"
#include "doc/WearerOps.h"
#include "views/wearer/ProductFields.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

CExchangeProdView::CExchangeProdView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::ExchangeProd, parent) {
    m_wearer = wearerHeadline(QStringLiteral("wearerLine"), this);
    m_product = wearerHeadline(QStringLiteral("productLine"), this);
    body()->addWidget(m_wearer);
    body()->addWidget(m_product);
    QFormLayout* form = fieldForm();
    m_fields = new ProductFields(doc, this);
    m_fields->addChoiceRows(form);
    m_fields->addDetailRows(form);
    body()->addLayout(form);
    body()->addStretch(1);
    connect(m_fields, &ProductFields::changed, this, &CExchangeProdView::refresh);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_next = addButton(QStringLiteral("->"), 0, cmd::WorkOrder);
    m_next->setObjectName(QStringLiteral("next"));
}

void CExchangeProdView::initialUpdate() {
    setTitle(tr("Exchange Product"));
    const WearerSelection& s = doc().WearerData().ListState.Selection();
    m_wearer->setText(fromData(selectedWearerLabel(doc())));
    m_product->setText(fromData(s.productText));
    // Back from the work order the exchange shows again; else the product as it is, so that
    // another size is one choice away.
    const CWearerProduct& p = s.product.Product;
    if (const std::optional<CInventoryLine> line = resumeChange(doc())) {
        m_fields->choose(line->PID, line->SID, line->TID, line->FID, line->Price);
    } else {
        m_fields->choose(p.PID, p.SID, p.TID, p.FID, p.Price);
    }
    refresh();
}

ExchangeEntry CExchangeProdView::entry() const {
    return {m_fields->productId(), m_fields->sizeId(), m_fields->templateId(), m_fields->methodId(),
            toData(m_fields->price())};
}

void CExchangeProdView::refresh() {
    doc().WearerData().Drafts.Exchange = entry();
    m_next->setEnabled(commandEnabled(cmd::WorkOrder));
    documentChanged();
}

CommandOutcome CExchangeProdView::handleCommand(CommandId id) {
    if (id != cmd::WorkOrder) {
        return CommandOutcome::proceed();
    }
    return showNotices(doc().Prompt(), storeExchange(doc(), entry())) ? CommandOutcome::proceed()
                                                                      : CommandOutcome::stay();
}

}  // namespace kelvo
