#include "model/GarmentScan.h"

#include "common/FileValues.h"
#include "common/Translate.h"
#include "model/AdjReasons.h"
#include "model/Flag.h"
#include "model/GarmentFlags.h"
#include "model/GarmentsToReplace.h"
#include "model/IDCode.h"

namespace kelvo {

namespace {

Message invalidData(std::string text) {
    return Message{std::move(text), tr("Invalid data"), MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace

std::vector<const CAdjReason*> replacementReasons(const CAdjReasons& reasons) {
    return reasons.OutsideGroups(
        {AdjReasonGroup::Undeliverable, AdjReasonGroup::LossCharge, AdjReasonGroup::BillingAdj});
}

std::optional<Message> storeGarmentFlag(const DeviceFs& fs, CGarmentFlags& flags,
                                        std::string_view lengths, std::string_view code,
                                        const CFlag* flag, std::string_view remark) {
    if (auto refusal = refuseIDCode(code, lengths)) {
        return refusal;
    }
    // An empty flag list leaves nothing to choose; said as for the reasons of a replacement.
    if (flag == nullptr) {
        return invalidData(tr("No Flag selected!"));
    }
    CGarmentFlag entry{fileText(code), fileNumber(flag->FlagID, 0), fileText(remark)};
    return flags.File().Report(flags.Store(fs, std::move(entry)),
                               tr("Same flag on the same garment is not allowed!"));
}

std::optional<Message> storeGarmentReplace(const DeviceFs& fs, CGarmentsToReplace& list,
                                           std::string_view lengths, std::string_view code,
                                           const CAdjReason* reason, std::string_view ref) {
    if (auto refusal = refuseIDCode(code, lengths)) {
        return refusal;
    }
    if (reason == nullptr) {
        return invalidData(tr("No Reason Code selected!"));
    }
    CGarmentReplace entry{fileText(code), fileText(reason->ReasonCode), fileText(ref)};
    return list.File().Report(list.Store(fs, std::move(entry)),
                              tr("Same flag on the same garment is not allowed!"));
}

}  // namespace kelvo
