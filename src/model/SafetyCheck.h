#pragma once

#include <string>

namespace kelvo {

// One item of the truck's safety checklist. Ok and NeedMaintenance are 'Y' or 'N'; the
// checklist screen keeps them exclusive (CSafetyChecks::MarkOk / MarkNeedMaintenance).
struct CSafetyCheck {
    std::string Code;
    std::string Description;
    char Ok = 'N';
    char NeedMaintenance = 'N';

    // True when the driver answered the item: at least one of the two marks is not 'N'.
    bool IsAnswered() const { return Ok != 'N' || NeedMaintenance != 'N'; }

    // Field by field.
    bool operator==(const CSafetyCheck&) const = default;
};

}  // namespace kelvo
