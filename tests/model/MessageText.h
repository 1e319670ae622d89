#pragma once

#include <string>
#include <vector>

#include "common/Prompter.h"
#include "model/CustomerFile.h"

namespace kelvo::test {

// Messages as "caption: text; " one after the other ("" for none).
inline std::string messageTexts(const std::vector<Message>& list) {
    std::string out;
    for (const Message& m : list) {
        out += m.caption + ": " + m.text + "; ";
    }
    return out;
}

// What became of a change of a customer's list, in a word.
inline std::string changeWord(FileChange change) {
    switch (change) {
        case FileChange::Done:
            return "done";
        case FileChange::Duplicate:
            return "duplicate";
        case FileChange::Unreadable:
            return "unreadable";
        case FileChange::NotWritten:
            return "not written";
    }
    return "?";
}

}  // namespace kelvo::test
