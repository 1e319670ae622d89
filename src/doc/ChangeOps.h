#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "doc/FieldMessages.h"
#include "doc/WearerChange.h"
#include "model/InventoryLine.h"

namespace kelvo {

class CKelvoDoc;
struct CAdjReason;

// The rules of the change screens of a selected product (exchange, quantity change) and of the
// work order that finishes every change that delivers garments.

// Takes back the first line of the change being built, for the screen to show it again when
// the driver returns from the work order; storing the screen appends it anew. nullopt when no
// change is being built.
std::optional<CInventoryLine> resumeChange(CKelvoDoc& doc);

// The exchange screen's choice.
struct ExchangeEntry {
    double PID = 0;
    double SID = 0;
    double TID = 0;       // 0: none chosen
    double FID = 0;       // 0: none chosen
    std::string price{};  // as typed; not used where the configuration shows no prices
};
// Appends the exchange of the selected product to the pending exchange transaction (started
// when there is none); without shown prices the new line keeps the replaced line's price.
// Refuses the selected product and size itself, and one the wearer has or has been given
// today ("Invalid data" in the result's notice). Done when stored; nothing is written yet.
WearerChange storeExchange(CKelvoDoc& doc, const ExchangeEntry& entry);

// The price field of the wearer screens' answer to a change, with the configuration's
// PriceDecimals (see checkPriceEntry).
FieldCheck checkWearerPrice(const CKelvoDoc& doc, std::string_view typed);

// The quantity screen's future values, as typed.
struct QuantityEntry {
    std::string quantity;
    std::string changes;
    std::string price{};
};
// True when the future quantity typed equals the selected product's quantity.
bool sameQuantity(const CKelvoDoc& doc, const std::string& quantity);
// True while the change may be stored: quantity and changes not 0, a quantity other than the
// current one and, when prices are shown, a price above 0 and not above 10000.
bool quantityComplete(const CKelvoDoc& doc, const QuantityEntry& entry);
// True when the future quantity is above the current one: the change delivers garments and is
// finished on the work order.
bool quantityRises(const CKelvoDoc& doc, const std::string& quantity);
// What storing a quantity change did: refused (an incomplete entry, or a save that failed:
// then the change's notices say why), on to the work order, or committed.
enum class QuantityStored { Refused, ToWorkOrder, Committed };
struct QuantityChange {
    QuantityStored stored = QuantityStored::Refused;
    WearerChange change;
};
// Builds the quantity change (code 7 up, 6 down) of the selected product; a lower quantity is
// committed at once.
QuantityChange storeQuantity(CKelvoDoc& doc, const QuantityEntry& entry);

// The reasons a work order offers: those neither for billing adjustments, undeliverable stops
// nor loss charges, in the list's order.
std::vector<const CAdjReason*> workOrderReasons(CKelvoDoc& doc);
// The work order's wearer line: number and name of the new wearer, else of the selected
// wearer's transaction, else of the selected wearer; "" without any.
std::string workOrderWearerLine(const CKelvoDoc& doc);
// The work order's fields: the chosen reason's ReasonCode ("" for none), reference and remark.
struct WorkOrderEntry {
    std::string reasonCode;
    std::string reference;
    std::string remark;
};
// Saves the work order: reason code, reference and remark (both empty for the "DUD" laundry)
// go into the pending transaction, which is committed (commitChange).
WearerChange saveWorkOrder(CKelvoDoc& doc, const WorkOrderEntry& entry);

}  // namespace kelvo
