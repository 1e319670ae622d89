#pragma once

#include "ui/FormView.h"

class QLabel;
class QPushButton;

namespace kelvo {

// The route-driver screen: the driver, the truck and the day's routes, with Start ("->") to
// the route selection, Back ("<-") and Export ("E").
class CRoutemanView : public FormView {
    Q_OBJECT
public:
    explicit CRoutemanView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

    // Enables Export (button and menu entry) only when every route has ended.
    void updateExportAvailability();

private:
    // The "DUD" laundry first picks the truck the checklist is for.
    bool chooseTruck();

    QLabel* m_number = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_truck = nullptr;
    QLabel* m_truckDescription = nullptr;
    QLabel* m_loaded = nullptr;
    QLabel* m_settled = nullptr;
    QPushButton* m_export = nullptr;
};

}  // namespace kelvo
