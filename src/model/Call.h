#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

class DeviceFs;

// The names of the call statuses 1 to 4, in this order; every screen that shows a status
// uses them.
inline constexpr std::array<const char*, 4> kCallStatusNames = {"New", "Needs follow-up",
                                                                "In progress", "Closed"};

// The name of a call status (translated); "" for a value outside 1 to 4.
std::string callStatusName(std::int32_t status);

// One customer call, kept in its own file data root + "\VexXml\Call_" + CallID + ".xml".
struct CCall {
    std::string CallID;         // names the file; see makeCallID
    std::string NewDate;        // "yyyyMMdd", the route's date when the call was made
    std::int32_t Person = 0;    // Number of the contact person spoken to
    std::string Category;       // code of the contact category
    std::int32_t Status = 0;    // 1 to 4, see kCallStatusNames
    std::string Notes;          // written when the call was made ("\r\n" line breaks)
    std::string FollowupNotes;  // added later ("\r\n" line breaks)
    double Sequence = 0;        // running number of the call within the stop; orders the calls
    bool IsNew = false;         // made on this visit and not saved yet

    // Field by field.
    bool operator==(const CCall&) const = default;

    // The call file's content.
    std::string Content() const;
    // Writes the call file, named from `name` when it is not "", else from CallID, in the data
    // folder of dataRoot (atomically). False when the name cannot be part of a file name or the
    // file could not be written.
    [[nodiscard]] bool Save(const DeviceFs& fs, std::string_view dataRoot,
                            std::string_view name = {}) const;
};

// What every call identifier of a stop starts with: the route's date "yyyyMMdd", the route
// number padded with zeros to 4, the stop number to 4 and the customer number ("%.0f") to 12.
std::string callPrefix(std::string_view routeDate, std::int32_t routeNumber,
                       std::uint32_t stopNumber, double customerNumber);
// A call identifier: the stop's prefix and the sequence ("%.0f") padded with zeros to 2; 30
// characters while the sequence stays below 100.
std::string makeCallID(std::string_view prefix, double sequence);

// The files of a call in the data folder of dataRoot: the call file ("Call_<id>.xml"), the
// saved voice message ("Call_<id>.wav") and the recording not yet saved ("Call_<id>_T.wav").
// "" when the identifier cannot be part of a file name.
std::string callFilePath(std::string_view dataRoot, std::string_view callId);
std::string voiceFilePath(std::string_view dataRoot, std::string_view callId);
std::string voiceRecordingPath(std::string_view dataRoot, std::string_view callId);

}  // namespace kelvo
