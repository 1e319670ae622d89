#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class DeviceFs;

// Folder operations of the day's data cycle. Folders are device paths ending with "\".
// They take regular files only: links, devices and folders are left where they are (see
// DeviceFs::listNonFiles for naming them).

// Every file of source goes to target: files whose name contains "Config.xml" are copied
// (overwriting), all others moved. All or nothing: when one cannot be transferred (a full disk,
// a read-only folder, a name already taken in target), the files already moved are moved back
// and the copies made are deleted again; false then. `first` names a file that goes before all
// others (and comes back last): a marker whose presence in target tells the next start that a
// transfer is under way, so that one cut short by a crash is finished by calling this again.
// Time and memory in proportion to the number of files.
bool transferFolderWhole(const DeviceFs& fs, std::string_view source, std::string_view target,
                         std::string_view first = {});

// True when the folder holds a file whose name contains `name` (case-insensitive).
bool markerPresent(const DeviceFs& fs, std::string_view folder, std::string_view name);

// Sends the named files of `source` out: each one still in source is copied to `target`
// (replacing a file of that name) and then moved to `keep`; one that an earlier call already
// moved to `keep` is copied from there to `target` again (that call may have died before its
// copy was on disk). A file that could not be copied or moved stays in source, untouched. Every
// change is on disk when it returns. Returns the number of files that did not reach `target`.
int sendOut(const DeviceFs& fs, std::string_view source, std::string_view target,
            std::string_view keep, const std::vector<std::string>& names);

// Deletes every file in the folder.
void emptyFolder(const DeviceFs& fs, std::string_view folder);

// Deletes every file in the data folder of the storage location.
void clearDataFolder(const DeviceFs& fs, std::string_view storageLocation);

// Writes folder + "ZZArrivalCheck.xml" with the content the back office waits for.
[[nodiscard]] bool writeArrivalMarker(const DeviceFs& fs, std::string_view folder);

}  // namespace kelvo
