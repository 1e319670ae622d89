#pragma once

#include <string>

namespace kelvo {

// One wearer function of a customer (Function_<customer>.xml).
struct CFunction {
    double FunctionID = 0;
    std::string Description;
};

}  // namespace kelvo
