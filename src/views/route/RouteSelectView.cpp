#include "views/route/RouteSelectView.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/DateText.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "ui/FieldKind.h"
#include "views/route/MileageDialog.h"
#include "views/safety/SelectTruckDialog.h"

namespace kelvo {

namespace {

// Control ids of the summary values: Prebilled, Adjustments, Undelivered, Totals (Charge and
// C.O.D each), C.O.D Delayed, Collections (two), the deposit subtotal.
constexpr std::array<int, 12> kSummaryIds = {1028, 1029, 1030, 1031, 1033, 1034,
                                             1036, 1037, 1043, 1039, 1040, 1047};

QString amount(double v) {
    return fromData(formatPrice(v, 2));
}

QFont summaryFont() {
    return labelFont(11, false);
}

}  // namespace

CRouteSelectView::CRouteSelectView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::RouteSelect, parent) {
    m_list = makeList({tr("Date"), tr("Day"), tr("Route"), tr("Status")}, 1057, this);
    body()->addWidget(m_list, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    auto caption = [this, grid](const QString& text, int row, int col) {
        auto* l = new QLabel(text, this);
        l->setFont(summaryFont());
        grid->addWidget(l, row, col);
        return l;
    };
    auto value = [this, grid](int index, int row, int col) {
        auto* l = makeLabel(QString(), kSummaryIds[std::size_t(index)], this);
        l->setFont(summaryFont());
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(l, row, col);
        m_values[std::size_t(index)] = l;
    };
    auto* charge = makeLabel(tr("Charge"), 1016, this);
    auto* cod = makeLabel(tr("C.O.D"), 1018, this);
    for (QLabel* head : {charge, cod}) {
        head->setFont(labelFont(11, true));
        head->setAlignment(Qt::AlignRight);
    }
    grid->addWidget(charge, 0, 1);
    grid->addWidget(cod, 0, 2);
    const QString rows[] = {tr("Prebilled"), tr("Adjustments"), tr("Undelivered"), tr("Totals")};
    for (int r = 0; r < 4; ++r) {
        caption(rows[r], r + 1, 0);
        value(2 * r, r + 1, 1);
        value(2 * r + 1, r + 1, 2);
    }
    caption(tr("C.O.D Delayed"), 5, 0);
    value(8, 5, 2);
    caption(tr("Collections"), 6, 0);
    value(9, 6, 1);
    value(10, 6, 2);
    value(11, 7, 2);
    auto* voucherLabel = caption(tr("&Voucher Amount"), 8, 0);
    m_voucher = new QLineEdit(this);
    m_voucher->setObjectName(QStringLiteral("1027"));
    m_voucher->setFont(summaryFont());
    m_voucher->setAlignment(Qt::AlignRight);
    setFieldKind(m_voucher, FieldKind::Number);
    // An amount of money: digits with at most two decimals, nothing a file could not hold.
    m_voucher->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,9}(\\.\\d{0,2})?")), m_voucher));
    voucherLabel->setBuddy(m_voucher);
    grid->addWidget(m_voucher, 8, 2);
    caption(tr("Deposit"), 9, 0);
    m_deposit = makeLabel(QString(), 1045, this);
    m_deposit->setFont(labelFont(11, true));
    m_deposit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_deposit, 9, 2);
    body()->addLayout(grid);

    m_back = addButton(QStringLiteral("<-"), 1049, cmd::Back);
    m_start = addButton(QStringLiteral("->"), 1026, cmd::StartRoute);
    m_prepare = addButton(QStringLiteral("->"), 1042, cmd::Preparation);
    m_prepare->setToolTip(tr("Truck safety check"));
    m_end = addButton(tr("End"), 1048, cmd::EndRoute);

    connect(m_voucher, &QLineEdit::editingFinished, this, &CRouteSelectView::voucherEdited);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) {
            selectRoute(m_list->indexOfTopLevelItem(item));
        }
    });
}

