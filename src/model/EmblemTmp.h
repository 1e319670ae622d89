#pragma once

#include <string>

namespace kelvo {

// One emblem template of a customer (EmblemTemplate_<customer>.xml).
struct CEmblemTmp {
    double EmblemTemplateID = 0;
    std::string Description;
    char Active = '\0';

    // True when the template may be chosen (Active is 'Y').
    bool IsActive() const { return Active == 'Y'; }
};

}  // namespace kelvo
