#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Prompter.h"
#include "doc/FieldMessages.h"
#include "doc/Outcome.h"

namespace kelvo {

class CKelvoDoc;

// Operations of the garment scan screen: a garment's code is flagged (a defect or remark of the
// Flags list) or marked for replacement (with a replacement reason), for the selected stop's
// customer.

// What the scan screen stores: flags or replacements.
enum class ScanMode { Flag, Replace };

// Loads the selected stop's garment flags and garments to replace (not read again for the same
// customer); a file that cannot be read is reported by its loader, and nothing is then stored
// into it. False without a selected stop.
bool openScan(CKelvoDoc& doc);

// The descriptions the screen's drop-down offers in a mode: every flag, or the replacement
// reasons, in list order.
std::vector<std::string> scanChoices(const CKelvoDoc& doc, ScanMode mode);

// The ID-Code field's answer to a change, with the configuration's largest code length.
FieldCheck checkScannedCode(const CKelvoDoc& doc, std::string_view typed);

// Stores the garment `code` with choice `choice` of scanChoices (-1: none chosen) and the
// remark or reference `text`, and writes the customer's file (done, the file written);
// else refused with the message to show, and nothing changed.
Outcome storeScan(CKelvoDoc& doc, ScanMode mode, int choice, std::string_view code,
                  std::string_view text);

}  // namespace kelvo
