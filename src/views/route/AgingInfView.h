#pragma once

#include "ui/FormView.h"

class QLabel;

namespace kelvo {

// The customer's account aging: the balance by age, the open credit, the balance and the last
// payment.
class CAgingInfView : public FormView {
    Q_OBJECT
public:
    explicit CAgingInfView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;

private:
    QLabel* m_current = nullptr;
    QLabel* m_over30 = nullptr;
    QLabel* m_over60 = nullptr;
    QLabel* m_over90 = nullptr;
    QLabel* m_openCredit = nullptr;
    QLabel* m_balance = nullptr;
    QLabel* m_lastAmount = nullptr;
    QLabel* m_at = nullptr;
    QLabel* m_lastDate = nullptr;
    QLabel* m_lastNumber = nullptr;
};

}  // namespace kelvo
