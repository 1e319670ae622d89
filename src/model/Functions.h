#pragma once

#include "model/Function.h"
#include "model/RecordList.h"

namespace kelvo {

// A customer's wearer functions, "\VexXml\Function_" + customer id + ".xml", in file order.
class CFunctions : public RecordList<CFunction, RecordScope::PerCustomer> {
public:
    // An empty list; SetPath and Load fill it.
    CFunctions();
};

}  // namespace kelvo
