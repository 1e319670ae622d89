#pragma once

#include <string>
#include <vector>

#include "model/ProductSize.h"

namespace kelvo {

// One product of Products.xml with its sizes in file order (none when the file gives none).
struct CProduct {
    double ProductID = 0;
    std::string Code;
    std::string Description;
    std::vector<CProductSize> Sizes;

    // The first size with this SizeID; nullptr when the product has none.
    const CProductSize* FindSize(double sizeId) const {
        for (const CProductSize& s : Sizes) {
            if (s.SizeID == sizeId) {
                return &s;
            }
        }
        return nullptr;
    }
};

}  // namespace kelvo
