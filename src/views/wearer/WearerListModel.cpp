#include "views/wearer/WearerListModel.h"

#include <QBrush>
#include <QColor>

#include "ui/FormView.h"

namespace kelvo {

namespace {

const QColor kQuitColour(255, 51, 51);
const QColor kAddedColour(51, 153, 51);
const QColor kInactiveColour(134, 134, 134);

}  // namespace

CWearerListModel::CWearerListModel(QObject* parent) : QAbstractItemModel(parent) {}

void CWearerListModel::setRows(std::unique_ptr<CWearerRows> rows, const QString& header) {
    beginResetModel();
    m_rows = std::move(rows);
    m_header = header;
    m_columns = m_rows->AnyExpanded() ? 2 : 1;
    endResetModel();
}

void CWearerListModel::toggle(int row) {
    if (row < 0 || row >= rowCount() || m_rows->IsProduct(std::size_t(row))) {
        return;
    }
    const std::size_t r = std::size_t(row);
    const int count = static_cast<int>(m_rows->ProductsOf(r));
    if (m_rows->IsExpanded(r)) {
        if (count > 0) {
            beginRemoveRows({}, row + 1, row + count);
        }
        m_rows->Collapse(r);
        if (count > 0) {
            endRemoveRows();
        }
    } else {
        if (count > 0) {
            beginInsertRows({}, row + 1, row + count);
        }
        m_rows->Expand(r);
        if (count > 0) {
            endInsertRows();
        }
    }
    fitColumns();
}

void CWearerListModel::showWearers(const std::string& filter) {
    beginResetModel();
    m_rows->ShowWearers(filter);
    m_columns = 1;
    endResetModel();
}

void CWearerListModel::fitColumns() {
    const int wanted = m_rows->AnyExpanded() ? 2 : 1;
    if (wanted > m_columns) {
        beginInsertColumns({}, 1, 1);
        m_columns = wanted;
        endInsertColumns();
    } else if (wanted < m_columns) {
        beginRemoveColumns({}, 1, 1);
        m_columns = wanted;
        endRemoveColumns();
    }
}

QModelIndex CWearerListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= m_columns) {
        return {};
    }
    return createIndex(row, column);
}

QModelIndex CWearerListModel::parent(const QModelIndex&) const {
    return {};
}

int CWearerListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_rows ? 0 : static_cast<int>(m_rows->Count());
}

int CWearerListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant CWearerListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_rows) {
        return {};
    }
    const std::size_t row = std::size_t(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return fromData(index.column() == 0 ? m_rows->Text(row) : m_rows->Quantity(row));
        case Qt::FontRole:
            return labelFont(11, !m_rows->IsProduct(row));
        case Qt::TextAlignmentRole:
            return index.column() == 0 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            switch (m_rows->Mark(row)) {
                case RowMark::Quit:
                    return QBrush(kQuitColour);
                case RowMark::Added:
                    return QBrush(kAddedColour);
                case RowMark::QuantityChanged:
                    return index.column() == 1 ? QVariant(QBrush(kAddedColour)) : QVariant();
                case RowMark::Inactive:
                    return QBrush(kInactiveColour);
                case RowMark::None:
                    return {};
            }
            return {};
        default:
            return {};
    }
}

QVariant CWearerListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == 0 ? m_header : QStringLiteral(" ");
}

}  // namespace kelvo
