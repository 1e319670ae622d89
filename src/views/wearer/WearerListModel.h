#pragma once

#include <QAbstractItemModel>
#include <memory>
#include <string>

#include "doc/WearerRows.h"

namespace kelvo {

// The wearer screen's list as a Qt model over the document's wearers and transactions: the
// rows of a CWearerRows, one column while only wearers are shown and a second one, the
// quantity, while a wearer's products are. Wearer rows are bold; today's changes are coloured
// (added green, quit and replaced red, a changed quantity green in its column, an inactive
// wearer grey). Texts are made only for the rows the list draws.
class CWearerListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit CWearerListModel(QObject* parent = nullptr);

    // Shows these rows under this head of the first column.
    void setRows(std::unique_ptr<CWearerRows> rows, const QString& header);
    // The rows shown; valid after setRows.
    const CWearerRows& rows() const { return *m_rows; }
    // Shows the products of the wearer row `row`, or hides them when they are shown.
    void toggle(int row);
    // Shows the wearers whose name contains the filter, collapsed.
    void showWearers(const std::string& filter);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Gives the list its second column while products are shown, and takes it away after.
    void fitColumns();

    std::unique_ptr<CWearerRows> m_rows;
    QString m_header;
    int m_columns = 1;
};

}  // namespace kelvo
