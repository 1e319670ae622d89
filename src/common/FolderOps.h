#pragma once

#include <string>
#include <string_view>

namespace kelvo {

class DeviceFs;

// Folder operations of the day's data cycle. Folders are device paths ending with "\".

// Every file of source goes to target: files whose name contains "Config.xml" are copied
// (overwriting), all others moved (a file whose name is already taken in target stays in
// source). Returns the number of files that could not be transferred.
int transferFolder(const DeviceFs& fs, std::string_view source, std::string_view target);

// transferFolder as a whole: every file goes, or none. When one cannot be transferred (a full
// disk, a read-only folder), the files already moved are moved back and the copies made are
// deleted again; false then.
bool transferFolderWhole(const DeviceFs& fs, std::string_view source, std::string_view target);

// True when the folder holds a file whose name contains `name` (case-insensitive).
bool markerPresent(const DeviceFs& fs, std::string_view folder, std::string_view name);

// Every file of source is copied to target and, with alsoSecond, to secondTarget (both
// overwriting), then deleted from source. A file that could not be copied to every target
// stays in source, untouched. Returns the number of files that stayed.
int moveOut(const DeviceFs& fs, std::string_view source, std::string_view target,
            std::string_view secondTarget, bool alsoSecond);

// Deletes every file in the folder.
void emptyFolder(const DeviceFs& fs, std::string_view folder);

// Deletes every file in the data folder of the storage location.
void clearDataFolder(const DeviceFs& fs, std::string_view storageLocation);

// Writes folder + "ZZArrivalCheck.xml" with the content the back office waits for.
bool writeArrivalMarker(const DeviceFs& fs, std::string_view folder);

}  // namespace kelvo
