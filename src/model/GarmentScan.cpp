#include "model/GarmentScan.h"

#include "common/FileValues.h"
#include "model/AdjReasons.h"
#include "model/Flag.h"
#include "model/GarmentFlags.h"
#include "model/GarmentsToReplace.h"

namespace kelvo {

std::vector<const CAdjReason*> replacementReasons(const CAdjReasons& reasons) {
    return reasons.OutsideGroups(
        {AdjReasonGroup::Undeliverable, AdjReasonGroup::LossCharge, AdjReasonGroup::BillingAdj});
}

GarmentStored storeGarmentFlag(const DeviceFs& fs, CGarmentFlags& flags, std::string_view lengths,
                               std::string_view code, const CFlag* flag, std::string_view remark) {
    if (const IDCodeProblem problem = idCodeProblem(code, lengths);
        problem != IDCodeProblem::None) {
        return {problem};
    }
    if (flag == nullptr) {
        return {IDCodeProblem::None, false};
    }
    CGarmentFlag entry{fileText(code), fileNumber(flag->FlagID, 0), fileText(remark)};
    return {IDCodeProblem::None, true, flags.Store(fs, std::move(entry))};
}

GarmentStored storeGarmentReplace(const DeviceFs& fs, CGarmentsToReplace& list,
                                  std::string_view lengths, std::string_view code,
                                  const CAdjReason* reason, std::string_view ref) {
    if (const IDCodeProblem problem = idCodeProblem(code, lengths);
        problem != IDCodeProblem::None) {
        return {problem};
    }
    if (reason == nullptr) {
        return {IDCodeProblem::None, false};
    }
    CGarmentReplace entry{fileText(code), fileText(reason->ReasonCode), fileText(ref)};
    return {IDCodeProblem::None, true, list.Store(fs, std::move(entry))};
}

}  // namespace kelvo
