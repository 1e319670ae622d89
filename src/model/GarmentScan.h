#pragma once

#include <string_view>
#include <vector>

#include "model/CustomerFile.h"
#include "model/IDCode.h"

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

// What became of a scanned garment: refused for its code (code not None) or for want of a
// choice (chosen false) before the list was touched; else what became of the list and its file.
struct GarmentStored {
    IDCodeProblem code = IDCodeProblem::None;
    bool chosen = true;
    FileChange change = FileChange::Done;

    // True when the entry was added and the file written.
    bool done() const {
        return code == IDCodeProblem::None && chosen && change == FileChange::Done;
    }
};

// Flags the garment `code` with `flag` (nullptr when none is chosen) and the remark, and
// writes the customer's garment flag file; nothing changes unless it is done. The same flag on
// the same garment is refused (Duplicate).
GarmentStored storeGarmentFlag(const DeviceFs& fs, CGarmentFlags& flags, std::string_view lengths,
                               std::string_view code, const CFlag* flag, std::string_view remark);

// Marks the garment `code` for replacement with `reason` (nullptr when none is chosen or none
// exists) and the reference, and writes the customer's garments-to-replace file, as
// storeGarmentFlag does.
GarmentStored storeGarmentReplace(const DeviceFs& fs, CGarmentsToReplace& list,
                                  std::string_view lengths, std::string_view code,
                                  const CAdjReason* reason, std::string_view ref);

}  // namespace kelvo
