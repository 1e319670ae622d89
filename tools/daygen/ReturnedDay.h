#pragma once

#include <vector>

#include "daygen/Day.h"
#include "daygen/Writers.h"

// The day worked to its end, as the handhelds bring it back to the office (for the check-in):
// every route started and ended, every stop visited, now and then a stop that cannot be
// delivered; invoices settled in cash, by cheque or charged, a COD collected short or over, a
// line adjusted where the invoice's arithmetic allows it exactly; signatures, new calls (with
// voice messages) and follow-ups, wearer changes, garment flags and replacements, new flat-good
// services and the truck's safety check answered.
namespace daygen {

// The After Arrival folder of each handheld, in order: route r is worked on handheld
// r % handhelds; each folder holds the files of its routes and of their customers, every other
// file of the day (`sent`, as delivered) as it was, its own Config.xml and Safety.xml, and the
// arrival marker instead of the departure marker.
std::vector<FileSet> returnedDay(Day day, const FileSet& sent, int handhelds);

}  // namespace daygen
