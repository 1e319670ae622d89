#pragma once

#include "doc/ScanOps.h"
#include "ui/FormView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvo {

// The garment scan screen: a garment's ID-Code, typed or scanned, is flagged with a flag and a
// remark, or marked for replacement with a reason and a reference. A scanner that types the
// code and Enter works without a touch: the code field has the focus whenever the screen waits
// for a code, and Enter stores.
class CScanView : public FormView {
    Q_OBJECT
public:
    explicit CScanView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    void setMode(ScanMode mode);
    void codeEdited(const QString& text);
    void store();
    void clearCode();
    // Keeps the ID-Code as typed so far in the document; V follows what the rule makes of it.
    void setCodeDraft(const std::string& code);
    void awaitCode();

    ScanMode m_mode = ScanMode::Flag;
    QPushButton* m_flag = nullptr;
    QPushButton* m_replace = nullptr;
    QLabel* m_choiceLabel = nullptr;
    QComboBox* m_choice = nullptr;
    QLabel* m_textLabel = nullptr;
    QLineEdit* m_text = nullptr;
    QLineEdit* m_code = nullptr;
    QPushButton* m_store = nullptr;
};

}  // namespace kelvo
