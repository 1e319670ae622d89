#pragma once

#include "ui/FormView.h"

class QLabel;

namespace kelvo {

class ColumnList;

// The invoice list of a stop: one row per invoice with its terms, amount, status and date,
// the stop's amount to pay and cash collected. 'S' opens the selected invoice.
class CInvSelectView : public FormView {
    Q_OBJECT
public:
    explicit CInvSelectView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;
    // Enter anywhere on the screen opens the selected invoice, as 'S' does.
    bool enterPressed() override;

private:
    void rowChosen(int row);
    void openSelected();

    ColumnList* m_list = nullptr;
    QLabel* m_payTotal = nullptr;
    QLabel* m_totalCash = nullptr;
    QPushButton* m_open = nullptr;
};

}  // namespace kelvo
