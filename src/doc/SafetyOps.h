#pragma once

namespace kelvo {

class CKelvoDoc;

// When the driver starts from the route-driver screen: records whether today's safety
// checklist is complete and, when it is not, asks "Perform safety checks ?". True when the
// driver wants to do the check now.
bool wantsSafetyCheck(CKelvoDoc& doc);

}  // namespace kelvo
