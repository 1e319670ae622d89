#include "views/start/RoutemanView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/DataTransfer.h"
#include "doc/KelvoDoc.h"
#include "doc/SafetyOps.h"
#include "views/safety/SelectTruckDialog.h"

namespace kelvo {

CRoutemanView::CRoutemanView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::RouteMan, parent) {
    setTitle(tr("Route Man & Truck Info"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(1, 28);
    auto caption = [this](const QString& text, const QString& name) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        return label;
    };
    auto add = [this, grid](QWidget* w, int row, int col, int span = 1) {
        grid->addWidget(w, row, col, 1, span);
        return w;
    };
    add(caption(tr("Route Man:"), QStringLiteral("labelRouteMan")), 0, 0);
    m_number = static_cast<QLabel*>(add(makeLabel(QString(), 1014, this), 0, 1));
    m_name = static_cast<QLabel*>(add(makeLabel(QString(), 1015, this), 0, 2));
    add(caption(tr("Truck:"), QStringLiteral("labelTruck")), 1, 0);
    m_truck = static_cast<QLabel*>(add(makeLabel(QString(), 1017, this), 1, 1, 2));
    m_truckDescription = static_cast<QLabel*>(add(makeLabel(QString(), 1020, this), 2, 1, 2));
    add(caption(tr("Status:"), QStringLiteral("labelStatus")), 3, 0);
    m_loaded = static_cast<QLabel*>(add(makeLabel(QString(), 1021, this), 3, 1));
    add(caption(tr("Routes Loaded."), QStringLiteral("labelRoutesLoaded")), 3, 2);
    m_settled = static_cast<QLabel*>(add(makeLabel(QString(), 1024, this), 4, 1));
    add(caption(tr("Routes Settled."), QStringLiteral("labelRoutesSettled")), 4, 2);
    for (QLabel* value : {m_loaded, m_settled, m_number}) {
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // The office's texts may be longer than a line of the screen: they wrap, never cut off.
    for (QLabel* text : {m_name, m_truckDescription}) {
        text->setWordWrap(true);
    }
    body()->addSpacing(8);
    body()->addLayout(grid);
    body()->addStretch(1);
    addButton(QStringLiteral("<-"), 1028, cmd::Back);
    addButton(QStringLiteral("->"), 1027, cmd::RouteManStart);
    m_export = addButton(QStringLiteral("E"), 1029, cmd::ExportFiles);
}

void CRoutemanView::initialUpdate() {
    const ConfigData& c = doc().Config();
    m_number->setText(QString::number(c.RouteManNumber()));
    m_name->setText(fromData(c.RouteManName()));
    m_truck->setText(fromData(c.TruckCode()));
    m_truckDescription->setText(fromData(c.TruckDescription()));
    m_loaded->setText(QString::number(doc().Routes().Count()));
    m_settled->setText(QString::number(doc().Routes().SettledRoutes()));
    updateExportAvailability();
}

bool CRoutemanView::chooseTruck() {
    askSafetyTruck(doc(), this);
    return true;  // the checklist is shown whether or not the driver changed the truck
}

void CRoutemanView::updateExportAvailability() {
    m_export->setEnabled(commandEnabled(cmd::ExportFiles));
}

CommandOutcome CRoutemanView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::RouteManStart:
            if (wantsSafetyCheck(doc(), frameFlags()) && chooseTruck()) {
                return CommandOutcome::to(screen::Safety, cmd::Preparation);
            }
            return CommandOutcome::proceed();
        case cmd::ExportFiles: {
            const ExportResult result = exportDayFiles(doc());
            updateExportAvailability();
            // After an incomplete export the driver stays here, where Export can be tried again.
            return result == ExportResult::Complete ? CommandOutcome::proceed()
                                                    : CommandOutcome::stay();
        }
        default:
            return CommandOutcome::proceed();
    }
}

}  // namespace kelvo
