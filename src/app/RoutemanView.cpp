#include "app/RoutemanView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DataTransfer.h"
#include "app/KelvoDoc.h"
#include "app/SafetyOps.h"
#include "views/safety/SelectTruckDialog.h"

namespace kelvo {

CRoutemanView::CRoutemanView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::RouteMan, parent) {
    setTitle(tr("Route Man & Truck Info"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);
    body()->addStretch(1);
    addButton(QStringLiteral("<-"), 1028, cmd::Back);
    addButton(QStringLiteral("->"), 1027, cmd::RouteManStart);
    m_export = addButton(QStringLiteral("E"), 1029, cmd::ExportFiles);
}

void CRoutemanView::initialUpdate() {
    const ConfigData& c = doc().Config();
    auto* grid = static_cast<QGridLayout*>(body()->itemAt(0)->layout());
    auto row = [&](int r, const QString& caption, QLabel* first, QLabel* second) {
        if (!caption.isEmpty()) {
            grid->addWidget(new QLabel(caption, this), r, 0);
        }
        grid->addWidget(first, r, 1);
        if (second) {
            grid->addWidget(second, r, 2);
        }
    };
    row(0, tr("Route Man:"), makeLabel(QString::number(c.RouteManNumber()), 1014, this),
        makeLabel(fromData(c.RouteManName()), 1015, this));
    row(1, tr("Truck:"), makeLabel(fromData(c.TruckCode()), 1017, this), nullptr);
    auto* description = makeLabel(fromData(c.TruckDescription()), 1020, this);
    description->setWordWrap(true);
    grid->addWidget(description, 2, 1, 1, 2);
    row(3, tr("Status:"), makeLabel(QString::number(doc().Routes().Count()), 1021, this),
        new QLabel(tr("Routes Loaded."), this));
    row(4, QString(), makeLabel(QString::number(doc().Routes().SettledRoutes()), 1024, this),
        new QLabel(tr("Routes Settled."), this));
    updateExportAvailability();
}

bool CRoutemanView::chooseTruck() {
    if (doc().Config().IsDud()) {
        SelectTruckDialog(doc(), this).exec();
    }
    return true;  // the checklist is shown whether or not the driver changed the truck
}

void CRoutemanView::updateExportAvailability() {
    const bool available = exportAvailable(doc());
    m_export->setEnabled(available);
    setCommandEnabled(cmd::ExportFiles, available);
}

ActionOutcome CRoutemanView::handleAction(Action action, CommandId) {
    switch (action) {
        case Action::RouteManStart: {
            // Start on this screen (its button, the Actions menu or Next) asks for the safety
            // check first; the pending flag lives only until it has been acted on.
            frameFlags().safetyCheckPending = true;
            const bool check = wantsSafetyCheck(doc()) && chooseTruck();
            frameFlags().safetyCheckPending = false;
            if (check) {
                return ActionOutcome::to(screen::Safety, cmd::Preparation);
            }
            return ActionOutcome::proceed();
        }
        case Action::Export: {
            const ExportResult result = exportDayFiles(doc());
            updateExportAvailability();
            // After an incomplete export the driver stays here, where Export can be tried again.
            return result == ExportResult::Complete ? ActionOutcome::proceed()
                                                    : ActionOutcome::stay();
        }
        default:
            return {};
    }
}

}  // namespace kelvo
