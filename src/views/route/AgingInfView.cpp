#include "views/route/AgingInfView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"

namespace kelvo {

CAgingInfView::CAgingInfView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::StopInfo, parent) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    int row = 0;
    // One line: its caption (returned through `caption`) and the value at the right.
    auto line = [this, grid, &row](const QString& text, const char* name, bool bold = false,
                                   QLabel** caption = nullptr) {
        auto* label = new QLabel(text, this);
        label->setFont(labelFont(13, bold));
        grid->addWidget(label, row, 0);
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        value->setTextFormat(Qt::PlainText);
        value->setFont(labelFont(13, bold));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, row++, 1);
        if (caption) {
            *caption = label;
        }
        return value;
    };
    m_current = line(tr("Current"), "agingCurrent");
    m_over30 = line(tr("Over 30 Days"), "aging30");
    m_over60 = line(tr("Over 60 Days"), "aging60");
    m_over90 = line(tr("Over 90 Days"), "aging90");
    m_openCredit = line(tr("Open Credit"), "openCredit");
    m_balance = line(tr("Balance"), "balance", true);
    grid->setRowMinimumHeight(row++, 10);
    m_lastAmount = line(tr("Last Payment"), "lastPaymentAmount");
    m_lastDate = line(tr("at"), "lastPaymentDate", false, &m_at);
    m_at->setObjectName(QStringLiteral("lastPaymentAt"));
    m_lastNumber = line(QString(), "lastPaymentNumber");
    grid->setColumnStretch(0, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
}

void CAgingInfView::initialUpdate() {
    const CStop* stop = selectedStop(doc());
    if (!stop) {
        return;
    }
    const AgingFigures f = agingFigures(*stop);
    setTitle(fromData(f.title));
    m_current->setText(fromData(f.current));
    m_over30->setText(fromData(f.over30));
    m_over60->setText(fromData(f.over60));
    m_over90->setText(fromData(f.over90));
    m_openCredit->setText(fromData(f.openCredit));
    m_balance->setText(fromData(f.balance));
    m_lastAmount->setText(fromData(f.lastPaymentAmount));
    m_lastDate->setText(fromData(f.lastPaymentDate));
    m_lastNumber->setText(fromData(f.lastPaymentNumber));
    const bool dated = !f.lastPaymentDate.empty();
    m_at->setVisible(dated);
    m_lastDate->setVisible(dated);
}

}  // namespace kelvo
