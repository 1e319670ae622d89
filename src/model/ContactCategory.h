#pragma once

#include <string>

namespace kelvo {

// One category of ContactCategory.xml, chosen for a customer call.
struct CContactCategory {
    std::string Code;
    std::string Description;
};

}  // namespace kelvo
