#pragma once

#include <array>

#include "ui/FormView.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kelvo {

// The route selection: the day's routes with the money summary of the selected one, the
// voucher amount, and the buttons to start a route, do the truck safety check and end it.
class CRouteSelectView : public FormView {
    Q_OBJECT
public:
    explicit CRouteSelectView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

    // Shows the summary of route-list row `row` and makes its route the current route.
    void selectRoute(int row);

private:
    CommandOutcome startRoute();
    CommandOutcome endRoute();
    void voucherEdited();
    void showVoucher();

    QTreeWidget* m_list = nullptr;
    QLineEdit* m_voucher = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_prepare = nullptr;
    QPushButton* m_end = nullptr;
    QPushButton* m_back = nullptr;
    // Summary values in the order of kSummaryIds.
    std::array<QLabel*, 12> m_values{};
    QLabel* m_deposit = nullptr;
};

}  // namespace kelvo
