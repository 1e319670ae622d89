#pragma once

#include "ui/FormView.h"

class QLabel;
class QPushButton;

namespace kelvo {

// The stop action screen: one stop with its arrival and departure, the summary of its
// invoices, and the way to settlement, contacts, contact persons, aging, instructions, garment
// scanning and wearers.
class CStopActionView : public FormView {
    Q_OBJECT
public:
    explicit CStopActionView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    void refreshButtons();
    void settle();
    QPushButton* addSideButton(const QString& caption, int id, CommandId command,
                               const QString& tip);

    QLabel* m_contacts = nullptr;
    QLabel* m_invoiceLine = nullptr;
    QLabel* m_totalLine = nullptr;
    QLabel* m_orders = nullptr;
    QLabel* m_flagged = nullptr;
    QWidget* m_garments = nullptr;  // heading and counts, shown with garment ordering
    QPushButton* m_back = nullptr;
    QPushButton* m_arrive = nullptr;
    QPushButton* m_depart = nullptr;
    QPushButton* m_settle = nullptr;
    QPushButton* m_wearers = nullptr;
};

}  // namespace kelvo
