#include "model/StoredValues.h"

#include <algorithm>
#include <cmath>

#include "common/Text.h"

namespace kelvo {

namespace {

// Larger numbers do not fit the 31 characters a number is read from, once written with the
// decimals of a price.
constexpr double kLargestNumber = 1e15;

bool isSensible(double value) {
    return std::isfinite(value) && std::fabs(value) < kLargestNumber;
}

}  // namespace

std::string storedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
            out.push_back('?');
        } else {
            out.push_back(c);
        }
    }
    if (std::all_of(out.begin(), out.end(),
                    [](char c) { return c == ' ' || c == '\t' || c == '\n'; })) {
        out.clear();
    }
    return out;
}

std::string storedNotes(std::string_view text) {
    return normaliseLineBreaks(storedText(text));
}

double storedWhole(double value) {
    if (!isSensible(value)) {
        return 0.0;
    }
    // nearbyint rounds exact halves to even, as "%.0f" does; + 0.0 turns -0 into 0.
    return std::nearbyint(value) + 0.0;
}

double storedPrice(double value, int decimals) {
    return isSensible(value) ? toDouble(formatPrice(value, decimals)) + 0.0 : 0.0;
}

}  // namespace kelvo
