#pragma once

#include <string>

namespace kelvo {

// One size a product comes in (an entry of the product's Sizes in Products.xml).
struct CProductSize {
    std::string Code;
    double SizeID = 0;
};

}  // namespace kelvo
