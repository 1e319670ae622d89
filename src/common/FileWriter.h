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
[[nodiscard]] bool writeFileAtomic(const DeviceFs& fs, std::string_view devicePath,
                                   std::string_view content);

// Whether a write also flushes its folder, which makes the rename durable, or leaves that to
// the caller: one flush of the folder (flushFolder) after many files costs one instead of many.
enum class FolderFlush { Now, Later };

// Copies a regular host file (a link is not followed) to a host path below the device root the
// same way: afterwards the target is the complete copy, or it is as it was before (a full card
// never keeps half a file).
[[nodiscard]] bool copyFileAtomic(const DeviceFs& fs, const std::filesystem::path& source,
                                  const std::filesystem::path& target,
                                  FolderFlush flush = FolderFlush::Now);

// Flushes a host folder's entries to disk (renames and deletions in it). False when it cannot.
bool flushFolder(const std::filesystem::path& hostFolder);

// True for the names of the temporary files the two functions above write: "." + the
// target's name + ".kelvo-" + six letters or digits. Nothing else has such a name, and device
// listings never show it (it starts with a dot).
bool isTemporaryName(std::string_view hostName);

// Deletes the temporary files that a crash or a kill left in a device folder (only names
// isTemporaryName accepts). Returns how many were deleted.
std::size_t removeLeftoverTemporaries(const DeviceFs& fs, std::string_view folder);

}  // namespace kelvo
