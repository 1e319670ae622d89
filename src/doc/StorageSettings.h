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

// Makes `place` (a name of storagePlaces) the storage location: copies the data folder there,
// rewrites the properties file and only then deletes the files at the old place, so that at any
// moment every file is complete at the place the properties file names. Files of the new place
// with the names of moved files are replaced; its other files are set aside in its "Earlier\"
// folder, so that neither two days mix nor a file is lost. A move that fails part way (a full
// or removed card, a properties file that cannot be written) is undone, the driver is told and
// the old location stays. True when the new location is in force.
bool changeStorageLocation(CKelvoDoc& doc, const std::string& place);

// Settles a move that a crash cut short (see StorageMove): finished when the properties file
// already names the new place, else undone. Nothing when no move was recorded.
void settleStorageMove(const DeviceFs& fs);

}  // namespace kelvo
