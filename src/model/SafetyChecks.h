#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/SafetyCheck.h"

namespace kelvo {

class DeviceFs;

// The truck's safety checklist, "\VexXml\Safety.xml": the truck identifier and the items in
// file order. Read at Start, answered on the safety screen and written back whole.
class CSafetyChecks {
public:
    // Data root "" for an empty storage location, else "\" + storage location.
    void SetPath(const std::string& storageLocation);
    // The data root the list reads from and writes to.
    const std::string& DataRoot() const { return m_DataRoot; }
    // The device path of the checklist's file under the data root.
    std::string FilePath() const;

    // Reads Safety.xml, replacing the truck identifier and the items. False (silently) when
    // the file cannot be opened; the list then stays as it was. A file that does not parse
    // gives an empty list.
    bool Load(const DeviceFs& fs);
    // Writes Safety.xml byte for byte (replacing it whole, atomically). False when it could
    // not be written; the old file is then untouched.
    [[nodiscard]] bool Save(const DeviceFs& fs) const;
    // The file content Save writes.
    std::string Content() const;

    // True when every item is answered (so also for an empty list).
    bool IsComplete() const;
    // True when every item in [first, first + count) that exists is answered: the screen
    // moves on to the next page when the page shown is answered.
    bool AreAnswered(std::size_t first, std::size_t count) const;

    // The truck the checklist is for (free text).
    const std::string& TruckID() const { return m_TruckID; }
    // Sets the truck (the Select Truck dialog of the "DUD" laundry).
    void SetTruckID(const std::string& truckId) { m_TruckID = truckId; }

    // Number of items.
    std::size_t Count() const { return m_items.size(); }
    // Item i (0 <= i < Count(); std::out_of_range otherwise).
    const CSafetyCheck& At(std::size_t i) const { return m_items.at(i); }
    CSafetyCheck& At(std::size_t i) { return m_items.at(i); }
    // Appends an item (tests, and checklists built in code).
    void Add(const CSafetyCheck& item) { m_items.push_back(item); }

    // Marking Ok sets Ok 'Y' and NeedMaintenance 'N'; unmarking sets only Ok 'N' (the item
    // is then unanswered unless NeedMaintenance holds something else than 'N').
    void MarkOk(std::size_t i, bool marked);
    // The same with the roles of the two marks swapped.
    void MarkNeedMaintenance(std::size_t i, bool marked);

private:
    std::string m_DataRoot;
    std::string m_TruckID;
    std::vector<CSafetyCheck> m_items;
};

}  // namespace kelvo
