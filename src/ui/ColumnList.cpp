#include "ui/ColumnList.h"

#include <QHeaderView>
#include <algorithm>

#include "ui/FormView.h"

namespace kelvo {

ColumnList::ColumnList(const QString& objectName, const QStringList& headers,
                       std::vector<double> fractions, QWidget* parent)
    : QTreeWidget(parent), m_fractions(std::move(fractions)) {
    setObjectName(objectName);
    setUpList(this, headers);
    header()->setSectionsMovable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ColumnList::addRow(std::span<const std::string> cells) {
    addTopLevelItem(new QTreeWidgetItem);
    setRow(topLevelItemCount() - 1, cells);
}

void ColumnList::setRow(int row, std::span<const std::string> cells) {
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            item->setText(static_cast<int>(c), fromData(cells[c]));
        }
    }
}

void ColumnList::selectRow(int row) {
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}

int ColumnList::selectedRow() const {
    QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? indexOfTopLevelItem(item) : -1;
}

void ColumnList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    fitColumns();
}

void ColumnList::fitColumns() {
    const int w = viewport()->width();
    for (std::size_t c = 0; c < m_fractions.size(); ++c) {
        const int column = static_cast<int>(c);
        const int needed = std::max(sizeHintForColumn(column), header()->sectionSizeHint(column));
        setColumnWidth(column, std::max(static_cast<int>(w * m_fractions[c]), needed));
    }
}

}  // namespace kelvo
