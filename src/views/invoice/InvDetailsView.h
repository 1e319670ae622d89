#pragma once

#include "ui/FormView.h"

class QLabel;

namespace kelvo {

class ColumnList;

// The invoice details: the open invoice's amounts and its lines. From here the driver opens a
// line to adjust it, orders extra for the next delivery, and settles the invoice (payment,
// signature); a settled invoice, or one the configuration keeps from adjustment, is shown
// read-only.
class CInvDetailsView : public FormView {
    Q_OBJECT
public:
    explicit CInvDetailsView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    CommandOutcome settle();
    CommandOutcome order();
    void lineChosen(int row);
    void updateCommands();

    ColumnList* m_lines = nullptr;
    QLabel* m_payThisAmount = nullptr;
    QLabel* m_prebilled = nullptr;
    QLabel* m_adjustments = nullptr;
    QPushButton* m_adjust = nullptr;
    QPushButton* m_order = nullptr;
    QPushButton* m_settle = nullptr;
    bool m_open = false;  // the invoice could be read
};

}  // namespace kelvo
