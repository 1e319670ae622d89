#include "views/route/StopSelectView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "common/DateText.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "views/route/UndeliverableDialog.h"

namespace kelvo {

namespace {

// Control ids of the selected stop's details, in the order of m_details.
constexpr std::array<int, 9> kDetailIds = {1055, 1054, 1053, 1050, 1051, 1052, 1049, 1042, 1045};

QFont detailFont() {
    return labelFont(11, false);
}

}  // namespace

CStopSelectView::CStopSelectView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::StopSelect, parent) {
    m_list = makeList({tr("Stop"), tr("Name"), tr("Status")}, 1057, this);
    body()->addWidget(m_list, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    for (std::size_t i = 0; i < m_details.size(); ++i) {
        m_details[i] = makeLabel(QString(), kDetailIds[i], this);
        m_details[i]->setFont(detailFont());
    }
    m_details[0]->setFont(labelFont(11, true));
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(m_details[std::size_t(row)], row, 0, 1, 3);
    }
    grid->addWidget(m_details[3], 3, 0);  // city, state and zip code on one line
    grid->addWidget(m_details[4], 3, 1);
    grid->addWidget(m_details[5], 3, 2);
    grid->addWidget(m_details[6], 4, 0, 1, 3);
    const QString captions[] = {tr("Phone#:"), tr("Mob#:")};
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(captions[i], this);
        caption->setFont(detailFont());
        grid->addWidget(caption, 5 + i, 0);
        grid->addWidget(m_details[std::size_t(7 + i)], 5 + i, 1, 1, 2);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);
    body()->addLayout(grid);

    addButton(QStringLiteral("<-"), 1058, cmd::Back);
    m_open = addButton(QStringLiteral("V"), 1124, cmd::SelectStop);
    m_open->setToolTip(tr("Open the stop"));
    m_undeliverable = addButton(tr("Undel"), 1043, cmd::Undeliverable);
    m_undeliverable->setToolTip(tr("The stop cannot be delivered"));
    m_directions = addButton(QStringLiteral("--"), 1056, cmd::Instructions);
    m_directions->setToolTip(tr("Driving directions"));

    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) {
            showStop(m_list->indexOfTopLevelItem(item));
        }
    });
    // A double tap on a stop opens it, as "V" does.
    connect(m_list, &QTreeWidget::itemActivated, this, [this] {
        if (m_open->isEnabled()) {
            send(cmd::SelectStop);
        }
    });
}

void CStopSelectView::initialUpdate() {
    CKelvoDoc& d = doc();
    const CRoute& route = d.Route();
    setTitle(fromData(format(toData(tr("Route %d, %s, %s")).c_str(), route.RouteNumber(),
                             weekdayName(route.Date()).c_str(), route.RouteDescription().c_str())));
    // The columns share the list's width with room for its scroll bar. The status is never
    // narrower than its longest word, so that no status is cut off; the name has the rest (a
    // long one is cut short, its full text stands below the list).
    const int w = m_list->width() - 2 * m_list->frameWidth() -
                  m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    const int stop = w * 18 / 100;
    const int status =
        std::max(w * 25 / 100, m_list->fontMetrics().horizontalAdvance(tr("Undelivered")) + 12);
    m_list->setColumnWidth(0, stop);
    m_list->setColumnWidth(1, w - stop - status);
    m_list->setColumnWidth(2, status);
    const std::size_t count = route.HoldsRoute() ? route.StopCount() : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const CStop& s = route.Stop(i);
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{
            QString::number(s.StopNumber), fromData(s.CustomerName), fromData(s.Status())}));
    }
    m_open->setEnabled(commandEnabled(cmd::SelectStop));
    if (count == 0) {
        m_undeliverable->setEnabled(false);
        m_directions->setEnabled(false);
        return;
    }
    const int row = stopRowToSelect(d);
    m_list->setCurrentItem(m_list->topLevelItem(row));
    m_list->scrollToItem(m_list->topLevelItem(row));
    m_list->setFocus();
    showStop(row);
}

void CStopSelectView::showStop(int row) {
    CKelvoDoc& d = doc();
    selectStop(d, row);
    const CStop* s = selectedStop(d);
    if (!s) {
        return;
    }
    const std::string* texts[] = {
        &s->CustomerName,      &s->CustomerAddress1,   &s->CustomerAddress2,
        &s->CustomerCity,      &s->CustomerState,      &s->CustomerZipcode,
        &s->ContactPersonName, &s->ContactPersonPhone, &s->ContactPersonMobile};
    for (std::size_t i = 0; i < m_details.size(); ++i) {
        m_details[i]->setText(fromData(*texts[i]));
    }
    m_undeliverable->setEnabled(commandEnabled(cmd::Undeliverable));
    m_directions->setEnabled(commandEnabled(cmd::Instructions));
    documentChanged();
}

CommandOutcome CStopSelectView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::Undeliverable:
            return undeliverable();
        case cmd::Instructions:
            if (const CStop* s = selectedStop(doc())) {
                doc().Prompt().inform(s->DrivingInstructions, toData(tr("Driving Directions")),
                                      MessageIcon::Information);
            }
            return CommandOutcome::stay();
        default:
            return CommandOutcome::proceed();
    }
}

CommandOutcome CStopSelectView::undeliverable() {
    CKelvoDoc& d = doc();
    const CStop* s = selectedStop(d);
    if (!s || !mayBeUndeliverable(d, *s)) {
        return CommandOutcome::stay();
    }
    UndeliverableDialog dialog(d, s->UndeliverReasonCode, this);
    if (dialog.exec() != QDialog::Accepted) {
        cancelUndeliverable(d);
        return CommandOutcome::stay();
    }
    if (!markUndeliverable(d, dialog.reasonCode()).done) {
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();  // the list again, with the stop's new status
}

}  // namespace kelvo
