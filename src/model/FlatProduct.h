#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// One flat-good product of the catalogue "\VexXml\Flatgoodproducts.xml" with its prices per
// delivery frequency. The file's tags are lower-case, and so are the field names.
struct CFlatProduct {
    // The unit price for one delivery frequency.
    struct Price {
        double price = 0;
        std::string fcode;  // code of the frequency (Frequency list)
    };

    std::string pcode;
    std::string pdesc;
    std::vector<Price> prices;  // in file order

    // The first price for the frequency code; nullptr when the product has none.
    const Price* PriceFor(std::string_view fcode) const {
        for (const Price& p : prices) {
            if (p.fcode == fcode) {
                return &p;
            }
        }
        return nullptr;
    }
};

}  // namespace kelvo
