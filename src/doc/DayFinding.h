#pragma once

#include <string>

namespace kelvo {

// How bad a finding of the day check is: an error keeps the day from going to the device, a
// warning is worth the back office's look but Kelvo works the day (see DayCheck.cpp). In the
// check-in of a day that came back, an error is what makes the money or the day wrong
// (see CheckIn.cpp).
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
    // Found by the check-in of a day that came back.
    ExtraFile,         // a file came back that was neither sent nor written by the handheld
    ReturnedTwice,     // a route came back in two folders
    InvoiceOpen,       // an invoice came back neither settled nor undeliverable
    RouteNotEnded,     // a route came back without its end mileage
    SignatureMissing,  // a settled invoice that is signed for has no signature picture
    SafetyIncomplete,  // safety check items left unanswered
    VoiceUnreadable,   // a call's voice message does not play
    VoiceNotSaved,     // a voice recording whose call was never saved
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
