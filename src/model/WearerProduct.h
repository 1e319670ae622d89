#pragma once

namespace kelvo {

// One product line of a wearer in the wearer file: garments of one product and size that the
// wearer has in circulation. Product and size together identify the line.
struct CWearerProduct {
    double PID = 0;    // product identifier (Products list)
    double SID = 0;    // size identifier (a size of that product)
    double Qty = 0;    // garments the wearer has
    double Chg = 0;    // changes: garment sets of this product in rotation
    double TID = 0;    // emblem template identifier
    double FID = 0;    // finishing method identifier
    double Price = 0;  // price per garment

    bool operator==(const CWearerProduct&) const = default;
};

}  // namespace kelvo
