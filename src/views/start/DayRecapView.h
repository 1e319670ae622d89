#pragma once

#include <vector>

#include "doc/DayRecap.h"
#include "ui/FormView.h"

namespace kelvo {

// The day recap: per route and for the day, the stops and invoices done and open and the
// money collected, read from the saved files when the screen opens. "PDF" writes the same
// recap to the receipts folder.
class CDayRecapView : public FormView {
    Q_OBJECT
public:
    explicit CDayRecapView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    QTreeWidget* m_list = nullptr;
    std::vector<RecapRow> m_rows;  // as listed, and as the PDF prints them
};

}  // namespace kelvo
