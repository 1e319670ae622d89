#pragma once

#include <vector>

#include "model/Department.h"
#include "model/RecordList.h"

namespace kelvo {

// A customer's departments, "\VexXml\Department_" + customer id + ".xml", in file order.
class CDepartments : public RecordList<CDepartment, RecordScope::PerCustomer> {
public:
    // An empty list; SetPath and Load fill it.
    CDepartments();

    // The departments whose Active flag is 'Y', in file order (pointers into the list).
    std::vector<const CDepartment*> Active() const;
};

}  // namespace kelvo
