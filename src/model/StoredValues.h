#pragma once

#include <string>
#include <string_view>

// What a value becomes when the program writes it into a data file and reads it back. The
// readers of the files the program writes keep values in this form, and the writers write
// them in it, so that a file loaded, saved and loaded again gives the same data, whatever the
// file held, and no file gets a character that XML does not allow.
namespace kelvo {

// A free text: control characters other than tab and line feed become "?" (the files cannot
// hold them), every "\r\n" and lone "\r" becomes "\n" (as the parser reads line breaks), and a
// text of nothing but white space becomes "" (the parser drops such a text).
std::string storedText(std::string_view text);

// A note of several lines: storedText with "\r\n" line breaks.
std::string storedNotes(std::string_view text);

// A number written without decimals ("%.0f"): rounded to a whole number, never -0; a value that
// is no sensible number (not finite, or 15 digits and more) is 0.
double storedWhole(double value);

// A price written with `decimals` decimals (formatPrice): rounded as formatPrice rounds; a
// value that is no sensible price (not finite, or 15 digits and more) is 0.
double storedPrice(double value, int decimals);

}  // namespace kelvo
