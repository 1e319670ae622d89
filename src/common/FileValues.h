#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Values as a data file carries them back. Readers keep of each text and flag what the writer
// will write and the next read will give again; numbers keep the value the file gives (within
// kMaxFileNumber) and are rounded only as they are written. So what a save writes, loaded and
// saved again, is the same bytes, whatever the file held; every writer writes nothing a reader
// would refuse.
namespace kelvo {

class Prompter;

// Largest magnitude of a number a file carries: 15 digits before the point. Longer numbers
// would not fit the 31 characters a number is read from once written with decimals, and
// doubles hold no more digits exactly. Beyond it a number is clamped, keeping its sign.
inline constexpr double kMaxFileNumber = 999999999999999.0;

// A number written with formatPrice(value, decimals), as it reads back: not finite as 0,
// clamped to kMaxFileNumber, rounded to `decimals` (0 to 10) as formatPrice rounds; never -0.
// For what is held as the file writes it: identifiers that name files, totals kept in cents.
double fileNumber(double value, int decimals);
// An amount of money as a file carries it: rounded to cents as formatPrice rounds.
inline double cents(double value) {
    return fileNumber(value, 2);
}
// True when fileNumber had to clamp the value (it is beyond what a file carries).
bool exceedsFileNumber(double value);

// Tells the driver that `count` numbers of the file at path were beyond what a file carries
// and were clamped (caption "Error data"); nothing when count is 0.
void reportClampedNumbers(Prompter& prompter, std::string_view path, std::size_t count);

// A text as the file carries it back: a control character other than tab and line break
// becomes "?", "\r\n" and a lone "\r" become "\n" (as a parser reads line breaks), and a text
// of white space only becomes "" (a parser drops it). The readers apply it to every text.
std::string fileText(std::string_view text);

// A flag as the file carries it back: missing (NUL), white space or a control character reads
// as `missing`, any other character as it is.
char fileFlag(char flag, char missing = 'N');

// A flag element, as line + "<tag>" + flag + "</tag>" (see XmlWriter.h), XML-escaped; a flag
// that fileFlag reads as missing is written 'N' (no NUL byte is ever written). The readers of
// the files the program writes take a missing flag as 'N'. Numbers are written with
// appendFixedElement (XmlWriter.h).
void appendFlagElement(std::string& out, std::string_view line, std::string_view tag, char flag);

}  // namespace kelvo
