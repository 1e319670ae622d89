#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Building blocks of the data files' writers: one element on its own line, as
// line + "<tag>" + value + "</tag>", where line is the "\r\n" and tabs that start it.
namespace kelvo {

// The value as it stands (numbers, codes, identifiers).
void appendElement(std::string& out, std::string_view line, std::string_view tag,
                   std::string_view value);

// A free text, XML-escaped.
void appendTextElement(std::string& out, std::string_view line, std::string_view tag,
                       std::string_view value);

// A whole number, "%d".
void appendWholeElement(std::string& out, std::string_view line, std::string_view tag,
                        std::int32_t value);

// A decimal number with a fixed number of decimals: an amount, a mileage, an identifier held
// as a double. Written by formatPrice, so a file shows the digits the screen shows; clamped to
// kMaxFileNumber (FileValues.h).
void appendFixedElement(std::string& out, std::string_view line, std::string_view tag, double value,
                        int decimals);

}  // namespace kelvo
