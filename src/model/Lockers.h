#pragma once

#include <string>
#include <vector>

#include "model/Locker.h"
#include "model/RecordList.h"

namespace kelvo {

// A customer's lockers, "\VexXml\Locker_" + customer id + ".xml". The list keeps file order:
// the back office sends the lockers in the order its own screens show them, and the bank and
// locker choices of the add-wearer screen follow it.
class CLockers : public RecordList<CLocker, RecordScope::PerCustomer> {
public:
    // An empty list; SetPath and Load fill it.
    CLockers();

    using RecordList::Find;

    // Each bank once, in the order of its first locker.
    std::vector<std::string> Banks() const;
    // The lockers of one bank (exact text), in file order (pointers into the list).
    std::vector<const CLocker*> LockersOfBank(const std::string& bank) const;
    // The first locker with this bank and locker text; nullptr when there is none.
    const CLocker* Find(const std::string& bank, const std::string& locker) const;
};

}  // namespace kelvo
