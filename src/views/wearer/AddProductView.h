#pragma once

#include "doc/AddWearerOps.h"
#include "ui/FormView.h"

class QLabel;
class QLineEdit;

namespace kelvo {

class ProductFields;

// A product for the new wearer or for the selected wearer: product and size, quantity,
// changes (not for the "DUD" laundry), emblem template, finishing method and price. "->"
// stores it and asks whether another one follows; the last one goes on to the work order.
// Back from the work order the screen shows the last product it stored, to be changed or
// confirmed again.
class CAddProductView : public FormView {
    Q_OBJECT
public:
    explicit CAddProductView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    // The entry as the fields hold it now.
    ProductEntry entry() const;
    void clearEntry();
    // Keeps the entry as the form's draft in the document; the buttons follow the rule on it.
    void refresh();

    ProductFields* m_fields = nullptr;
    QLabel* m_wearer = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_changes = nullptr;
    QPushButton* m_next = nullptr;
    int m_replaces = -1;  // the pending line shown again, -1 for a new one
};

}  // namespace kelvo
