#pragma once

#include <optional>
#include <string>

#include <vector>

#include "common/Prompter.h"
#include "model/CallList.h"
#include "model/CustomerFile.h"

namespace kelvo {

class CRoute;

// What the driver is told about a customer's file of the scan and new services screens.

// Reports what reading `file` for the customer found: a file that cannot be read ("Cannot read
// <path>. The file is kept as it is, ...") or a customer number that cannot name a file, both
// with the caption "Load Error"; then the numbers beyond what a file carries, if any.
void reportFileRead(Prompter& prompter, const CustomerFile& file, double custId,
                    const FileRead& read);

// The message for what became of a change of a customer's list: nullopt when it was Done;
// `duplicate` (caption "Invalid data") for a Duplicate; a refusal naming the file when it could
// not be read, or a report naming it when it could not be written ("Error data files").
std::optional<Message> fileChangeMessage(const CustomerFile& file, FileChange change,
                                         const std::string& duplicate);

// Reports each call a stop's call list left out (caption "Load Error"): a file that cannot be
// opened or is not well formed ("Error Opening call XML: <path>"), or an identifier that cannot
// name a file (naming the route file).
void reportCallsLeftOut(Prompter& prompter, const CRoute& route,
                        const std::vector<CallLeftOut>& leftOut);

}  // namespace kelvo
