#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/Prompter.h"

namespace kelvo::test {

// Messages as "caption: text; " one after the other ("" for none).
inline std::string messageTexts(const std::vector<Message>& list) {
    std::string out;
    for (const Message& m : list) {
        out += m.caption + ": " + m.text + "; ";
    }
    return out;
}

// The text of an operation's message, or `none` when it showed none.
inline std::string textOr(const std::optional<Message>& m, const char* none = "done") {
    return m ? m->text : none;
}

}  // namespace kelvo::test
