#pragma once

#include <algorithm>
#include <vector>

namespace kelvo {

// One product a customer rents (CustomerProduct_<customer>.xml) with the finishing methods
// allowed for it, in file order.
struct CProdPerCust {
    double ProdID = 0;
    std::vector<double> FinMethods;

    // True when the finishing method is allowed for this product.
    bool HasFinMethod(double finMethodId) const {
        return std::find(FinMethods.begin(), FinMethods.end(), finMethodId) != FinMethods.end();
    }
};

}  // namespace kelvo
