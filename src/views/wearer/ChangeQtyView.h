#pragma once

#include "doc/ChangeOps.h"
#include "ui/FormView.h"

class QLabel;
class QLineEdit;

namespace kelvo {

// The quantity change of the selected product: current quantity, changes and price beside the
// future ones the driver types (the price only where the configuration shows wearer prices).
// "->" goes on to the work order for a higher quantity (its Actions entry reads "Work Order")
// and saves a lower one at once ("Save").
class CChangeQtyView : public FormView {
    Q_OBJECT
public:
    explicit CChangeQtyView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    // The entry as the fields hold it now.
    QuantityEntry entry() const;
    // Keeps the entry as the form's draft in the document; the buttons follow the rule on it.
    void refresh();
    void quantityLeft();

    QLabel* m_wearer = nullptr;
    QLabel* m_product = nullptr;
    QLabel* m_currentQuantity = nullptr;
    QLabel* m_currentChanges = nullptr;
    QLabel* m_currentPrice = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_changes = nullptr;
    QLineEdit* m_price = nullptr;
    QPushButton* m_next = nullptr;
};

}  // namespace kelvo
