#pragma once

#include <vector>

#include "ui/FormView.h"

namespace kelvo {

class ColumnList;

// The order detail of the "DUD" laundry: the invoice's product-level lines with their
// current and future inventory. "Change" opens the inventory change of the selected line;
// Cancel puts its future inventory back to the current one.
class CInvDUDDetailView : public FormView {
    Q_OBJECT
public:
    explicit CInvDUDDetailView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    void rowChosen(int row);
    void showRow(int row);

    ColumnList* m_list = nullptr;
    std::vector<std::size_t> m_lines;  // invoice line of each row
    QPushButton* m_change = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace kelvo
