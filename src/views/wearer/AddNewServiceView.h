#pragma once

#include "ui/FormView.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kelvo {

// The add-new-service screen: a flat-good product chosen by group, at a delivery frequency,
// with a quantity and the catalogue's price, which the driver may change.
class CAddNewServiceView : public FormView {
    Q_OBJECT
public:
    explicit CAddNewServiceView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    void groupChosen();
    void productOrFrequencyChosen();
    void quantityEdited(const QString& text);
    void priceEdited(const QString& text);
    void updateSave();

    QComboBox* m_group = nullptr;
    QComboBox* m_product = nullptr;
    QComboBox* m_frequency = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_price = nullptr;
    QPushButton* m_save = nullptr;
};

}  // namespace kelvo
