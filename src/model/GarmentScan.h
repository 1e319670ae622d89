#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/Prompter.h"

// What storing a scanned garment does: the checks of the code (against the configuration's
// IDCodeLengths text, `lengths`) and of the choice, then the entry added to the customer's list
// in code order and the list's file written.
namespace kelvo {

class CAdjReasons;
class CGarmentFlags;
class CGarmentsToReplace;
class DeviceFs;
struct CAdjReason;
struct CFlag;

// The reasons offered for a replacement: those whose UndeliverableReason, LossChargeReason and
// BillingAdjReason flags are all 'N', in list order (pointers into the list).
std::vector<const CAdjReason*> replacementReasons(const CAdjReasons& reasons);

// Flags the garment `code` with `flag` (nullptr when none is chosen) and the remark, and
// writes the customer's garment flag file. nullopt when stored; else the message to show, and
// nothing changed: the code's refusal (refuseIDCode), "No Flag selected!", "Same flag on the
// same garment is not allowed!", or a file that could not be read or written.
std::optional<Message> storeGarmentFlag(const DeviceFs& fs, CGarmentFlags& flags,
                                        std::string_view lengths, std::string_view code,
                                        const CFlag* flag, std::string_view remark);

// Marks the garment `code` for replacement with `reason` (nullptr when none is chosen or none
// exists) and the reference, and writes the customer's garments-to-replace file. nullopt when
// stored; else the message to show, and nothing changed, as for storeGarmentFlag, with
// "No Reason Code selected!" for a missing reason.
std::optional<Message> storeGarmentReplace(const DeviceFs& fs, CGarmentsToReplace& list,
                                           std::string_view lengths, std::string_view code,
                                           const CAdjReason* reason, std::string_view ref);

}  // namespace kelvo
