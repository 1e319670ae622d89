#pragma once

#include <string>

namespace kelvo {

// The groups of reasons: each screen that asks for a reason offers the reasons of its group.
enum class AdjReasonGroup {
    Undeliverable,  // a stop that cannot be delivered
    BillingAdj,     // an invoice line adjustment
    Ordering,       // an extra order on an invoice line
    InventoryAdj,   // an inventory change
    LossCharge,     // a loss charge
};

// One reason of AdjReason.xml. The driver sees ReasonDescription; the data files get
// ReasonCode. A reason belongs to every group whose flag is 'Y' (several at once is normal).
struct CAdjReason {
    std::string ReasonCode;
    std::string ReasonDescription;
    char UndeliverableReason = '\0';
    char InventoryAdjReason = '\0';
    char LossChargeReason = '\0';
    char BillingAdjReason = '\0';
    char OrderingReason = '\0';

    // The flag character of a group as read ('\0' when the file had none).
    char GroupFlag(AdjReasonGroup group) const {
        switch (group) {
            case AdjReasonGroup::Undeliverable:
                return UndeliverableReason;
            case AdjReasonGroup::BillingAdj:
                return BillingAdjReason;
            case AdjReasonGroup::Ordering:
                return OrderingReason;
            case AdjReasonGroup::InventoryAdj:
                return InventoryAdjReason;
            case AdjReasonGroup::LossCharge:
                return LossChargeReason;
        }
        return '\0';
    }
    // True when the reason is a member of the group (its flag is 'Y').
    bool InGroup(AdjReasonGroup group) const { return GroupFlag(group) == 'Y'; }
};

}  // namespace kelvo
