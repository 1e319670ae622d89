#pragma once

#include <string>

namespace kelvo {

// A garment to be replaced, kept in the customer's file
// "\VexXml\GarmentsToReplace_<customer>.xml".
struct CGarmentReplace {
    std::string ID;      // the garment's identification code
    std::string Reason;  // ReasonCode of the replacement reason (AdjReason list)
    std::string Ref;     // the reference the driver entered

    // Field by field.
    bool operator==(const CGarmentReplace&) const = default;
};

}  // namespace kelvo
