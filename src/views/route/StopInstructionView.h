#pragma once

#include "ui/FormView.h"

class QLabel;
class QPlainTextEdit;

namespace kelvo {

// The stop's instructions: whether the customer gets the satisfaction survey, whether invoices
// are signed, and the delivery instructions.
class CStopInstructionView : public FormView {
    Q_OBJECT
public:
    explicit CStopInstructionView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;

private:
    QLabel* m_survey = nullptr;
    QLabel* m_signature = nullptr;
    QPlainTextEdit* m_instructions = nullptr;
};

}  // namespace kelvo
