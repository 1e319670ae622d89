#pragma once

#include <string>
#include <string_view>

// Values as a data file carries them back. A reader keeps of each field what the writer will
// write and the next read will give again, so that load -> save -> load changes nothing,
// whatever the file held.
namespace kelvo {

// Largest magnitude of a number kept from a data file. Beyond it a number is clamped (with
// its sign): it is nonsense for any field of the data files, and the clamped value still
// survives "%.4f" and the 31-character number reader exactly.
inline constexpr double kMaxFileNumber = 1e11;

// A text as the file carries it back: a character that XML cannot hold (a control character
// other than tab and line break, or the NUL of a character beyond U+00FF) becomes '?'; "\r\n"
// and a lone "\r" become "\n" (as the parser reads a written "\r"); a text of white space only
// becomes "" (the parser drops it).
std::string fileText(std::string_view text);

// A flag as the file carries it back: missing (NUL), white space or control character reads
// as `missing`; any other character as it is.
char fileFlag(char flag, char missing = 'N');

// A number written with formatPrice(value, decimals) (0 to 4), as it reads back: clamped to
// kMaxFileNumber and rounded to the decimals, halves away from zero.
double fileAmount(double value, int decimals);

// A quantity as the files write it: "%.0f", without the sign of a value that rounds to 0.
std::string formatQuantity(double value);

// A number written with formatQuantity, as it reads back: clamped to kMaxFileNumber and
// rounded to a whole number.
double fileQuantity(double value);

// Element writers for these values, as line + "<tag>" + value + "</tag>" (see XmlWriter.h).
// A flag is XML-escaped, and written as 'N' when fileFlag would read it as missing (so no NUL
// byte is ever written).
void appendFlagElement(std::string& out, std::string_view line, std::string_view tag, char flag);
// An amount or price through formatPrice(value, decimals).
void appendAmountElement(std::string& out, std::string_view line, std::string_view tag,
                         double value, int decimals);
// A quantity through formatQuantity.
void appendQuantityElement(std::string& out, std::string_view line, std::string_view tag,
                           double value);

}  // namespace kelvo
