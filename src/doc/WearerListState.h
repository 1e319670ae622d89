#pragma once

#include <string>
#include <utility>
#include <vector>

#include "doc/ShownProduct.h"

namespace kelvo {

class CInventoryTransactions;
class CWearers;
struct CInventory;
struct CWearer;

// Names one wearer row however often the rows are rebuilt: a wearer of the wearer file, or a
// wearer added here by its number.
struct WearerKey {
    const CWearer* wearer = nullptr;  // a wearer of the wearer file
    double addedNr = 0;               // without a wearer: the number of a wearer added here
    bool added = false;

    // True when the key names a row.
    bool IsSet() const { return wearer != nullptr || added; }
    bool operator==(const WearerKey&) const = default;
};

// One wearer row of the wearer screen.
struct WearerRow {
    double Nr = 0;
    const CWearer* Wearer = nullptr;    // a wearer of the wearer file, else nullptr
    const CInventory* Added = nullptr;  // the add wearer transaction of a wearer added here

    // The wearer's name as the list shows it (FName).
    const std::string& Name() const;
    // The key that finds this row again.
    WearerKey Key() const;
};

// The row selected on the wearer screen: a wearer row, or one of its product rows.
struct WearerSelection {
    WearerKey wearer;         // unset: no row selected
    bool isProduct = false;   // a product row of that wearer is selected
    CShownProduct product;    // the product row's product as the row shows it
    std::string productText;  // the product row's text (" SH100 M")

    bool operator==(const WearerSelection&) const = default;
};

// What the wearer screen keeps while the driver is on other screens, owned by the document:
// the wearer rows of the customer in number order (built once per customer, rebuilt after a
// wearer was added or an added wearer cancelled), the selected row, the view as it was left
// (filter and expanded wearers) and the expand flag that shows the selected wearer's products
// again after a product change was committed. Pointers held stay valid because the state is
// cleared whenever the wearer or transaction list is reloaded.
class CWearerListState {
public:
    // Forgets everything: rows, selection, saved view, expand flag.
    void Clear();

    // True when the wearer rows are built.
    bool Built() const { return m_built; }
    // Builds the wearer rows: every wearer of the wearer file and every wearer added here (add
    // wearer transactions), in number order; on equal numbers the file's wearers come first.
    void Build(const CWearers& wearers, const CInventoryTransactions& transactions);
    // The rows are built again when next needed (a wearer was added or cancelled).
    void Invalidate() { m_built = false; }
    // The wearer rows in number order.
    const std::vector<WearerRow>& Rows() const { return m_rows; }
    // Index of the row with this key; -1 when there is none.
    int Find(const WearerKey& key) const;
    // The lowest wearer number not taken: walking the rows' numbers from 0, one more than the
    // number before the first gap; else one more than the highest (1 without rows).
    double LowestFreeNumber() const;

    // The selected row (kept when the screen is left).
    const WearerSelection& Selection() const { return m_selection; }
    void Select(WearerSelection selection) { m_selection = std::move(selection); }

    // The view as the driver left it: its filter and the wearers whose products are shown.
    // Without a saved view the screen shows every wearer collapsed.
    bool HasSavedView() const { return m_saved; }
    void SaveView(std::string filter, std::vector<WearerKey> expanded);
    void ClearSavedView();
    const std::string& SavedFilter() const { return m_filter; }
    const std::vector<WearerKey>& SavedExpanded() const { return m_expanded; }

    // Set after a product change was committed: the selected wearer's products are shown when
    // the list is rebuilt.
    bool ExpandSelected() const { return m_expandSelected; }
    void SetExpandSelected(bool expand) { m_expandSelected = expand; }

private:
    bool m_built = false;
    std::vector<WearerRow> m_rows;
    WearerSelection m_selection;
    bool m_saved = false;
    std::string m_filter;
    std::vector<WearerKey> m_expanded;
    bool m_expandSelected = false;
};

}  // namespace kelvo
