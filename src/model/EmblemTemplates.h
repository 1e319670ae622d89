#pragma once

#include <vector>

#include "model/EmblemTmp.h"
#include "model/RecordList.h"

namespace kelvo {

// A customer's emblem templates, "\VexXml\EmblemTemplate_" + customer id + ".xml", in file
// order.
class CEmblemTemplates : public RecordList<CEmblemTmp, RecordScope::PerCustomer> {
public:
    // An empty list; SetPath and Load fill it.
    CEmblemTemplates();

    // The templates whose Active flag is 'Y', in file order (pointers into the list).
    std::vector<const CEmblemTmp*> Active() const;
};

}  // namespace kelvo
