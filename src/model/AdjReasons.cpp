#include "model/AdjReasons.h"

#include "common/XmlReader.h"

#include <algorithm>

namespace kelvo {

namespace {

CAdjReason readAdjReason(const XmlElement& e) {
    CAdjReason r;
    r.ReasonCode = e.text("ReasonCode");
    r.ReasonDescription = e.text("ReasonDescription");
    r.UndeliverableReason = e.flag("UndeliverableReason");
    r.InventoryAdjReason = e.flag("InventoryAdjReason");
    r.LossChargeReason = e.flag("LossChargeReason");
    r.BillingAdjReason = e.flag("BillingAdjReason");
    r.OrderingReason = e.flag("OrderingReason");
    return r;
}

}  // namespace

CAdjReasons::CAdjReasons() : RecordList("AdjReason.xml", &readAdjReason) {}

std::vector<const CAdjReason*> CAdjReasons::InGroup(AdjReasonGroup group) const {
    return Select([group](const CAdjReason& r) { return r.InGroup(group); });
}

std::vector<const CAdjReason*> CAdjReasons::OutsideGroups(
    std::initializer_list<AdjReasonGroup> groups) const {
    return Select([groups](const CAdjReason& r) {
        return std::all_of(groups.begin(), groups.end(),
                           [&r](AdjReasonGroup g) { return r.GroupFlag(g) == 'N'; });
    });
}

std::string CAdjReasons::DescriptionOf(const std::string& reasonCode) const {
    if (reasonCode.empty()) {
        return {};
    }
    const CAdjReason* r = FindBy(&CAdjReason::ReasonCode, reasonCode);
    return r != nullptr ? r->ReasonDescription : std::string();
}

}  // namespace kelvo
