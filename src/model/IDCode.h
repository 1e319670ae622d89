#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/FieldCheck.h"

// The rules for a garment's identification code: hexadecimal digits (0 to 9, A to F) in one of
// the lengths the configuration allows (IDCodeLengths).
namespace kelvo {

// The ID-Code field's answer to a change: lower-case letters become upper case; a code longer
// than maxLength is cut to it (TooLong); a character other than 0-9 and A-F is found (NotHex)
// and kept, for the driver to correct.
FieldEntry checkTypedIDCode(std::string_view typed, std::int32_t maxLength);

// Why a code may not be stored: an empty code, a length that is not one of `lengths` (the
// configuration's text, " 8, 10,"), or a character other than 0-9 and A-F; None when it may.
enum class IDCodeProblem { None, Empty, Length, Chars };
IDCodeProblem idCodeProblem(std::string_view code, std::string_view lengths);

}  // namespace kelvo
