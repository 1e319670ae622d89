#pragma once

#include <array>

#include "ui/FormView.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kelvo {

// The stop list: every stop of the current route with its status and the address and contact
// of the selected one, with the buttons to open a stop, mark it undeliverable and read its
// driving directions.
class CStopSelectView : public FormView {
    Q_OBJECT
public:
    explicit CStopSelectView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

    // Shows the address and contact of stop row `row` and makes it the selected stop.
    void showStop(int row);

private:
    CommandOutcome undeliverable();

    QTreeWidget* m_list = nullptr;
    // CustomerName, Address1, Address2, City, State, Zipcode, ContactPersonName, Phone, Mobile.
    std::array<QLabel*, 9> m_details{};
    QPushButton* m_open = nullptr;
    QPushButton* m_undeliverable = nullptr;
    QPushButton* m_directions = nullptr;
};

}  // namespace kelvo
