#pragma once

#include <string>

namespace kelvo {

// One garment flag of Flags.xml (a defect or remark put on a scanned garment).
struct CFlag {
    double FlagID = 0;
    std::string Description;
};

}  // namespace kelvo
