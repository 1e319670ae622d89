#pragma once

#include <string>

namespace kelvo {

// One locker of a customer (Locker_<customer>.xml): a locker within a bank of lockers.
struct CLocker {
    double LockerID = 0;
    std::string Bank;
    std::string Locker;
};

}  // namespace kelvo
