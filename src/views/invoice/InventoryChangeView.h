#pragma once

#include "ui/FormView.h"

class QLabel;
class QLineEdit;

namespace kelvo {

// The inventory change of one invoice line: its current inventory, the change the driver
// types and the future inventory that results. Ok stores it; "<-" leaves it unchanged.
class CInventoryChangeView : public FormView {
    Q_OBJECT
public:
    explicit CInventoryChangeView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void changeEdited(const QString& text);

    QLabel* m_product = nullptr;
    QLabel* m_current = nullptr;
    QLineEdit* m_change = nullptr;
    QLabel* m_future = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kelvo
