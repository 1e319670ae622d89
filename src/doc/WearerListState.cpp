#include "doc/WearerListState.h"

#include <algorithm>

#include "model/InventoryTransactions.h"
#include "model/Wearers.h"

namespace kelvo {

const std::string& WearerRow::Name() const {
    return Wearer != nullptr ? Wearer->FName : Added->FName;
}

WearerKey WearerRow::Key() const {
    return Wearer != nullptr ? WearerKey{Wearer, 0, false} : WearerKey{nullptr, Nr, true};
}

void CWearerListState::Clear() {
    *this = CWearerListState();
}

void CWearerListState::Build(const CWearers& wearers, const CInventoryTransactions& transactions) {
    m_rows.clear();
    m_rows.reserve(wearers.Count());
    for (const CWearer& w : wearers) {
        m_rows.push_back({w.Nr, &w, nullptr});
    }
    std::vector<WearerRow> added;
    for (std::size_t i = 0; i < transactions.Count(); ++i) {
        const CInventory& t = transactions.At(i);
        if (t.Code == kAddWearer) {
            added.push_back({t.Nr, nullptr, &t});
        }
    }
    // The file's wearers are in number order already; the added ones join them in a merge.
    std::stable_sort(added.begin(), added.end(),
                     [](const WearerRow& a, const WearerRow& b) { return a.Nr < b.Nr; });
    const auto middle = m_rows.insert(m_rows.end(), added.begin(), added.end());
    std::inplace_merge(m_rows.begin(), middle, m_rows.end(),
                       [](const WearerRow& a, const WearerRow& b) { return a.Nr < b.Nr; });
    m_built = true;
}

int CWearerListState::Find(const WearerKey& key) const {
    if (!key.IsSet()) {
        return -1;
    }
    if (key.added) {
        const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), key.addedNr,
                                         [](const WearerRow& r, double n) { return r.Nr < n; });
        for (auto r = it; r != m_rows.end() && r->Nr == key.addedNr; ++r) {
            if (r->Added != nullptr) {
                return static_cast<int>(r - m_rows.begin());
            }
        }
        return -1;
    }
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), key.wearer->Nr,
                                     [](const WearerRow& r, double n) { return r.Nr < n; });
    for (auto r = it; r != m_rows.end() && r->Nr == key.wearer->Nr; ++r) {
        if (r->Wearer == key.wearer) {
            return static_cast<int>(r - m_rows.begin());
        }
    }
    return -1;
}

double CWearerListState::LowestFreeNumber() const {
    double previous = 0;
    for (const WearerRow& r : m_rows) {
        if (r.Nr > previous + 1) {
            return previous + 1;
        }
        previous = std::max(previous, r.Nr);
    }
    return previous + 1;
}

void CWearerListState::SaveView(std::string filter, std::vector<WearerKey> expanded) {
    m_saved = true;
    m_filter = std::move(filter);
    m_expanded = std::move(expanded);
}

void CWearerListState::ClearSavedView() {
    m_saved = false;
    m_filter.clear();
    m_expanded.clear();
}

}  // namespace kelvo
