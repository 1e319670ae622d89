#include "views/start/DayRecapView.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/WaitCursor.h"
#include "doc/DayRecap.h"
#include "doc/KelvoDoc.h"
#include "ui/ReceiptPdf.h"

namespace kelvo {

CDayRecapView::CDayRecapView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::DayRecap, parent) {
    setTitle(tr("Day Recap"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("recapList"));
    setUpList(m_list, {tr("Figure"), tr("Amount")});
    // The rows name themselves; the heads would only take a row of the small screen.
    m_list->setHeaderHidden(true);
    // Customer names and notes wrap onto more lines instead of being cut off.
    m_list->setUniformRowHeights(false);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    body()->addWidget(m_list, 1);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("recapBack"));
    QPushButton* pdf = addButton(QStringLiteral("PDF"), 0, cmd::RecapPdf);
    pdf->setObjectName(QStringLiteral("recapPdf"));
    pdf->setToolTip(tr("Write the recap as a PDF"));
}

void CDayRecapView::initialUpdate() {
    {
        WaitCursor wait;
        m_rows = recapRows(buildDayRecap(doc()));
    }
    QFont heading = m_list->font();
    heading.setBold(true);
    QFont detail = m_list->font();
    detail.setPixelSize(10);
    for (const RecapRow& row : m_rows) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, fromDataLines(row.label));
        item->setText(1, fromData(row.value));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignTop);
        if (row.kind == RecapRow::Kind::Heading) {
            item->setFont(0, heading);
            item->setBackground(0, palette().alternateBase());
            item->setBackground(1, palette().alternateBase());
            item->setFlags(Qt::ItemIsEnabled);
        } else if (row.kind == RecapRow::Kind::Detail) {
            item->setText(0, QStringLiteral("  ") +
                                 item->text(0).replace(QLatin1Char('\n'), QStringLiteral("\n  ")));
            item->setFont(0, detail);
            item->setFont(1, detail);
        }
    }
}

CommandOutcome CDayRecapView::handleCommand(CommandId id) {
    if (id == cmd::RecapPdf) {
        // Nothing changes the files while the recap is on the screen: the PDF prints what the
        // screen lists (reading a big day again would take as long as opening it).
        saveDayRecap(doc(), m_rows, writeRecapPdf);
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
