#pragma once

#include "ui/FormView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kelvo {

// Page 2 of a new wearer: administrative number, function (one of the customer's) and a
// remark. "->" stores the page and goes on to the products, or for a make-a-like to their
// sizes; it is offered only when the customer has functions.
class CAddNextWearerView : public FormView {
    Q_OBJECT
public:
    explicit CAddNextWearerView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    void checkTypedFunction();
    void store();

    QLabel* m_wearer = nullptr;
    QLineEdit* m_admin = nullptr;
    QComboBox* m_function = nullptr;
    QPlainTextEdit* m_remark = nullptr;
    QPushButton* m_next = nullptr;
    bool m_filled = false;  // the page shows the new wearer's values
};

}  // namespace kelvo
