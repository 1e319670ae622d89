#pragma once

#include <string>

namespace kelvo {

// How bad a finding of the day check is: an error keeps the day from going to the device, a
// warning is worth the back office's look but Kelvo works the day (see DayCheck.cpp).
enum class FindingSeverity { Error, Warning };

// What a finding of the day check is about.
enum class FindingKind {
    MissingFile,
    NotWellFormed,
    VersionRefused,
    RouteNameMismatch,
    TotalsDisagree,
    MissingWearerFile,
    TextTooLong,
    NotANumber,
    NotADate,
    UnsafeName,
    DuplicateStop,
    NotAFile,
};

// One finding of the day check: the file (its name in the import folder), the element where
// one applies ("/Route/Stops/Stop[StopNumber=3]/Invoices/Invoice"; for a missing file the
// element that asks for it; "" for the file as a whole) and what is wrong, in the user's
// language.
struct DayFinding {
    FindingSeverity severity = FindingSeverity::Error;
    FindingKind kind = FindingKind::MissingFile;
    std::string file;
    std::string element;
    std::string message;
    bool operator==(const DayFinding&) const = default;
};

// The kind's name for tools ("missing-file", "text-too-long", ...): stable, never translated.
const char* findingKindName(FindingKind kind);

}  // namespace kelvo
