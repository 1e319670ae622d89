#include "daygen/Text.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace daygen {

std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, fmt, args);
    va_end(args);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::vsnprintf(text.data(), text.size() + 1, fmt, copy);
    va_end(copy);
    return text;
}

std::string esc(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

double dollars(Cents cents) {
    return static_cast<double>(cents) / 100.0;
}
double unitPrice(Price4 price) {
    return static_cast<double>(price) / 10000.0;
}

std::string padZeros(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

double readBack2(Cents cents) {
    return std::strtod(format("%.2f", dollars(cents)).c_str(), nullptr);
}

Cents roundCents(double hundredths) {
    return static_cast<Cents>(hundredths + 0.5);
}

Cents extend(Price4 price, long quantity) {
    return (price * quantity + 50) / 100;
}

}  // namespace daygen
