#include "common/Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>

#include <locale.h>

namespace kelvo {

namespace {

constexpr std::size_t kNumberChars = 31;

// White space as the "C" locale knows it, whatever locale the process runs in.
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The part of a text that the number conversions look at.
std::string_view numberPart(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kNumberChars));
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    return text.substr(start);
}

// The "C" locale: the data files always write numbers with a '.' decimal point, whatever
// locale the GUI toolkit installed for the process (Qt sets LC_ALL from the environment).
locale_t cLocale() {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

}  // namespace

std::string narrowCopy(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    return std::string(text.substr(0, std::min(text.size(), bufferSize - 1)));
}

std::string textFromElement(std::string_view text) {
    return narrowCopy(text, kMaxFieldLength + 1);
}

double toDouble(std::string_view text) {
    std::string_view s = numberPart(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || !((s.front() >= '0' && s.front() <= '9') || s.front() == '.')) {
        return 0.0;  // "inf", "nan" and words are no amounts
    }
    // Most fields are whole numbers; up to 15 digits they are exact as a double, without the
    // general parse.
    if (s.size() <= 15 &&
        std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        std::int64_t whole = 0;
        for (const char c : s) {
            whole = whole * 10 + (c - '0');
        }
        const double exact = static_cast<double>(whole);
        return negative ? -exact : exact;
    }
    double value = 0.0;
    auto [end, ec] =
        std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    (void)end;
    return negative ? -value : value;
}

bool isNumberText(std::string_view text, bool whole) {
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && isBlank(text[start])) {
        ++start;
    }
    while (end > start && isBlank(text[end - 1])) {
        --end;
    }
    if (start == end) {
        return true;
    }
    if (end > kNumberChars) {
        return false;  // the conversion would not see the end of it
    }
    std::string_view s = text.substr(start, end - start);
    const bool negative = s.front() == '-';
    if (s.front() == '+' || s.front() == '-') {
        s.remove_prefix(1);
    }
    if (s.empty() || !((s.front() >= '0' && s.front() <= '9') || (!whole && s.front() == '.'))) {
        return false;
    }
    if (whole) {
        std::uint64_t value = 0;
        const auto [stop, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        const std::uint64_t limit =
            negative ? std::uint64_t(std::numeric_limits<std::int32_t>::max()) + 1
                     : std::uint64_t(std::numeric_limits<std::int32_t>::max());
        return ec == std::errc() && stop == s.data() + s.size() && value <= limit;
    }
    double value = 0.0;
    const auto [stop, ec] =
        std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    return ec == std::errc() && stop == s.data() + s.size() && std::isfinite(value);
}

std::int32_t toWhole(std::string_view text) {
    std::string_view s = numberPart(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            value = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
            break;
        }
    }
    if (negative) {
        value = -value;
    }
    value = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(value);
}

std::string format(const char* fmt, ...) {
    const locale_t c = cLocale();
    const locale_t previous = c ? ::uselocale(c) : locale_t(nullptr);
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    // Most texts fit the stack buffer: one formatting pass; longer ones take a second.
    char buffer[256];
    const int size = std::vsnprintf(buffer, sizeof buffer, fmt, copy);
    va_end(copy);
    std::string out;
    if (size > 0 && static_cast<std::size_t>(size) < sizeof buffer) {
        out.assign(buffer, static_cast<std::size_t>(size));
    } else if (size > 0) {
        out.resize(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, args);
        out.resize(static_cast<std::size_t>(size));
    }
    va_end(args);
    if (c) {
        ::uselocale(previous);
    }
    return out;
}

