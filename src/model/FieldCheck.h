#pragma once

#include <string>
#include <vector>

namespace kelvo {

// What an entry field finds wrong with a changed text (each field checks its own).
enum class FieldProblem {
    TooLong,          // longer than the field's largest length: cut to it
    NotHex,           // a character other than 0-9 and A-F: kept, for the driver to correct
    NotPrice,         // no price (digits with at most one point): kept
    PriceTooBig,      // more than four digits before the point: cut to four
    TooManyDecimals,  // more decimals than allowed: cut
    NotDigits,        // a character other than a digit: removed
};

// What an entry field makes of a changed text: the text it keeps and what it found, in this
// order (none when the text was fine). src/doc turns the problems into messages.
struct FieldEntry {
    std::string Text;
    std::vector<FieldProblem> Problems;
};

}  // namespace kelvo
