#pragma once

#include "doc/ChangeOps.h"
#include "ui/FormView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kelvo {

// The work order that finishes every change delivering garments: the reason (one of the
// ordering reasons), a reference and a remark (not for the "DUD" laundry). "->" is offered
// once a reason is chosen; it saves the change and goes back to the wearers.
class CWorkOrderView : public FormView {
    Q_OBJECT
public:
    explicit CWorkOrderView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The entry as the fields hold it now.
    WorkOrderEntry entry() const;
    // Keeps the entry as the form's draft in the document; "->" follows the rule on it.
    void refresh();

    QLabel* m_wearer = nullptr;
    QComboBox* m_reason = nullptr;
    QLineEdit* m_reference = nullptr;
    QPlainTextEdit* m_remark = nullptr;
    QPushButton* m_save = nullptr;
};

}  // namespace kelvo
