#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace kelvo {

class DeviceFs;

// Writes a whole data file: the content goes to a temporary file in the same folder, is
// flushed to disk and then renamed over the target, so that a crash or power loss leaves
// either the old file or the new one, never half of one. The folder must exist.
// Returns false when the file could not be written (the old file is then untouched).
bool writeFileAtomic(const DeviceFs& fs, std::string_view devicePath, std::string_view content);

// Copies a host file to a device path the same way: afterwards the target is the complete
// copy, or it is as it was before (a full card never keeps half a file).
bool copyFileAtomic(const DeviceFs& fs, const std::filesystem::path& source,
                    std::string_view devicePath);

// True for the names of the temporary files the two functions above write: "." + the
// target's name + ".kelvo-" + six letters or digits. Nothing else has such a name, and device
// listings never show it (it starts with a dot).
bool isTemporaryName(std::string_view hostName);

// Deletes the temporary files that a crash or a kill left in a device folder (only names
// isTemporaryName accepts). Returns how many were deleted.
std::size_t removeLeftoverTemporaries(const DeviceFs& fs, std::string_view folder);

}  // namespace kelvo
