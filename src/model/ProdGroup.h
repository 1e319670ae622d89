#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/FlatProduct.h"

namespace kelvo {

// One product group of the flat-good catalogue with its products in file order.
struct CProdGroup {
    std::string pgdesc;
    std::vector<CFlatProduct> products;

    // The first product with this description; nullptr when there is none.
    const CFlatProduct* FindProduct(std::string_view pdesc) const {
        for (const CFlatProduct& p : products) {
            if (p.pdesc == pdesc) {
                return &p;
            }
        }
        return nullptr;
    }
};

}  // namespace kelvo
