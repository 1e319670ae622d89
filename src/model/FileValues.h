#pragma once

#include <string>

// What a value becomes when a data file carries it: written and read back. A record brought
// to these values is written and read back unchanged, whatever it held before.
namespace kelvo {

// A whole-number field ("%.0f"): rounded, halves away from zero; a number too long for the
// 31 characters a reader looks at shrinks to what those characters say; never -0.
double fileWhole(double value);

// A price written with `decimals` decimals, on the same terms.
double filePrice(double value, int decimals);

// A free text, in place: at most 255 characters, line breaks "\r\n", a control character
// other than tab and line break as "?" (none can stand in a well-formed file), and a text of
// white space alone empty (a reader does not keep it).
void toFileText(std::string& text);

}  // namespace kelvo
