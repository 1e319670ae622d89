#include "views/wearer/NewServicesView.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "doc/KelvoDoc.h"
#include "doc/ServiceOps.h"
#include "doc/VisitOps.h"
#include "ui/ColumnList.h"

namespace kelvo {

CNewServicesView::CNewServicesView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::NewServices, parent) {
    // The columns take more than the width: the list scrolls sideways.
    m_list = new ColumnList(QStringLiteral("serviceList"),
                            {tr("Prod#"), tr("Desc"), tr("Freq"), tr("Qty"), tr("Price")},
                            {0.25, 0.45, 0.18, 0.15, 0.25}, this);
    body()->addWidget(m_list, 1);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_add = addButton(QStringLiteral("V"), 0, cmd::ServiceAdd);
    m_add->setObjectName(QStringLiteral("addService"));
    m_add->setToolTip(tr("Add a service"));
    m_delete = addButton(tr("Cancel"), 0, cmd::ServiceDelete);
    m_delete->setObjectName(QStringLiteral("deleteService"));
    m_delete->setToolTip(tr("Delete the selected service"));
}

void CNewServicesView::initialUpdate() {
    const CStop* stop = selectedStop(doc());
    setTitle(stop ? fromData(stop->CustomerName) : QString());
    const bool open = openNewServices(doc());
    m_add->setEnabled(open);
    fillList(0);
}

CommandOutcome CNewServicesView::handleCommand(CommandId id) {
    if (id != cmd::ServiceDelete) {
        return CommandOutcome::proceed();
    }
    const int row = m_list->selectedRow();
    if (row >= 0) {
        showNotices(doc().Prompt(), deleteService(doc(), std::size_t(row)));
        fillList(row);
    }
    return CommandOutcome::stay();
}

void CNewServicesView::fillList(int select) {
    m_list->clear();
    const CFlatGoodTransactions& services = doc().FlatGoodTransactions();
    for (const CFlatGoodTrans& service : services) {
        m_list->addRow(serviceRow(doc(), service));
    }
    m_list->fitColumns();
    const int count = static_cast<int>(services.Count());
    m_delete->setEnabled(count > 0);
    if (count > 0) {
        // After a delete the row that took the deleted one's place is selected.
        m_list->selectRow(std::min(select, count - 1));
        m_list->setFocus();
    }
}

}  // namespace kelvo
