#pragma once

#include <QTreeWidget>
#include <span>
#include <string>
#include <vector>

namespace kelvo {

// A list of rows in columns, the way the screens show records: small font, whole rows
// selected, each column its share of the visible width, or wider where its texts need more
// (nothing is cut off: the list then scrolls sideways).
class ColumnList : public QTreeWidget {
    Q_OBJECT
public:
    // Headers and their shares of the width, one each.
    ColumnList(const QString& objectName, const QStringList& headers, std::vector<double> fractions,
               QWidget* parent = nullptr);

    // Appends a row of cell texts (ISO-8859-1, as the data files hold them).
    void addRow(std::span<const std::string> cells);
    // Replaces the cells of a row.
    void setRow(int row, std::span<const std::string> cells);
    // Selects a row and scrolls it into view (nothing for a row that is not there).
    void selectRow(int row);
    // The selected row, -1 for none.
    int selectedRow() const;
    // Sizes the columns again (after the rows are filled; a resize does it by itself).
    void fitColumns();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<double> m_fractions;
};

}  // namespace kelvo
