#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text, number and escape helpers shared by every file reader, writer and screen.
// All texts are 8-bit ISO-8859-1 bytes, the way the data files hold them.
namespace kelvo {

// Longest text a data file field keeps.
inline constexpr std::size_t kMaxFieldLength = 255;

// The first (bufferSize - 1) bytes of text: what survives a copy into a fixed buffer.
std::string narrowCopy(std::string_view text, std::size_t bufferSize);

// An element's text as a field holds it: at most 255 characters.
std::string textFromElement(std::string_view text);

// Decimal number from the first 31 characters: leading blanks skipped, conversion stops at
// the first character that cannot belong to the number; 0 when there is no number.
double toDouble(std::string_view text);

// Whole number from the first 31 characters, as toDouble; clamped to the 32-bit range.
std::int32_t toWhole(std::string_view text);

// True when toDouble (whole: toWhole) reads the whole text as the number it writes: blanks
// around an optional sign and digits (for a decimal number at most one point, and an
// exponent), within the first 31 characters and, for a whole number, within 32 bits. An
// empty or blank text is a missing number (read as 0) and counts as one.
bool isNumberText(std::string_view text, bool whole);

// printf-style formatting into a std::string (numbers always with a '.' decimal point).
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// The one formatting of amounts and prices, on the screens and in the files: the value with
// `decimals` decimals (0 to 10), a half rounded away from zero as the number reads
// (12.125 -> "12.13", -12.125 -> "-12.13", 2.675 -> "2.68"), and no sign on a value that
// rounds to zero ("0.00", never "-0.00").
std::string formatPrice(double value, int decimals);
// An amount of money: formatPrice with two decimals.
inline std::string formatAmount(double value) {
    return formatPrice(value, 2);
}

// text with "0" put in front until it is at least `width` characters long.
std::string padZeros(std::string_view text, std::size_t width);

// "&" -> "&amp;", then "<" -> "&lt;", then ">" -> "&gt;": free text inside a data file. A
// character no XML file may hold (isForbiddenInXml) is written as "?".
std::string xmlEscape(std::string_view text);
// Appends xmlEscape(text) to out.
void appendXmlEscaped(std::string& out, std::string_view text);

// text in double quotes, with " \ line breaks and tabs escaped as \" \\ \n \r \t and other
// control characters as \u00XX: a JSON string of a UTF-8 text, and how reports show a text
// with its invisible characters.
std::string quoteText(std::string_view text);

// Every occurrence of `from` replaced by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// Line breaks made uniform: every "\r\n" becomes "\n", then every "\n" becomes "\r\n".
std::string normaliseLineBreaks(std::string_view text);

// Mileage entry rule: digits with at most one digit after the decimal point. Returns the text
// cut back to that form (anything but digits and the first point is left out);
// `secondDecimal` tells whether a digit after the first decimal had to be cut.
std::string oneDecimalInput(std::string_view text, bool& secondDecimal);

// Case-insensitive equality and search over ISO-8859-1 letters, as the device compares names.
bool equalsNoCase(std::string_view a, std::string_view b);
bool containsNoCase(std::string_view haystack, std::string_view needle);
char foldCase(char c);

// Longest text that may become part of a file name: with the longest prefix and ending, and
// each ISO-8859-1 character taking up to two bytes on the host, a name stays far below the
// 255 bytes a file system allows.
inline constexpr std::size_t kMaxNamePart = 100;

// The one decision whether a text from a data file may become part of a file name: not empty,
// at most kMaxNamePart characters, no "..", no path separator ("\\" or "/"), no drive colon,
// no wildcard, none of the characters the device's names cannot hold (" < > |) and no control
// character (NUL included). Every name built from data asks it.
bool isSafeNamePart(std::string_view text);

// True for the characters no XML file may hold: control characters other than tab, line feed
// and carriage return.
inline bool isForbiddenInXml(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

// ISO-8859-1 bytes <-> UTF-8; a character beyond U+00FF becomes "?".
std::string latin1ToUtf8(std::string_view latin1);
std::string utf8ToLatin1(std::string_view utf8);

}  // namespace kelvo
