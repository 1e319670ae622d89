#pragma once

#include <string>

namespace kelvo {

// One delivery frequency of Frequency.xml. The file's tags are lower-case, and so are the
// field names.
struct CFrequency {
    std::string code;
    std::string desc;
};

}  // namespace kelvo
