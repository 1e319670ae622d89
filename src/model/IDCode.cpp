#include "model/IDCode.h"

#include <algorithm>

#include "common/Text.h"

namespace kelvo {

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool isHex(std::string_view code) {
    return std::all_of(code.begin(), code.end(), isHexDigit);
}

// The allowed lengths of the configuration's text " 8, 10,".
std::vector<std::size_t> allowedLengths(std::string_view lengths) {
    std::vector<std::size_t> out;
    std::size_t start = 0;
    while (start < lengths.size()) {
        const std::size_t comma = std::min(lengths.find(',', start), lengths.size());
        const std::int32_t length = toWhole(lengths.substr(start, comma - start));
        if (length > 0) {
            out.push_back(static_cast<std::size_t>(length));
        }
        start = comma + 1;
    }
    return out;
}

}  // namespace

FieldEntry checkTypedIDCode(std::string_view typed, std::int32_t maxLength) {
    FieldEntry entry;
    entry.Text.reserve(typed.size());
    for (const char c : typed) {
        entry.Text.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    const std::size_t max = static_cast<std::size_t>(std::max(maxLength, 0));
    if (entry.Text.size() > max) {
        entry.Problems.push_back(FieldProblem::TooLong);
        entry.Text.resize(max);
    }
    if (!isHex(entry.Text)) {
        entry.Problems.push_back(FieldProblem::NotHex);
    }
    return entry;
}

IDCodeProblem idCodeProblem(std::string_view code, std::string_view lengths) {
    if (code.empty()) {
        return IDCodeProblem::Empty;
    }
    const std::vector<std::size_t> allowed = allowedLengths(lengths);
    if (std::find(allowed.begin(), allowed.end(), code.size()) == allowed.end()) {
        return IDCodeProblem::Length;
    }
    // The field reports other characters while they are typed but keeps them; a code the back
    // office could not match to a garment is not stored.
    return isHex(code) ? IDCodeProblem::None : IDCodeProblem::Chars;
}

}  // namespace kelvo
