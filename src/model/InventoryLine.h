#pragma once

#include <string>

namespace kelvo {

// One product line of an inventory transaction. For an exchange, PID and SID are the new
// product and size and OrgPID, OrgSID the replaced ones; otherwise OrgPID and OrgSID are 0.
struct CInventoryLine {
    double PID = 0;
    double SID = 0;
    double Qty = 0;  // quantity; the new quantity of a quantity change
    double Chg = 0;  // changes
    double TID = 0;  // emblem template identifier
    double FID = 0;  // finishing method identifier
    double Price = 0;
    double OrgPID = 0;
    double OrgSID = 0;
    // Make-a-like only, never written: the product's code, by which the size screen finds the
    // line, and the text of the size chosen for it ("" until one is chosen).
    std::string ProductKey;
    std::string SizeKey;

    bool operator==(const CInventoryLine&) const = default;
};

}  // namespace kelvo
