#pragma once

#include <QDialog>
#include <QImage>

#include "doc/SettleOps.h"

class QLineEdit;
class QRadioButton;

namespace kelvo {

class CKelvoDoc;
struct CStop;

// "Enter Collected Cash": the money collected for the open invoice, in cash or by cheque
// with its number. OK checks the entries and, where the stop signs for its invoices, opens
// the signature dialog; the payment then carries the initials and the signature's picture,
// or neither when the driver cancelled the signature.
class PaymentDialog : public QDialog {
    Q_OBJECT
public:
    // For the document's open invoice at this stop (both must outlive the dialog).
    PaymentDialog(CKelvoDoc& doc, const CStop& stop, QWidget* parent = nullptr);

    // What was entered, once the dialog closed with OK.
    const Payment& payment() const { return m_payment; }
    // The customer's signature, once the dialog closed with OK; null without one.
    const QImage& signature() const { return m_signature; }

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseCash();
    void chooseCheck();

    CKelvoDoc& m_doc;
    const CStop& m_stop;
    QLineEdit* m_amount = nullptr;
    QRadioButton* m_cash = nullptr;
    QRadioButton* m_check = nullptr;
    QLineEdit* m_checkNumber = nullptr;
    QString m_savedCheckNumber;
    Payment m_payment;
    QImage m_signature;
};

}  // namespace kelvo
