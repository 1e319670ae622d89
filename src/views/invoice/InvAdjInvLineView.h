#pragma once

#include <memory>

#include "ui/FormView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace kelvo {

class LineAdjuster;
struct CInvoiceItem;

// The line adjustment: on "Adjust" the delivered- and billed-quantity adjustments with the
// money they come to and the reason, on "Details" what the line is, on "Pick Up" (pick-up
// lines only) the quantity picked up. Ok saves the line; Cancel leaves it as it was.
class CInvAdjInvLineView : public FormView {
    Q_OBJECT
public:
    explicit CInvAdjInvLineView(CKelvoDoc& doc, QWidget* parent = nullptr);
    ~CInvAdjInvLineView() override;

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    QWidget* adjustPage();
    QWidget* detailsPage();
    QWidget* pickUpPage();
    void fillDetails(const CInvoiceItem& line);
    void deliveredEdited(const QString& text);
    void billedEdited(const QString& text);
    void pickUpEdited(const QString& text);
    void stepPickUp(int step);
    void showAdjustment();
    void updatePickUpButtons();
    CommandOutcome save();

    std::unique_ptr<LineAdjuster> m_adjuster;
    const CInvoiceItem* m_line = nullptr;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_pickUpPage = nullptr;
    QLabel* m_deliveredLabel = nullptr;
    QLineEdit* m_delivered = nullptr;
    QLineEdit* m_billed = nullptr;
    QLabel* m_amount = nullptr;
    QComboBox* m_reason = nullptr;
    QLabel* m_toPickUp = nullptr;
    QLineEdit* m_pickUp = nullptr;
    QPushButton* m_decrease = nullptr;
    QPushButton* m_increase = nullptr;
    std::vector<QLabel*> m_details;
    QPushButton* m_ok = nullptr;
};

}  // namespace kelvo
