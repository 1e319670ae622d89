#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QPushButton;

namespace kelvo {

class CKelvoDoc;

// The undeliverable dialog: the driver chooses why a stop cannot be delivered from the
// undeliverable reasons of the reason list. OK is offered once a reason is chosen.
class UndeliverableDialog : public QDialog {
    Q_OBJECT
public:
    // `currentReason`: the stop's reason code, chosen at the start when the list has it.
    UndeliverableDialog(CKelvoDoc& doc, const std::string& currentReason,
                        QWidget* parent = nullptr);

    // The ReasonCode of the chosen reason ("" while none is chosen).
    std::string reasonCode() const;

private:
    QComboBox* m_reasons = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kelvo
