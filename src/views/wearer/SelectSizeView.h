#pragma once

#include <cstddef>
#include <vector>

#include "ui/FormView.h"

class QComboBox;

namespace kelvo {

// Make-a-like: the products of the model wearer, each with its description, code, a size to
// choose and the quantity, four to a page under a scroll bar. "->" is offered once every
// product has a size; it asks whether another product follows.
class CSelectSizeView : public FormView {
    Q_OBJECT
public:
    explicit CSelectSizeView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    void sizeChosen(std::size_t row, int index);
    void refresh();

    QWidget* m_rows = nullptr;
    std::vector<std::size_t> m_lines;  // the pending lines shown, in order
    QPushButton* m_next = nullptr;
};

}  // namespace kelvo
