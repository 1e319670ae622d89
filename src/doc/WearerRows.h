#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "doc/WearerListState.h"

namespace kelvo {

struct CWearerData;

// One product row under a wearer: its text and the product as it stands today.
struct ProductRow {
    std::string Text;
    CShownProduct Shown;
};

// The rows the wearer screen shows: the wearer rows of the list state (every one, or those the
// filter keeps), each followed by its products while it is expanded. Texts are made when asked
// for, so that a customer with thousands of wearers costs a few bytes a row. The rows refer to
// the document's data, which must not change while they are in use (a new CWearerRows is made
// after every change).
class CWearerRows {
public:
    // The wearer rows of data.ListState, which must be built; none shown until ShowWearers or
    // Restore. columnWidth: see wearerColumnWidth.
    CWearerRows(const CWearerData& data, int columnWidth);

    // Every wearer row whose name contains filter, compared without regard to case ("" keeps
    // every row), all collapsed.
    void ShowWearers(const std::string& filter);
    // The view of the list state: as saved when the screen was left; else every wearer, with
    // the selected wearer expanded when the state's expand flag is set.
    void Restore();

    // Number of rows shown.
    std::size_t Count() const { return m_shown.size(); }
    // True for a product row (its text begins with a space).
    bool IsProduct(std::size_t row) const { return m_shown.at(row).product >= 0; }
    // The first column: the wearer row's text, or the product row's.
    std::string Text(std::size_t row) const;
    // The second column: a product row's quantity ("%.0f"); "" for a wearer row.
    std::string Quantity(std::size_t row) const;
    // The row's mark (its colour; whether a transaction stands behind it).
    RowMark Mark(std::size_t row) const;
    // The wearer of a row (for a product row the wearer it belongs to).
    const WearerRow& WearerOf(std::size_t row) const;
    // The product of a product row; nullptr for a wearer row.
    const ProductRow* Product(std::size_t row) const;
    // The row index of the wearer row a row belongs to.
    std::size_t WearerRowIndex(std::size_t row) const;
    // True for a wearer row whose products are shown.
    bool IsExpanded(std::size_t row) const;
    // True while any product row is shown (the list then has its quantity column).
    bool AnyExpanded() const;

    // The number of product rows the wearer row `row` shows when expanded; 0 for a product row.
    std::size_t ProductsOf(std::size_t row) const;
    // Shows the products of the wearer row `row` right after it (sorted by text) and returns
    // how many rows were inserted; 0 when it is no wearer row or is expanded already.
    std::size_t Expand(std::size_t row);
    // Hides the products of the wearer row `row` and returns how many rows were removed.
    std::size_t Collapse(std::size_t row);

    // The selection a row stands for.
    WearerSelection SelectionOf(std::size_t row) const;
    // The row a selection stands for; -1 when it is not shown.
    int RowOf(const WearerSelection& selection) const;

    // The filter the rows were shown with.
    const std::string& Filter() const { return m_filter; }
    // The wearers whose products are shown, in row order.
    std::vector<WearerKey> ExpandedKeys() const;

private:
    struct Shown {
        std::uint32_t wearer;  // index into the list state's wearer rows
        std::int32_t product;  // index into the wearer's product rows; -1: the wearer row
    };

    std::vector<ProductRow> MakeProductRows(const WearerRow& wearer) const;
    // First shown row of the wearer row with this index; Count() when not shown.
    std::size_t Position(std::size_t wearer) const;

    const CWearerData& m_data;
    const std::vector<WearerRow>& m_wearers;
    int m_columnWidth;
    std::string m_filter;
    std::vector<Shown> m_shown;
    std::unordered_map<std::uint32_t, std::vector<ProductRow>> m_products;
};

}  // namespace kelvo
