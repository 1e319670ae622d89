#pragma once

#include "model/GarmentList.h"
#include "model/GarmentReplace.h"

namespace kelvo {

// The garments to replace of one customer, "\VexXml\GarmentsToReplace_<customer>.xml", in
// code order. A garment may be listed with several reasons, but not with the same one twice.
class CGarmentsToReplace : public GarmentList<CGarmentReplace> {
public:
    // An empty list; SetPath and Load fill it.
    CGarmentsToReplace();
};

}  // namespace kelvo
