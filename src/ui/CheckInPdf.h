#pragma once

#include <QString>
#include <vector>

namespace kelvo {

class PaperColumn;
struct SheetBlock;

// Lays the check-in sheet out: title, headings, lines, tables and the lines to sign on.
void layoutCheckIn(PaperColumn& paper, const std::vector<SheetBlock>& sheet);

// Writes the check-in sheet as an A4 PDF the cashier signs, to a host file; every page says
// which of how many it is. False when it could not be written.
bool writeCheckInPdf(const QString& file, const std::vector<SheetBlock>& sheet);

}  // namespace kelvo
