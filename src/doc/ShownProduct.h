#pragma once

#include <vector>

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

class CInventoryTransactions;
struct CInventory;
struct CWearer;

// How the wearer screen marks a wearer of the wearer file: Inactive, else Quit when quit
// here today, else None.
RowMark wearerMark(const CInventoryTransactions& list, const CWearer& wearer);
// The products shown under a wearer of the wearer file: each product line as it stands
// after today's transactions (an exchanged line as its new product marked Added followed
// by the old one marked Quit; a changed quantity with the new quantity, changes and price
// marked QuantityChanged; products of a quit wearer or quit products marked Quit), then
// the lines of the wearer's add product transactions marked Added.
std::vector<CShownProduct> shownProducts(const CInventoryTransactions& list,
                                         const CWearer& wearer);
// The products of a wearer added here: the lines of its add wearer transaction, Added.
std::vector<CShownProduct> shownProducts(const CInventory& addWearer);

}  // namespace kelvo
