#pragma once

#include <string>

namespace kelvo {

// A flag (a defect or remark) put on one scanned garment, kept in the customer's garment flag
// file "\VexXml\GarmentFlags_<customer>.xml".
struct CGarmentFlag {
    std::string ID;      // the garment's identification code
    double FlagID = 0;   // the flag of the Flags list
    std::string Remark;  // the driver's remark

    // Field by field.
    bool operator==(const CGarmentFlag&) const = default;
};

}  // namespace kelvo
