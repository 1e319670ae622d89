#pragma once

#include "model/WearerProduct.h"

namespace kelvo {

// How the wearer screen marks a row for the changes made today (its colour and whether the
// row's transaction can be cancelled).
enum class RowMark {
    None = -1,
    Quit = 0,             // a quit wearer or product, the old product of an exchange
    Added = 1,            // an added wearer or product, the new product of an exchange
    QuantityChanged = 2,  // a product whose quantity was changed
    Inactive = 3,         // a wearer the wearer file marks inactive
};

// One product as the wearer screen shows it under a wearer: the product line as it stands
// after today's transactions, and its mark.
struct CShownProduct {
    CWearerProduct Product;
    RowMark Mark = RowMark::None;

    bool operator==(const CShownProduct&) const = default;
};

}  // namespace kelvo
