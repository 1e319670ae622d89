#pragma once

#include <string>
#include <vector>

#include "common/Prompter.h"
#include "model/FieldCheck.h"

namespace kelvo {

// An entry field's answer as the driver gets it: the text the field keeps and the messages to
// show, in order (none when the text was fine).
struct FieldCheck {
    std::string Text;
    std::vector<Message> Messages;
};

// The answer for an entry: "Max Length is <maxLength>" for a text too long, "Valid chars are
// 0..9 and A..F!" for a garment code, the price refusals with `decimals` (the configuration's
// PriceDecimals) and "Only numerical characters are allowed!" for a quantity.
FieldCheck fieldCheck(const FieldEntry& entry, int maxLength, int decimals);

}  // namespace kelvo