std::string formatPrice(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 10);
    // An amount that is no number is written as 0: that is what reading "nan" gives back.
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    // Halves are rounded as a person reads the number: from the shortest decimal text that
    // reads back as the same double (2.675 is "2.675", though the double lies a little below
    // it), away from zero. The digits are rounded where they stand; buffer[0] and buffer[1]
    // are room for a sign and a carry ("9.995" -> "10.00"), and the longest fixed text of a
    // double (5e-324) has 327 characters.
    char buffer[2 + 330 + 12];
    char* const digits = buffer + 2;
    char* end = std::to_chars(digits, digits + 330, std::fabs(value), std::chars_format::fixed).ptr;
    char* point = std::find(digits, end, '.');
    if (point == end) {
        *end++ = '.';
    }
    const auto have = end - point - 1;  // decimals of the shortest text
    char* start = digits;
    if (have <= decimals) {
        end = std::fill_n(end, decimals - have, '0');
    } else {
        const bool up = point[1 + decimals] >= '5';
        end = point + 1 + decimals;
        for (char* d = end - 1; up; --d) {
            if (d < digits) {
                start = d;  // a carry past the first digit
                *d = '1';
                break;
            }
            if (*d == '9') {
                *d = '0';
            } else if (*d != '.') {
                ++*d;
                break;
            }
        }
    }
    if (decimals == 0) {
        --end;  // no point without decimals
    }
    // A value that rounds to zero has no sign.
    if (value < 0 && std::any_of(start, end, [](char c) { return c >= '1' && c <= '9'; })) {
        *--start = '-';
    }
    return std::string(start, end);
}

std::string padZeros(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.insert(0, width - out.size(), '0');
    }
    return out;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
}

void appendXmlEscaped(std::string& out, std::string_view text) {
    std::size_t run = 0;  // start of the text not yet copied
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&' || c == '<' || c == '>') {
            out.append(text.substr(run, i - run));
            out.append(c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;");
            run = i + 1;
        } else if (isForbiddenInXml(c)) {
            // No file may hold a NUL or another control character: readers refuse the file.
            out.append(text.substr(run, i - run)).push_back('?');
            run = i + 1;
        }
    }
    out.append(text.substr(run));
}

std::string xmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendXmlEscaped(out, text);
    return out;
}

std::string normaliseLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    // Each line break, "\n" or "\r\n", is written "\r\n"; the text between is copied whole.
    std::size_t pos = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         pos = lf + 1, lf = text.find('\n', pos)) {
        const std::size_t end = lf > pos && text[lf - 1] == '\r' ? lf - 1 : lf;
        out.append(text.substr(pos, end - pos)).append("\r\n");
    }
    out.append(text.substr(pos));
    return out;
}

std::string oneDecimalInput(std::string_view text, bool& secondDecimal) {
    std::string out;
    bool point = false;
    int decimals = 0;
    secondDecimal = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (point && decimals == 1) {
                secondDecimal = true;
                continue;
            }
            out.push_back(c);
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
            out.push_back(c);
        }
    }
    return out;
}

char foldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') {
        return static_cast<char>(u + 32);
    }
    // ISO-8859-1 capitals A-grave..THORN, except the multiplication sign.
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) {
        return static_cast<char>(u + 32);
    }
    return c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldCase(x) == foldCase(y);
           });
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    if (needle.empty()) {
        return true;
    }
    auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                          [](char x, char y) { return foldCase(x) == foldCase(y); });
    return it != haystack.end();
}

bool isSafeNamePart(std::string_view text) {
    if (text.empty() || text.size() > kMaxNamePart || text.find("..") != std::string_view::npos) {
        return false;
    }
    // Separators of the device and of the host, a drive's colon, wildcards, the characters the
    // device's file names cannot hold, and control characters (NUL included).
    return std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    });
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::string utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto u = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = u;
        std::size_t len = 1;
        if (u >= 0xF0) {
            len = 4;
            cp = u & 0x07;
        } else if (u >= 0xE0) {
            len = 3;
            cp = u & 0x0F;
        } else if (u >= 0xC0) {
            len = 2;
            cp = u & 0x1F;
        }
        if (len > 1 && i + len <= utf8.size()) {
            for (std::size_t k = 1; k < len; ++k) {
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            }
        } else {
            len = 1;
            cp = u;
        }
        // A character the 8-bit files cannot hold is read as "?", never as its low byte (which
        // may be a NUL or a markup character).
        out.push_back(cp > 0xFF ? '?' : static_cast<char>(cp));
        i += len;
    }
    return out;
}

std::string quoteText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += format("\\u%04x", static_cast<unsigned>(c));
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

}  // namespace kelvo
