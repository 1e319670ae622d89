#pragma once

#include "model/ContactCategory.h"
#include "model/RecordList.h"

namespace kelvo {

// The contact categories of "\VexXml\ContactCategory.xml" in file order.
class CContactCategories : public RecordList<CContactCategory> {
public:
    // An empty list; SetPath and Load fill it.
    CContactCategories();
};

}  // namespace kelvo
