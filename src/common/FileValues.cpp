#include "common/FileValues.h"

#include <algorithm>
#include <cmath>

#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

}  // namespace

bool exceedsFileNumber(double value) {
    return std::isfinite(value) && std::fabs(value) > kMaxFileNumber;
}

double fileNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        return 0.0;
    }
    decimals = std::clamp(decimals, 0, 10);
    value = std::clamp(value, -kMaxFileNumber, kMaxFileNumber);
    // Most numbers hold no more decimals than they are written with. Then value is k / 10^n for
    // a whole k of at most 15 digits, whose shortest text formatPrice writes unrounded and the
    // reader turns into the same double: no text needs to be made.
    const double scale = kPowersOfTen[decimals];
    const double scaled = value * scale;
    if (std::fabs(scaled) < 1e15 && std::nearbyint(scaled) / scale == value) {
        return value + 0.0;
    }
    // Otherwise exactly as formatPrice rounds (halves away from zero as the number reads); the
    // rounded text reads back as a double that the next write leaves as it is.
    return toDouble(formatPrice(value, decimals)) + 0.0;
}

void reportClampedNumbers(Prompter& prompter, std::string_view path, std::size_t count) {
    if (count == 0) {
        return;
    }
    prompter.inform(
        format(tr("%zu numbers in %s are larger than the file can hold and were cut "
                  "to %s.")
                   .c_str(),
               count, std::string(path).c_str(), formatPrice(kMaxFileNumber, 0).c_str()),
        tr("Error data"), MessageIcon::Warning);
}

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
        } else if (isForbiddenInXml(c)) {
            c = '?';
        }
        blank = blank && isBlank(c);
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

void appendFlagElement(std::string& out, std::string_view line, std::string_view tag, char flag) {
    const char c = fileFlag(flag, 'N');
    appendTextElement(out, line, tag, std::string_view(&c, 1));
}

}  // namespace kelvo
