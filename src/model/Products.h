#pragma once

#include <vector>

#include "model/Product.h"
#include "model/RecordList.h"

namespace kelvo {

class CProdPerCusts;

// The products of "\VexXml\Products.xml" with their sizes, ordered by Description ascending
// (case-sensitive, byte order); equal descriptions keep file order.
class CProducts : public RecordList<CProduct> {
public:
    // An empty list; SetPath and Load fill it.
    CProducts();

    // The products the customer rents (those whose ProductID the customer list holds), in
    // this list's order; ids of the customer list that name no product are left out.
    std::vector<const CProduct*> OfCustomer(const CProdPerCusts& customerProducts) const;
};

}  // namespace kelvo
