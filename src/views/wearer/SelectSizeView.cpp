#include "views/wearer/SelectSizeView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/Text.h"
#include "doc/AddWearerOps.h"
#include "doc/KelvoDoc.h"
#include "model/Products.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

namespace {

constexpr int kProductsAPage = 4;

QLabel* cell(const QString& text, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(labelFont(11, bold));
    return label;
}

}  // namespace

CSelectSizeView::CSelectSizeView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::SelectSize, parent) {
    QLabel* head = cell(tr("Product             Size                    Qty"), true, this);
    head->setObjectName(QStringLiteral("sizeHeader"));
    body()->addWidget(head);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sizeList"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_rows = new QWidget(scroll);
    scroll->setWidget(m_rows);
    body()->addWidget(scroll, 1);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_next = addButton(QStringLiteral("->"), 0, cmd::AddSizedProduct);
    m_next->setObjectName(QStringLiteral("next"));
}

void CSelectSizeView::initialUpdate() {
    setTitle(tr("Make-A-Like"));
    m_lines = startMakeALike(doc());
    const CWearerData& data = doc().WearerData();
    const CInventory* pending = data.Pending.Get();
    auto* grid = new QGridLayout(m_rows);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    for (std::size_t row = 0; row < m_lines.size(); ++row) {
        const CInventoryLine& line = pending->Lines[m_lines[row]];
        const CProduct* product = data.Products.FindBy(&CProduct::ProductID, line.PID);
        if (!product) {
            continue;  // make-a-like takes only products of the list
        }
        const int r = static_cast<int>(2 * row);
        grid->addWidget(cell(fromData(product->Description), true, m_rows), r, 0, 1, 3);
        grid->addWidget(cell(fromData(product->Code), false, m_rows), r + 1, 0);
        QComboBox* size = choiceBox(false, m_rows);
        size->setObjectName(QStringLiteral("size%1").arg(row));
        for (const CProductSize& s : product->Sizes) {
            size->addItem(fromData(s.Code));
        }
        size->setCurrentIndex(size->findText(fromData(line.SizeKey)));
        grid->addWidget(size, r + 1, 1);
        QLabel* quantity = cell(fromData(format("%.0f", line.Qty)), false, m_rows);
        quantity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(quantity, r + 1, 2);
        connect(size, &QComboBox::currentIndexChanged, this,
                [this, row](int index) { sizeChosen(row, index); });
    }
    grid->setRowStretch(static_cast<int>(2 * m_lines.size()), 1);
    // Four products fill the visible part; the scroll bar moves a product at a time.
    auto* scroll = static_cast<QScrollArea*>(m_rows->parentWidget()->parentWidget());
    scroll->verticalScrollBar()->setSingleStep(scroll->viewport()->height() / kProductsAPage);
    refresh();
}

void CSelectSizeView::sizeChosen(std::size_t row, int index) {
    if (row < m_lines.size()) {
        chooseMakeALikeSize(doc(), m_lines[row], index);
    }
    refresh();
}

void CSelectSizeView::refresh() {
    const bool complete = makeALikeComplete(doc());
    m_next->setEnabled(complete);
    documentChanged();
}

CommandOutcome CSelectSizeView::handleCommand(CommandId id) {
    if (id != cmd::AddSizedProduct) {
        return CommandOutcome::proceed();
    }
    return askFirst(doc().Prompt(), anotherProductQuestion()) == Answer::Yes
               ? CommandOutcome::to(screen::AddProduct)
               : CommandOutcome::proceed();
}

}  // namespace kelvo
