#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Texts and money as the day generator writes them.
namespace daygen {

using Cents = std::int64_t;   // money in hundredths
using Price4 = std::int64_t;  // unit prices in ten-thousandths (prices keep four decimals)

// printf-style formatting into a std::string (the "C" locale is in force: '.' as decimal point).
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Escapes a free text for a data file: "&", "<" and ">" become entities (quotes stay as they are).
std::string esc(std::string_view text);

double dollars(Cents cents);
double unitPrice(Price4 price);

std::string padZeros(std::string text, std::size_t width);

// The double that the handheld gets when it reads an amount written with two decimals.
double readBack2(Cents cents);

// The handheld's rounding of a value counted in hundredths: whole part of v + 0.5, in cents.
Cents roundCents(double hundredths);

// Amount of a quantity at a unit price, rounded half up to cents.
Cents extend(Price4 price, long quantity);

}  // namespace daygen
