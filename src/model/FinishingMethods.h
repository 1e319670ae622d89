#pragma once

#include "model/FinishingMethod.h"
#include "model/RecordList.h"

namespace kelvo {

// The finishing methods of "\VexXml\FinishingMethods.xml" in file order.
class CFinishingMethods : public RecordList<CFinishingMethod> {
public:
    // An empty list; SetPath and Load fill it.
    CFinishingMethods();
};

}  // namespace kelvo
