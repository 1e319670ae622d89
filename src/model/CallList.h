#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Call.h"

namespace kelvo {

class CRoute;
struct CStop;
class DeviceFs;

// A call of a stop that Load left out: its identifier cannot name a file (path ""), or its
// file at path cannot be opened or is not well formed.
struct CallLeftOut {
    std::string CallID;
    std::string path;
};

// The calls of the current stop, ordered by Sequence: those read from the call files of the
// stop's call references, and a new call until it is saved. Owns its calls.
class CCallList {
public:
    // Data root "" for an empty storage location, else "\" + storage location.
    void SetPath(const std::string& storageLocation);
    // The data root of the call files.
    const std::string& DataRoot() const { return m_DataRoot; }

    // Empties the list and reads the call file of each call reference of the stop, in order.
    // A file that cannot be opened or is not well formed is left out, and so is an identifier
    // that cannot name a file; the other calls are read. Returns the calls left out, in order,
    // for the caller to report.
    std::vector<CallLeftOut> Load(const DeviceFs& fs, const CRoute& route, const CStop& stop);

    // Number of calls.
    std::size_t Count() const { return m_calls.size(); }
    // Call i (0 <= i < Count(); std::out_of_range otherwise).
    const CCall& At(std::size_t i) const { return m_calls.at(i); }
    // The highest Sequence among the stop's calls, those left out by Load included; 0 for none.
    double HighestSequence() const { return m_highest; }

    // Starts a new call: Sequence the highest + 1, its CallID (the name of its voice recording
    // before it is saved), added at the end. While a new call is not saved, that call is
    // returned instead. nullopt when the identifier (NewCallID) cannot name a file.
    std::optional<std::size_t> AddNew();
    // The identifier the next new call gets.
    std::string NewCallID() const;

    // Saves call i with the driver's choices: Person, Category, Status and the note, which
    // becomes Notes of a new call (with NewDate the route's date) and FollowupNotes of an
    // existing one, line breaks made "\r\n". A new call is added to the stop's call references
    // once its file is written (the caller then saves the route file). A voice recording of the
    // call becomes its voice message. False when the file could not be written: the call is
    // then left as it was.
    [[nodiscard]] bool Save(const DeviceFs& fs, std::size_t i, CStop& stop, std::int32_t person,
                            const std::string& category, std::int32_t status,
                            const std::string& note);

    // Removes the voice recording of call i that was not saved (nothing when there is none).
    void DiscardRecording(const DeviceFs& fs, std::size_t i) const;

private:
    std::string m_DataRoot;
    std::string m_routeDate;
    std::string m_prefix;  // the start of every call identifier of the stop
    double m_highest = 0;
    std::vector<CCall> m_calls;
};

// Number of the stop's first contact person whose Name is `name`; 0 when there is none.
std::int32_t contactPersonNumber(const CStop& stop, std::string_view name);

}  // namespace kelvo
