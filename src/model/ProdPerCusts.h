#pragma once

#include "model/ProdPerCust.h"
#include "model/RecordList.h"

namespace kelvo {

// The products a customer rents, "\VexXml\CustomerProduct_" + customer id + ".xml", ordered
// by ProdID ascending; equal ids keep file order.
class CProdPerCusts : public RecordList<CProdPerCust, RecordScope::PerCustomer> {
public:
    // An empty list; SetPath and Load fill it.
    CProdPerCusts();

    // True when the customer rents the product.
    bool Contains(double prodId) const { return FindBy(&CProdPerCust::ProdID, prodId) != nullptr; }
};

}  // namespace kelvo
