#include "common/XmlWriter.h"

#include <charconv>
#include <cstring>

#include "common/Text.h"

namespace kelvo {

namespace {

// Copies text to p, returning the end of the copy.
char* put(char* p, std::string_view text) {
    return static_cast<char*>(std::memcpy(p, text.data(), text.size())) + text.size();
}

// "<tag>" after the line's start, and "</tag>": each sized once and filled, since a route file
// holds thousands of them.
void appendOpening(std::string& out, std::string_view line, std::string_view tag) {
    const std::size_t at = out.size();
    out.resize(at + line.size() + tag.size() + 2);
    char* p = put(out.data() + at, line);
    *p++ = '<';
    *put(p, tag) = '>';
}

void appendClosing(std::string& out, std::string_view tag) {
    const std::size_t at = out.size();
    out.resize(at + tag.size() + 3);
    char* p = out.data() + at;
    *p++ = '<';
    *p++ = '/';
    *put(p, tag) = '>';
}

}  // namespace

void appendElement(std::string& out, std::string_view line, std::string_view tag,
                   std::string_view value) {
    appendOpening(out, line, tag);
    out.append(value);
    appendClosing(out, tag);
}

void appendTextElement(std::string& out, std::string_view line, std::string_view tag,
                       std::string_view value) {
    appendOpening(out, line, tag);
    appendXmlEscaped(out, value);
    appendClosing(out, tag);
}

void appendWholeElement(std::string& out, std::string_view line, std::string_view tag,
                        std::int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendElement(out, line, tag, std::string_view(buffer, std::size_t(result.ptr - buffer)));
}

void appendFixedElement(std::string& out, std::string_view line, std::string_view tag, double value,
                        int decimals) {
    char buffer[352];  // room for the longest double: 309 digits, sign, point, decimals
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    appendElement(out, line, tag, std::string_view(buffer, std::size_t(result.ptr - buffer)));
}

}  // namespace kelvo
