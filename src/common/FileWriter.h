#pragma once

#include <string_view>

namespace kelvo {

class DeviceFs;

// Writes a whole data file: the content goes to a temporary file in the same folder, is
// flushed to disk and then renamed over the target, so that a crash or power loss leaves
// either the old file or the new one, never half of one. The folder must exist.
// Returns false when the file could not be written (the old file is then untouched).
bool writeFileAtomic(const DeviceFs& fs, std::string_view devicePath, std::string_view content);

}  // namespace kelvo
