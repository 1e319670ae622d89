#pragma once

#include <string>
#include <vector>

namespace kelvo {

struct CheckInResult;

// One block of the check-in sheet: the core decides what the sheet says, the plain text and
// the PDF only lay it out.
struct SheetBlock {
    enum class Kind {
        Title,       // the sheet's title
        Heading,     // a part: money, invoices and stops, adjustments, work, consistency
        Subheading,  // a route or a truck within a part
        Line,        // a line of text
        Table,       // a table (below)
        Signature,   // a line to sign on, with its caption
    };
    Kind kind = Kind::Line;
    std::string text;  // the text of every kind but Table
    // A table: column heads, each column's share of the width (adding up to 1), the columns
    // aligned right (amounts, counts), its rows, and a last row that totals them ("" for none).
    std::vector<std::string> heads;
    std::vector<double> widths;
    std::vector<bool> right;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> total;
};

// The check-in sheet: the money per route and for the depot with what each driver hands over
// and a line for the cashier to sign, then what happened to the stops and invoices, the
// adjustments to approve, the work to hand on, and the findings with the verdict.
std::vector<SheetBlock> checkInSheet(const CheckInResult& result);

// The sheet as plain text for a terminal: one line per line, tables in columns. UTF-8.
std::string checkInText(const CheckInResult& result);

// Every figure and finding as one JSON object for the back office's tools (UTF-8); the field
// names are stable and listed in the README.
std::string checkInJson(const CheckInResult& result);

}  // namespace kelvo
