#include "common/XmlWriter.h"

#include <algorithm>
#include <charconv>

#include "common/FileValues.h"
#include "common/Text.h"

namespace kelvo {

void appendElement(std::string& out, std::string_view line, std::string_view tag,
                   std::string_view value) {
    out.append(line).append("<").append(tag).append(">");
    out.append(value).append("</").append(tag).append(">");
}

void appendTextElement(std::string& out, std::string_view line, std::string_view tag,
                       std::string_view value) {
    out.append(line).append("<").append(tag).append(">");
    appendXmlEscaped(out, value);
    out.append("</").append(tag).append(">");
}

void appendWholeElement(std::string& out, std::string_view line, std::string_view tag,
                        std::int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendElement(out, line, tag, std::string_view(buffer, std::size_t(result.ptr - buffer)));
}

void appendFixedElement(std::string& out, std::string_view line, std::string_view tag, double value,
                        int decimals) {
    // Never more digits than a reader takes back (see kMaxFileNumber).
    appendElement(out, line, tag,
                  formatPrice(std::clamp(value, -kMaxFileNumber, kMaxFileNumber), decimals));
}

}  // namespace kelvo
