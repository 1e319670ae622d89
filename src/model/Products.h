#pragma once

#include "model/Product.h"
#include "model/RecordList.h"

namespace kelvo {

// The products of "\VexXml\Products.xml" with their sizes, ordered by Description ascending
// (case-sensitive, byte order); equal descriptions keep file order.
class CProducts : public RecordList<CProduct> {
public:
    // An empty list; SetPath and Load fill it.
    CProducts();
};

}  // namespace kelvo
