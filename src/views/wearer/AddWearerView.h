#pragma once

#include "ui/FormView.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kelvo {

struct WearerPage1;

// Page 1 of a new wearer (also of a make-a-like): number, last, first and emblem name,
// department, bank and locker (typed, or chosen from the customer's lockers). The emblem name
// follows the first name until the driver types one of his own. "->" checks and stores the
// page and goes on to page 2 (for the "DUD" laundry straight to the products).
class CAddWearerView : public FormView {
    Q_OBJECT
public:
    explicit CAddWearerView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    WearerPage1 page() const;
    void fill(const WearerPage1& page);
    void refresh();
    void bankChosen();
    // Refuses a typed bank or locker that is not in the customer's list.
    void checkTypedLocker(QComboBox* box, bool bank);

    bool m_lockerList = false;
    bool m_emblemTyped = false;
    QLineEdit* m_number = nullptr;
    QLineEdit* m_lastName = nullptr;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_emblemName = nullptr;
    QComboBox* m_department = nullptr;
    QLineEdit* m_bankText = nullptr;
    QLineEdit* m_lockerText = nullptr;
    QComboBox* m_bankChoice = nullptr;
    QComboBox* m_lockerChoice = nullptr;
    QPushButton* m_next = nullptr;
};

}  // namespace kelvo
