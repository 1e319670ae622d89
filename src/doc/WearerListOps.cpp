#include "doc/WearerListOps.h"

#include "doc/WearerData.h"
#include "doc/WearerRows.h"

namespace kelvo {

int reselectWearerRow(CWearerData& data, const CWearerRows& rows) {
    const WearerSelection& selection = data.ListState.Selection();
    int row = rows.RowOf(selection);
    if (row < 0 && selection.isProduct) {
        WearerSelection wearer;  // the product is gone: its wearer then
        wearer.wearer = selection.wearer;
        row = rows.RowOf(wearer);
    }
    if (row < 0) {
        data.ListState.Select({});
    }
    return row;
}

void chooseWearerRow(CWearerData& data, const CWearerRows& rows, int row) {
    data.ListState.Select(row < 0 ? WearerSelection{} : rows.SelectionOf(std::size_t(row)));
}

void wearerFilterApplied(CWearerData& data, const CWearerRows& rows) {
    data.ListState.SetExpandSelected(false);
    if (rows.Count() == 0) {
        data.ListState.Select({});
    }
}

void rememberWearerView(CWearerData& data, const CWearerRows& rows) {
    data.ListState.SaveView(rows.Filter(), rows.ExpandedKeys());
}

}  // namespace kelvo
