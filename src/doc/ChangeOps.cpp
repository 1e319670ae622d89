#include "doc/ChangeOps.h"

#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/KelvoDoc.h"
#include "doc/WearerData.h"
#include "doc/WearerOps.h"
#include "model/NewService.h"

namespace kelvo {

namespace {

constexpr double kHighestPrice = 10000;

WearerChange invalidChange(const char* text) {
    return WearerChange::refused(warning(tr(text), tr("Invalid data")));
}

const CWearerProduct& selectedProduct(const CKelvoDoc& doc) {
    return doc.WearerData().ListState.Selection().product.Product;
}

}  // namespace

std::optional<CInventoryLine> resumeChange(CKelvoDoc& doc) {
    CInventory* t = doc.WearerData().Pending.Get();
    if (t == nullptr || t->Lines.empty()) {
        return std::nullopt;
    }
    const CInventoryLine line = t->Lines.front();
    t->RemoveFirstLine();
    return line;
}

WearerChange storeExchange(CKelvoDoc& doc, const ExchangeEntry& entry) {
    CWearerData& d = doc.WearerData();
    const CWearerProduct& p = selectedProduct(doc);
    if (entry.PID == p.PID && entry.SID == p.SID) {
        return invalidChange(
            "Exchange with the same product/size not allowed. Choose another product or size!");
    }
    const std::string WID = selectedWID(d);
    const CWearer* wearer = selectedWearer(d);
    if ((wearer != nullptr && wearer->HasProduct(entry.PID, entry.SID)) ||
        d.Transactions.IsProductAdded(WID, entry.PID, entry.SID)) {
        return invalidChange(
            "Exchange with this product/size not allowed. Choose another product or size!");
    }
    CInventory* t = d.Pending.Get();
    if (t == nullptr) {
        t = &d.Pending.Begin(currentCustomer(doc), kExchangeProduct, WID);
    }
    // Where the driver is shown no prices, the new garment is charged as the one it replaces.
    const double price = doc.Config().ShowsWearerPrices() ? toDouble(entry.price) : p.Price;
    t->AddLine(entry.PID, entry.SID, p.Qty, p.Chg, entry.TID, entry.FID, price, p.PID, p.SID);
    return {true, {}, {}};
}

FieldCheck checkWearerPrice(const CKelvoDoc& doc, std::string_view typed) {
    const int decimals = doc.Config().PriceDecimals();
    return fieldCheck(checkPriceEntry(typed, decimals), 0, decimals);
}

bool sameQuantity(const CKelvoDoc& doc, const std::string& quantity) {
    return !quantity.empty() && toDouble(quantity) == selectedProduct(doc).Qty;
}

bool quantityRises(const CKelvoDoc& doc, const std::string& quantity) {
    return toDouble(quantity) > selectedProduct(doc).Qty;
}

bool quantityComplete(const CKelvoDoc& doc, const QuantityEntry& entry) {
    const double quantity = toDouble(entry.quantity);
    const double price = toDouble(entry.price);
    return quantity != 0 && toDouble(entry.changes) != 0 && quantity != selectedProduct(doc).Qty &&
           (!doc.Config().ShowsWearerPrices() || (price > 0 && price <= kHighestPrice));
}

QuantityChange storeQuantity(CKelvoDoc& doc, const QuantityEntry& entry) {
    if (!quantityComplete(doc, entry)) {
        return {QuantityStored::Refused, {}};
    }
    CWearerData& d = doc.WearerData();
    const CWearerProduct& p = selectedProduct(doc);
    CInventory* t = d.Pending.Get();
    if (t == nullptr) {
        t = &d.Pending.Begin(currentCustomer(doc), kQuantityDown, selectedWID(d));
    }
    const bool rises = quantityRises(doc, entry.quantity);
    t->Code = rises ? kQuantityUp : kQuantityDown;
    t->AddLine(p.PID, p.SID, toDouble(entry.quantity), toDouble(entry.changes), 0, 0,
               toDouble(entry.price));
    if (rises) {
        return {QuantityStored::ToWorkOrder, {true, {}, {}}};
    }
    WearerChange change = commitChange(doc);
    if (!change.done) {
        resumeChange(doc);  // the line goes back to the screen, which still shows it
        return {QuantityStored::Refused, std::move(change)};
    }
    return {QuantityStored::Committed, std::move(change)};
}

std::vector<const CAdjReason*> workOrderReasons(CKelvoDoc& doc) {
    return doc.AdjReasons().OutsideGroups(
        {AdjReasonGroup::BillingAdj, AdjReasonGroup::Undeliverable, AdjReasonGroup::LossCharge});
}

std::string workOrderWearerLine(const CKelvoDoc& doc) {
    const CWearerData& d = doc.WearerData();
    const CInventory* pending = d.Pending.Get();
    if (pending != nullptr && !pending->FName.empty()) {
        return format("%.0f", pending->Nr) + " " + pending->FName;
    }
    if (const CInventory* t = selectedTransactionWearer(d)) {
        return format("%.0f", t->Nr) + " " + t->FName;
    }
    if (const CWearer* w = selectedWearer(d)) {
        return format("%.0f", w->Nr) + " " + w->FName;
    }
    return {};
}

WearerChange saveWorkOrder(CKelvoDoc& doc, const WorkOrderEntry& entry) {
    CInventory* t = doc.WearerData().Pending.Get();
    if (t == nullptr) {
        return {};
    }
    t->ReasonCode = entry.reasonCode;
    const bool dud = doc.Config().IsDud();
    t->Ref = dud ? std::string() : entry.reference;
    t->Rem = dud ? std::string() : entry.remark;
    return commitChange(doc);
}

}  // namespace kelvo
