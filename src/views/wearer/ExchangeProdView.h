#pragma once

#include "doc/ChangeOps.h"
#include "ui/FormView.h"

class QLabel;

namespace kelvo {

class ProductFields;

// The exchange of the selected product: the wearer, the product row, and the product, size,
// emblem template, finishing method and price that replace it. "->" stores the exchange and
// goes on to the work order.
class CExchangeProdView : public FormView {
    Q_OBJECT
public:
    explicit CExchangeProdView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    // The entry as the fields hold it now.
    ExchangeEntry entry() const;
    // Keeps the entry as the form's draft in the document; the buttons follow the rule on it.
    void refresh();

    ProductFields* m_fields = nullptr;
    QLabel* m_wearer = nullptr;
    QLabel* m_product = nullptr;
    QPushButton* m_next = nullptr;
};

}  // namespace kelvo
