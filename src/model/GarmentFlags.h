#pragma once

#include "model/GarmentFlag.h"
#include "model/GarmentList.h"

namespace kelvo {

// The garment flags of one customer, "\VexXml\GarmentFlags_<customer>.xml", in code order.
// A garment may carry several flags, but not the same flag twice.
class CGarmentFlags : public GarmentList<CGarmentFlag> {
public:
    // An empty list; SetPath and Load fill it.
    CGarmentFlags();
};

}  // namespace kelvo
