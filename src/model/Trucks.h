#pragma once

#include "model/RecordList.h"
#include "model/Truck.h"

namespace kelvo {

// The trucks of "\VexXml\Trucks.xml" in file order.
class CTrucks : public RecordList<CTruck> {
public:
    // An empty list; SetPath and Load fill it.
    CTrucks();
};

}  // namespace kelvo
