#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace kelvo {

class CAdjReasons;
struct CInvoiceItem;

// "Order Enter": an extra quantity of a line's product for the next delivery, with its
// ordering reason. OK hands the chosen reason (none when the driver chose none) and the
// quantity to the caller, which stores the order.
class OrderDialog : public QDialog {
    Q_OBJECT
public:
    // For this line, offering the ordering reasons of the list.
    OrderDialog(const CAdjReasons& reasons, const CInvoiceItem& line, QWidget* parent = nullptr);

    // The chosen reason's code ("" for none) and the quantity (0 when the field is empty).
    std::string reasonCode() const;
    int quantity() const;

private:
    std::vector<std::string> m_codes;
    QComboBox* m_reason = nullptr;
    QLineEdit* m_quantity = nullptr;
};

}  // namespace kelvo
