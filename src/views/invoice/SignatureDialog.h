#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace kelvo {

class CInkControl;
class CKelvoDoc;
struct CStop;

// "Sign Invoice": the customer signs for the open invoice and writes the initials. OK asks
// once more and saves the signature as a picture beside the invoice file; cancelling what was
// already written is asked too.
class SignatureDialog : public QDialog {
    Q_OBJECT
public:
    // For the document's open invoice at this stop, with the amount the driver collected.
    SignatureDialog(CKelvoDoc& doc, const CStop& stop, double collected, QWidget* parent = nullptr);

    // The initials as typed.
    std::string initials() const;

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateOk();
    void clearAll();

    CKelvoDoc& m_doc;
    QLineEdit* m_initials = nullptr;
    CInkControl* m_ink = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kelvo
