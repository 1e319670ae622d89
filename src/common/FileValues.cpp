#include "common/FileValues.h"

#include <algorithm>
#include <cmath>

#include "common/Text.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

double clampToFile(double value) {
    return std::clamp(value, -kMaxFileNumber, kMaxFileNumber);
}

}  // namespace

std::string fileText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool blank = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                continue;  // the "\n" that follows stands for both
            }
            c = '\n';
        } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
            c = '?';
        }
        blank = blank && (c == ' ' || c == '\t' || c == '\n');
        out.push_back(c);
    }
    if (blank) {
        out.clear();
    }
    return out;
}

char fileFlag(char flag, char missing) {
    return static_cast<unsigned char>(flag) <= 0x20 ? missing : flag;
}

double fileAmount(double value, int decimals) {
    // Rounded in binary rather than through formatPrice and back: the result is k / 10^n for a
    // whole k, which formatPrice writes as exactly that k and the reader turns into the same
    // double again, whichever way a value next to a half went.
    const double scale = std::pow(10.0, std::clamp(decimals, 0, 4));
    return std::round(clampToFile(value) * scale) / scale + 0.0;
}

std::string formatQuantity(double value) {
    // Rounded first (as "%.0f" rounds), so that -0.4 is written "0" and not "-0".
    return format("%.0f", std::nearbyint(value) + 0.0);
}

double fileQuantity(double value) {
    return std::nearbyint(clampToFile(value)) + 0.0;  // as "%.0f" rounds
}

void appendFlagElement(std::string& out, std::string_view line, std::string_view tag, char flag) {
    const char c = fileFlag(flag);
    appendTextElement(out, line, tag, std::string_view(&c, 1));
}

void appendAmountElement(std::string& out, std::string_view line, std::string_view tag,
                         double value, int decimals) {
    appendElement(out, line, tag, formatPrice(value, decimals));
}

void appendQuantityElement(std::string& out, std::string_view line, std::string_view tag,
                           double value) {
    appendElement(out, line, tag, formatQuantity(value));
}

}  // namespace kelvo
