#include "doc/ShownProduct.h"

#include "model/InventoryTransactions.h"
#include "model/Wearer.h"

namespace kelvo {

RowMark wearerMark(const CInventoryTransactions& list, const CWearer& wearer) {
    if (!wearer.IsActive()) {
        return RowMark::Inactive;
    }
    return list.IsQuit(wearer.ID) ? RowMark::Quit : RowMark::None;
}

std::vector<CShownProduct> shownProducts(const CInventoryTransactions& list,
                                         const CWearer& wearer) {
    std::vector<CShownProduct> shown;
    const std::string& WID = wearer.ID;
    const bool quit = list.IsQuit(WID);
    for (const CWearerProduct& p : wearer.Inventory) {
        if (const CInventoryLine* ex = list.FindExchangeLine(WID, p.PID, p.SID)) {
            shown.push_back({{ex->PID, ex->SID, ex->Qty, ex->Chg, ex->TID, ex->FID, ex->Price},
                             RowMark::Added});
            shown.push_back({p, RowMark::Quit});
            continue;
        }
        CShownProduct row{p, RowMark::None};
        if (const CInventoryLine* q = list.FindQuantityLine(WID, p.PID, p.SID)) {
            row.Product.Qty = q->Qty;
            row.Product.Chg = q->Chg;
            row.Product.Price = q->Price;
            row.Mark = RowMark::QuantityChanged;
        } else if (quit || list.IsProductQuit(WID, p.PID, p.SID)) {
            row.Mark = RowMark::Quit;
        } else if (list.IsProductAdded(WID, p.PID, p.SID)) {
            row.Mark = RowMark::Added;
        }
        shown.push_back(row);
    }
    for (const CInventory* t : list.OfWearer(WID)) {
        if (t->Code == kAddProduct) {
            for (const CInventoryLine& l : t->Lines) {
                shown.push_back(
                    {{l.PID, l.SID, l.Qty, l.Chg, l.TID, l.FID, l.Price}, RowMark::Added});
            }
        }
    }
    return shown;
}

std::vector<CShownProduct> shownProducts(const CInventory& addWearer) {
    std::vector<CShownProduct> shown;
    for (const CInventoryLine& l : addWearer.Lines) {
        shown.push_back({{l.PID, l.SID, l.Qty, l.Chg, l.TID, l.FID, l.Price}, RowMark::Added});
    }
    return shown;
}

}  // namespace kelvo
