#include "doc/WearerRows.h"

#include <algorithm>

#include "common/Text.h"
#include "doc/WearerData.h"
#include "doc/WearerTexts.h"

namespace kelvo {

CWearerRows::CWearerRows(const CWearerData& data, int columnWidth)
    : m_data(data), m_wearers(data.ListState.Rows()), m_columnWidth(columnWidth) {}

void CWearerRows::ShowWearers(const std::string& filter) {
    m_filter = filter;
    m_products.clear();
    m_shown.clear();
    m_shown.reserve(m_wearers.size());
    for (std::size_t w = 0; w < m_wearers.size(); ++w) {
        if (filter.empty() || containsNoCase(m_wearers[w].Name(), filter)) {
            m_shown.push_back({static_cast<std::uint32_t>(w), -1});
        }
    }
}

void CWearerRows::Restore() {
    const CWearerListState& state = m_data.ListState;
    if (state.HasSavedView()) {
        ShowWearers(state.SavedFilter());
        for (const WearerKey& key : state.SavedExpanded()) {
            const int w = state.Find(key);
            if (w >= 0) {
                Expand(Position(static_cast<std::size_t>(w)));
            }
        }
        return;
    }
    ShowWearers({});
    if (state.ExpandSelected()) {
        const int w = state.Find(state.Selection().wearer);
        if (w >= 0) {
            Expand(Position(static_cast<std::size_t>(w)));
        }
    }
}

std::string CWearerRows::Text(std::size_t row) const {
    if (const ProductRow* p = Product(row)) {
        return p->Text;
    }
    const WearerRow& w = WearerOf(row);
    return wearerRowText(w.Nr, w.Name(), m_columnWidth);
}

std::string CWearerRows::Quantity(std::size_t row) const {
    const ProductRow* p = Product(row);
    return p != nullptr ? format("%.0f", p->Shown.Product.Qty) : std::string();
}

RowMark CWearerRows::Mark(std::size_t row) const {
    if (const ProductRow* p = Product(row)) {
        return p->Shown.Mark;
    }
    const WearerRow& w = WearerOf(row);
    return w.Wearer != nullptr ? wearerMark(m_data.Transactions, *w.Wearer) : RowMark::Added;
}

const WearerRow& CWearerRows::WearerOf(std::size_t row) const {
    return m_wearers.at(m_shown.at(row).wearer);
}

const ProductRow* CWearerRows::Product(std::size_t row) const {
    const Shown& s = m_shown.at(row);
    if (s.product < 0) {
        return nullptr;
    }
    return &m_products.at(s.wearer).at(static_cast<std::size_t>(s.product));
}

std::size_t CWearerRows::WearerRowIndex(std::size_t row) const {
    return row - static_cast<std::size_t>(std::max(0, m_shown.at(row).product + 1));
}

bool CWearerRows::IsExpanded(std::size_t row) const {
    return !IsProduct(row) && m_products.count(m_shown[row].wearer) != 0;
}

std::vector<ProductRow> CWearerRows::MakeProductRows(const WearerRow& wearer) const {
    const std::vector<CShownProduct> shown =
        wearer.Wearer != nullptr ? shownProducts(m_data.Transactions, *wearer.Wearer)
                                 : shownProducts(*wearer.Added);
    std::vector<ProductRow> rows;
    rows.reserve(shown.size());
    for (const CShownProduct& p : shown) {
        rows.push_back({productRowText(m_data.Products, p.Product.PID, p.Product.SID), p});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ProductRow& a, const ProductRow& b) { return a.Text < b.Text; });
    return rows;
}

std::size_t CWearerRows::ProductsOf(std::size_t row) const {
    if (IsProduct(row)) {
        return 0;
    }
    const auto it = m_products.find(m_shown[row].wearer);
    return it != m_products.end() ? it->second.size() : MakeProductRows(WearerOf(row)).size();
}

std::size_t CWearerRows::Expand(std::size_t row) {
    if (row >= m_shown.size() || IsProduct(row) || IsExpanded(row)) {
        return 0;
    }
    const std::uint32_t w = m_shown[row].wearer;
    std::vector<ProductRow> rows = MakeProductRows(m_wearers[w]);
    std::vector<Shown> inserted(rows.size());
    for (std::size_t p = 0; p < rows.size(); ++p) {
        inserted[p] = {w, static_cast<std::int32_t>(p)};
    }
    // An expanded wearer without products is remembered as expanded all the same.
    m_products[w] = std::move(rows);
    m_shown.insert(m_shown.begin() + std::ptrdiff_t(row + 1), inserted.begin(), inserted.end());
    return inserted.size();
}

std::size_t CWearerRows::Collapse(std::size_t row) {
    if (!IsExpanded(row)) {
        return 0;
    }
    const std::uint32_t w = m_shown[row].wearer;
    const std::size_t count = m_products[w].size();
    m_shown.erase(m_shown.begin() + std::ptrdiff_t(row + 1),
                  m_shown.begin() + std::ptrdiff_t(row + 1 + count));
    m_products.erase(w);
    return count;
}

WearerSelection CWearerRows::SelectionOf(std::size_t row) const {
    WearerSelection s;
    s.wearer = WearerOf(row).Key();
    if (const ProductRow* p = Product(row)) {
        s.isProduct = true;
        s.product = p->Shown;
        s.productText = p->Text;
    }
    return s;
}

std::size_t CWearerRows::Position(std::size_t wearer) const {
    const auto it = std::lower_bound(m_shown.begin(), m_shown.end(), wearer,
                                     [](const Shown& s, std::size_t w) { return s.wearer < w; });
    return it != m_shown.end() && it->wearer == wearer ? std::size_t(it - m_shown.begin())
                                                       : m_shown.size();
}

int CWearerRows::RowOf(const WearerSelection& selection) const {
    const int w = m_data.ListState.Find(selection.wearer);
    if (w < 0) {
        return -1;
    }
    const std::size_t row = Position(static_cast<std::size_t>(w));
    if (row == m_shown.size()) {
        return -1;
    }
    if (!selection.isProduct) {
        return static_cast<int>(row);
    }
    for (std::size_t r = row + 1; r < m_shown.size() && m_shown[r].product >= 0; ++r) {
        if (Product(r)->Text == selection.productText) {
            return static_cast<int>(r);
        }
    }
    return -1;
}

std::vector<WearerKey> CWearerRows::ExpandedKeys() const {
    std::vector<std::uint32_t> expanded;
    for (const auto& [w, rows] : m_products) {
        expanded.push_back(w);
    }
    std::sort(expanded.begin(), expanded.end());
    std::vector<WearerKey> keys;
    for (const std::uint32_t w : expanded) {
        keys.push_back(m_wearers[w].Key());
    }
    return keys;
}

bool CWearerRows::AnyExpanded() const {
    return std::any_of(m_products.begin(), m_products.end(),
                       [](const auto& entry) { return !entry.second.empty(); });
}

}  // namespace kelvo
