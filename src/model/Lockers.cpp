#include "model/Lockers.h"

#include "common/XmlReader.h"

#include <algorithm>

namespace kelvo {

namespace {

CLocker readLocker(const XmlElement& e) {
    CLocker r;
    r.LockerID = e.number("LockerID");
    r.Bank = e.text("Bank");
    r.Locker = e.text("Locker");
    return r;
}

}  // namespace

CLockers::CLockers() : RecordList("Locker_", &readLocker) {}

std::vector<std::string> CLockers::Banks() const {
    std::vector<std::string> banks;
    for (const CLocker& l : *this) {
        if (std::find(banks.begin(), banks.end(), l.Bank) == banks.end()) {
            banks.push_back(l.Bank);
        }
    }
    return banks;
}

std::vector<const CLocker*> CLockers::LockersOfBank(const std::string& bank) const {
    return Select([&bank](const CLocker& l) { return l.Bank == bank; });
}

const CLocker* CLockers::Find(const std::string& bank, const std::string& locker) const {
    return RecordList::Find([&](const CLocker& l) { return l.Bank == bank && l.Locker == locker; });
}

}  // namespace kelvo
