#pragma once

#include <string>

#include "support/TempDevice.h"

// The device folders of the day's data cycle, as the transfer tests look into them, and the
// back office's delivery of one day in tests/data/day/delivery.
namespace kelvo::test {

inline constexpr const char* kData = "\\VexXml\\";
inline constexpr const char* kExport = "\\My Documents\\After Arrival\\";
inline constexpr const char* kCopy = "\\VexXml\\Exported\\";
inline constexpr const char* kImport = "\\My Documents\\Before Departure\\";
// The arrival marker's content.
inline const std::string kArrival = "<ArrivalCheck>\r\n</ArrivalCheck>";

// The bytes of a file of the delivery.
inline std::string dayFile(const std::string& name) {
    return readHostFile(fixture("day/delivery/" + name));
}

}  // namespace kelvo::test
