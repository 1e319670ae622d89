#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/AdjReason.h"
#include "model/RecordList.h"

namespace kelvo {

// The reasons of "\VexXml\AdjReason.xml" in file order.
class CAdjReasons : public RecordList<CAdjReason> {
public:
    // An empty list; SetPath and Load fill it.
    CAdjReasons();

    // The reasons whose flag for the group is 'Y', in file order (pointers into the list).
    std::vector<const CAdjReason*> InGroup(AdjReasonGroup group) const;
    // The reasons whose flags for all these groups are 'N', in file order. A missing flag is
    // not 'N', so such a reason is left out.
    std::vector<const CAdjReason*> OutsideGroups(
        std::initializer_list<AdjReasonGroup> groups) const;
    // ReasonDescription of the first reason with this ReasonCode; "" for an empty code or
    // when no reason has it.
    std::string DescriptionOf(const std::string& reasonCode) const;
};

}  // namespace kelvo
