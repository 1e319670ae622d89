#pragma once

#include "model/Flag.h"
#include "model/RecordList.h"

namespace kelvo {

// The garment flags of "\VexXml\Flags.xml" in file order.
class CFlags : public RecordList<CFlag> {
public:
    // An empty list; SetPath and Load fill it.
    CFlags();
};

}  // namespace kelvo
