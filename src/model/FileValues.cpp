#include "model/FileValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/Text.h"

namespace kelvo {

namespace {

// Whole numbers below 2^53 are written with all their digits and read back exactly.
constexpr double kExactWhole = 9007199254740992.0;
// Below 2^52 units of the last decimal, doubles lie closer together than one such unit.
constexpr double kFineSpacing = 4503599627370496.0;
// Characters of a number that a reader looks at.
constexpr std::size_t kNumberChars = 31;

// Written and read back until the value no longer changes: a very long number loses digits
// to the 31-character reading, and the shorter one is stable after a step or two.
double settle(double value, int decimals) {
    for (int step = 0; step < 8; ++step) {
        const double read = toDouble(formatPrice(value, decimals));
        if (read == value) {
            break;
        }
        value = read;
    }
    return value + 0.0;  // -0 becomes 0
}

}  // namespace

double fileWhole(double value) {
    if (std::fabs(value) < kExactWhole && value == std::trunc(value)) {
        return value + 0.0;
    }
    return settle(value, 0);
}

double filePrice(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 10);
    // The usual price: while the spacing of doubles near the value is finer than the last
    // decimal written, a value that comes back from its text with `decimals` decimals lies not
    // exactly halfway between two such texts, so formatPrice writes that same text. Anything
    // else takes the long way.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (std::fabs(value) * std::pow(10.0, decimals) < kFineSpacing && written.ec == std::errc() &&
        std::size_t(written.ptr - buffer) <= kNumberChars) {
        double read = 0;
        const auto parsed = std::from_chars(buffer, written.ptr, read);
        if (parsed.ec == std::errc() && parsed.ptr == written.ptr && read == value) {
            return value + 0.0;
        }
    }
    return settle(value, decimals);
}

void toFileText(std::string& text) {
    if (text.empty()) {
        return;
    }
    const bool plain = text.size() <= kMaxFieldLength &&
                       std::none_of(text.begin(), text.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (plain && text.find_first_not_of(' ') != std::string::npos) {
        return;
    }
    // A reader gives every line break as "\n" ("\r\n" and a lone "\r" alike).
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                continue;
            }
            lines.push_back('\n');
        } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
            lines.push_back('?');
        } else {
            lines.push_back(c);
        }
    }
    lines.resize(std::min(lines.size(), kMaxFieldLength));
    if (lines.find_first_not_of(" \t\n") == std::string::npos) {
        text.clear();
        return;
    }
    text = normaliseLineBreaks(lines);
}

}  // namespace kelvo
