#include "views/contact/ContactPersonView.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "doc/CallEditor.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "ui/ColumnList.h"

namespace kelvo {

CContactPersonView::CContactPersonView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::ContactPerson, parent) {
    m_list = new ColumnList(QStringLiteral("contactPersons"), {tr("ContactPerson"), tr("Function")},
                            {0.5, 0.5}, this);
    body()->addWidget(m_list, 1);
    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
}

void CContactPersonView::initialUpdate() {
    const CStop* stop = selectedStop(doc());
    if (!stop) {
        return;
    }
    setTitle(fromData(contactTitle(*stop)));
    for (const CStop::ContactPerson& p : stop->ContactPersons()) {
        m_list->addRow(std::array<std::string, 2>{p.Name, p.Function});
    }
    m_list->fitColumns();
}

}  // namespace kelvo
