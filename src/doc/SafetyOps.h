#pragma once

#include <cstddef>
#include <string>

namespace kelvo {

class CKelvoDoc;
struct FrameFlags;

// Start on the route-driver screen, once it has set the frame's safety-check-pending flag:
// clears the flag, records whether today's safety checklist is complete and, when it is not,
// asks "Perform safety checks ?". True when the driver wants to do the check now. Without the
// flag (Next, Back from the routes) nothing is asked or recorded.
bool wantsSafetyCheck(CKelvoDoc& doc, FrameFlags& flags);

// The "DUD" laundry's driver chose the truck the safety checklist is for (a code of the day's
// trucks); the checklist takes it, to be saved with its answers.
void chooseSafetyTruck(CKelvoDoc& doc, const std::string& truckCode);

// Which box of a checklist item the driver tapped.
enum class SafetyAnswer { Ok, NeedMaintenance };

// Marks (or, with marked false, unmarks) one answer of checklist item `item`; marking one box
// clears the other. The mark stays in memory until the next Save or Cancel. An item beyond the
// list is ignored.
void markSafetyCheck(CKelvoDoc& doc, std::size_t item, SafetyAnswer answer, bool marked);

// Drops the marks made since the last save by reading Safety.xml again. When it cannot be read
// the driver is told ("Load Error") and the marks stay as they are, to be saved or dropped
// later. False then.
bool cancelSafetyChecks(CKelvoDoc& doc);

// Saves the safety checklist and counts today's check as done. When Safety.xml cannot be
// written the driver is told: the old file stays whole, the marks stay in memory for the next
// Save, and the check does not count as done. False then.
bool saveSafetyChecks(CKelvoDoc& doc);

}  // namespace kelvo
