#pragma once

#include <cstdint>
#include <string>

// How the wearer screens write wearers and products: the wearer rows with their number column,
// the product rows, and the words of the transactions in messages.
namespace kelvo {

class CProducts;

// Width of the wearer number column in space widths for the highest wearer number: 16 for up
// to 7 digits, else twice the digits plus 2 (a digit is two spaces wide in the list's font).
int wearerColumnWidth(double highestNumber);

// The list's head for a column width: "Wearer#", spaces to the name column, "Name"
// ("Wearer#   Name" for 16).
std::string wearerHeader(int columnWidth);

// A wearer row: the number ("%.0f"), spaces so that every name starts 16 (the column width)
// space widths from the left, and the name. Also the wearer in messages.
std::string wearerRowText(double number, const std::string& name, int columnWidth);

// A product row: a space, the product's code and the size's code (" SH100 M"); a product or size
// the Products list does not know shows its identifier.
std::string productRowText(const CProducts& products, double PID, double SID);

// The word of a transaction code in messages ("add wearer", ..., "adjust quantity"); "" for an
// unknown code.
std::string actionName(std::int32_t code);

}  // namespace kelvo
