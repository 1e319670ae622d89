#pragma once

namespace kelvo {

class CWearerRows;
struct CWearerData;

// What the wearer screen does to the list state it keeps in the document (CWearerListState):
// the driver's choice of a row, the filter, and the view remembered for the driver's return.
// `rows` are the rows the screen shows now.

// The row to show selected after the rows were made anew: the selected row, else the wearer of
// a selected product row that is no longer shown. -1 when neither is shown: nothing is then
// selected.
int reselectWearerRow(CWearerData& data, const CWearerRows& rows);
// The driver selected row `row` (-1: no row).
void chooseWearerRow(CWearerData& data, const CWearerRows& rows, int row);
// The rows were filtered anew: no wearer is expanded by itself any more and, when no row is
// left, nothing is selected.
void wearerFilterApplied(CWearerData& data, const CWearerRows& rows);
// Remembers the filter and the expanded wearers, for the screen to show them again when the
// driver comes back.
void rememberWearerView(CWearerData& data, const CWearerRows& rows);

}  // namespace kelvo
