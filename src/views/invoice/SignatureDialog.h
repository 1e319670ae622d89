#pragma once

#include <QDialog>
#include <QImage>
#include <string>

class QLineEdit;
class QPushButton;

namespace kelvo {

class CInkControl;
class CKelvoDoc;
struct CStop;

// "Sign Invoice": the customer signs for the open invoice and writes the initials. OK asks
// once more; the settlement saves the signature's picture. Cancelling what was already
// written is asked too.
class SignatureDialog : public QDialog {
    Q_OBJECT
public:
    // For the document's open invoice at this stop, with the amount the driver collected.
    SignatureDialog(CKelvoDoc& doc, const CStop& stop, double collected, QWidget* parent = nullptr);

    // The initials as typed.
    std::string initials() const;
    // The signature as its picture is saved.
    QImage picture() const;

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
