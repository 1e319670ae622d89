#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class DeviceFs;

// The properties file beside the program: its first line remembers the storage location,
// the folder (a storage card) that holds the data folder, as "Storagelocation=<folder>". The
// lines after it hold the device's own settings as "Key=value" (the belt printer).

// Device path of the properties file: the program's path with "exe" replaced by "properties".
std::string propertiesPath();

// The storage location: "" for the device root. A missing file is created with the value "\"
// (device root). A value that cannot name a folder (isSafeNamePart) also means the device
// root; it is then given in `refused` (when not null), else `refused` is cleared.
std::string readStorageLocation(const DeviceFs& fs, std::string* refused = nullptr);

// Rewrites the first line as "Storagelocation=" + location; the lines after it stay as they
// are (without a setting after it, the file is that one line without a line end). False when
// it cannot be written.
[[nodiscard]] bool writeStorageLocation(const DeviceFs& fs, const std::string& location);

// The value of the first line "Key=value" of the properties file whose key is `key` (compared
// without regard to case, as the device's file names are), without its line end and the
// blanks around it. nullopt when the file or such a line is missing; the file is not created.
std::optional<std::string> readProperty(const DeviceFs& fs, std::string_view key);

// A move of the data folder that has begun and is not finished: from one storage location to
// another ("" for the device root), with the names of the files it copies. It is recorded
// beside the properties file before the first file is copied and forgotten when the move is
// finished or undone, so that a move cut short by a crash is settled at the next start.
struct StorageMove {
    std::string From;
    std::string To;
    std::vector<std::string> Files;
};

// Records the move. False when it cannot be written (the move must then not begin).
[[nodiscard]] bool writeStorageMove(const DeviceFs& fs, const StorageMove& move);
// The move recorded; nullopt when there is none.
std::optional<StorageMove> readStorageMove(const DeviceFs& fs);
// Forgets the recorded move. False when the record stays.
bool clearStorageMove(const DeviceFs& fs);

// An export that has begun and is not finished, recorded beside the properties file with the
// storage location whose data folder it empties, before the first file leaves; forgotten once
// both arrival markers are written. The next start finishes an export a crash cut short.
[[nodiscard]] bool writeExportRecord(const DeviceFs& fs, const std::string& storageLocation);
// The storage location of the recorded export; nullopt when none is recorded.
std::optional<std::string> readExportRecord(const DeviceFs& fs);
// Forgets the recorded export. False when the record stays.
bool clearExportRecord(const DeviceFs& fs);

}  // namespace kelvo
