#pragma once

#include <string>

namespace kelvo {

// One finishing method of FinishingMethods.xml.
struct CFinishingMethod {
    double ID = 0;
    std::string Desc;
};

}  // namespace kelvo
