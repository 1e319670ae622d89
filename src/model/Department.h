#pragma once

#include <string>

namespace kelvo {

// One department of a customer (Department_<customer>.xml); new wearers go to an active one.
struct CDepartment {
    double DeptID = 0;
    std::string Description;
    char Active = '\0';

    // True when the department may be chosen (Active is 'Y').
    bool IsActive() const { return Active == 'Y'; }
};

}  // namespace kelvo
