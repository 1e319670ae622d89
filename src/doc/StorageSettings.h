#pragma once

#include <string>
#include <vector>

namespace kelvo {

class CKelvoDoc;
class DeviceFs;

// The name the settings list shows for the device's main memory (the empty storage location).
inline constexpr const char* kMainMemory = "Main Memory";

// The places the data folder can live: "Main Memory", then every storage card.
std::vector<std::string> storagePlaces(const DeviceFs& fs);

// Makes `place` (a name of storagePlaces) the storage location: moves the data folder there
// and rewrites the properties file. A move that fails part way is undone, so that no file is
// lost or left behind where the program no longer looks; the driver is told and the old
// location stays. True when the new location is in force.
bool changeStorageLocation(CKelvoDoc& doc, const std::string& place);

}  // namespace kelvo
