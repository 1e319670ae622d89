#pragma once

#include <string>

namespace kelvo {

// One flat-good service added for a customer, kept in the customer's file
// "\VexXml\FlatGoodTransactions_<customer>.xml".
struct CFlatGoodTrans {
    std::string Prodcode;  // pcode of the catalogue's product
    std::string Freqcode;  // code of the delivery frequency
    double Qty = 0;
    double Price = 0;  // unit price

    // Field by field.
    bool operator==(const CFlatGoodTrans&) const = default;
};

}  // namespace kelvo
