#pragma once

#include <string>
#include <vector>

#include "common/Prompter.h"

namespace kelvo {

// What an entry field makes of a changed text: the text it keeps and the messages to show,
// in this order (none when the text was fine).
struct FieldCheck {
    std::string Text;
    std::vector<Message> Messages;
};

}  // namespace kelvo
