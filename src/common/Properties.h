#pragma once

#include <string>

namespace kelvo {

class DeviceFs;

// The properties file beside the program: it remembers the storage location, the folder
// (a storage card) that holds the data folder, in the single entry "Storagelocation=".

// Device path of the properties file: the program's path with "exe" replaced by "properties".
std::string propertiesPath();

// The storage location: "" for the device root. A missing file is created with the value "\"
// (device root). A value that is no plain folder name also means the device root.
std::string readStorageLocation(const DeviceFs& fs);

// Rewrites the file as "Storagelocation=" + location (no line end). False when it cannot be
// written.
bool writeStorageLocation(const DeviceFs& fs, const std::string& location);

}  // namespace kelvo
