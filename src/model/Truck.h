#pragma once

#include <string>

namespace kelvo {

// One truck of Trucks.xml: the record element's own text is the truck's code.
struct CTruck {
    std::string Code;
};

}  // namespace kelvo