void CRouteSelectView::initialUpdate() {
    CKelvoDoc& d = doc();
    const ConfigData& c = d.Config();
    setTitle(fromData(format(toData(tr("Routeman %d %s")).c_str(), c.RouteManNumber(),
                             c.RouteManName().c_str())));
    const int w = m_list->viewport()->width();
    const int widths[] = {26, 28, 20, 24};
    for (int col = 0; col < 4; ++col) {
        m_list->setColumnWidth(col, w * widths[col] / 100);
    }
    const CRouteList& routes = d.Routes();
    for (std::size_t i = 0; i < routes.Count(); ++i) {
        const CRouteSummary& e = routes.At(i);
        m_list->addTopLevelItem(new QTreeWidgetItem(
            QStringList{fromData(shortDate(e.Date())), fromData(weekdayName(e.Date())),
                        QString::number(e.RouteNumber()), fromData(e.Status())}));
    }
    const int row = openRouteSelection(d, previousScreen());
    m_prepare->setEnabled(commandEnabled(cmd::Preparation));
    if (row < 0) {
        m_start->setEnabled(false);
        m_end->setEnabled(false);
        return;
    }
    m_list->setCurrentItem(m_list->topLevelItem(row));
    m_list->scrollToItem(m_list->topLevelItem(row));
    m_list->setFocus();
    selectRoute(row);
}

void CRouteSelectView::selectRoute(int row) {
    CKelvoDoc& d = doc();
    if (row < 0 || static_cast<std::size_t>(row) >= d.Routes().Count()) {
        return;
    }
    kelvo::selectRoute(d, row);
    const CRouteSummary& e = d.Routes().At(static_cast<std::size_t>(row));
    const double subtotal = e.TotalCollectionsCOD() + e.TotalCollectionsCharge();
    const double values[] = {e.PrebilledAmountCharge(),
                             e.PrebilledAmountCOD(),
                             e.PlusAdjustmentsCharge() - e.MinusAdjustmentsCharge(),
                             e.PlusAdjustmentsCOD() - e.MinusAdjustmentsCOD(),
                             e.TotalUndeliveredCharge(),
                             e.TotalUndeliveredCOD(),
                             e.PayThisAmountCharge(),
                             e.PayThisAmountCOD(),
                             e.PayThisAmountCOD() - e.TotalCollectionsCOD(),
                             e.TotalCollectionsCharge(),
                             e.TotalCollectionsCOD(),
                             subtotal};
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i]->setText(amount(values[i]));
    }

    m_start->setEnabled(commandEnabled(cmd::StartRoute));
    m_back->setEnabled(!routeInProgress(d));
    m_end->setEnabled(commandEnabled(cmd::EndRoute));
    showVoucher();
    documentChanged();
}

void CRouteSelectView::showVoucher() {
    const CRouteSummary* e = selectedRouteEntry(doc());
    if (!e) {
        return;
    }
    m_voucher->setText(amount(e->VoucherAmount()));
    m_deposit->setText(
        amount(e->TotalCollectionsCOD() + e->TotalCollectionsCharge() - e->VoucherAmount()));
}

void CRouteSelectView::voucherEdited() {
    if (!selectedRouteEntry(doc())) {
        return;
    }
    recordVoucherAmount(doc(), toDouble(toData(m_voucher->text())));
    showVoucher();
}

CommandOutcome CRouteSelectView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::StartRoute:
            return startRoute();
        case cmd::EndRoute:
            return endRoute();
        case cmd::Preparation:
            // The "DUD" laundry first picks the truck the checklist is for.
            askSafetyTruck(doc(), this);
            return CommandOutcome::proceed();
        default:
            return CommandOutcome::proceed();
    }
}

CommandOutcome CRouteSelectView::startRoute() {
    CKelvoDoc& d = doc();
    if (!loadSelectedRoute(d)) {
        return CommandOutcome::stay();
    }
    if (routeStarted(d)) {
        return CommandOutcome::proceed();
    }
    MileageDialog dialog(d, MileageDialog::Kind::Start, 0.0, this);
    if (dialog.exec() != QDialog::Accepted) {
        return CommandOutcome::stay();
    }
    recordRouteStart(d, dialog.mileage(), dialog.timeToStore());
    selectRoute(d.Routing().SelectedRouteIndex());
    return CommandOutcome::proceed();
}

CommandOutcome CRouteSelectView::endRoute() {
    CKelvoDoc& d = doc();
    if (endRefused(d)) {
        return CommandOutcome::stay();
    }
    MileageDialog dialog(d, MileageDialog::Kind::End, d.Route().StartMileage(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return CommandOutcome::stay();
    }
    recordRouteEnd(d, dialog.mileage(), dialog.timeToStore());
    // The ended route stays selected, with its summary and buttons refreshed.
    const int row = d.Routing().SelectedRouteIndex();
    if (auto* item = m_list->topLevelItem(row)) {
        item->setText(3, fromData(d.Routes().At(std::size_t(row)).Status()));
    }
    selectRoute(row);
    return CommandOutcome::stay();
}

}  // namespace kelvo
