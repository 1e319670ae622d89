#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvo {
class DeviceFs;
}

// The scenario player's work on files: putting host files on the device and comparing what the
// program leaves there. Device paths are ISO-8859-1 with backslashes, as the program keeps them.
namespace kelvo::scenario {

// Copies a host file to a device path (folders created, an existing file replaced). False when
// the host file is missing or the device file cannot be written.
bool copyToDevice(const DeviceFs& fs, const std::filesystem::path& hostFile,
                  std::string_view devicePath);

// Copies every file of a host folder into a device folder; subfolders and host files whose
// names begin with "." are left out. Returns the number of files copied, -1 when the host
// folder does not exist or a file cannot be copied.
int copyFolderToDevice(const DeviceFs& fs, const std::filesystem::path& hostFolder,
                       std::string_view deviceFolder);

// What writing the files of a device folder durably costs at least, for the timings of a
// scenario: the bytes of each file are written once more into a new host file that is flushed
// to disk, in a scratch folder on the device's disk (".durable-writes" in the device root, no
// device folder), whose entries are flushed once at the end; then it is deleted again. Returns
// the number of files, -1 when the folder or the scratch folder cannot be used.
int writeDurably(const DeviceFs& fs, std::string_view deviceFolder);

// Reads a host file whole; false when it cannot be read.
bool readHostBytes(const std::filesystem::path& file, std::string& out);

// "" when the bytes are equal; otherwise where `actual` first departs from `expected`, e.g.
// `a difference at byte 57 (line 3, column 12): "<Sto..." where the expected file has "<Sta..."`.
// Texts in the description are UTF-8.
std::string describeDifference(std::string_view actual, std::string_view expected);

// "" when `bytes` are an uncompressed 24-bit BMP picture of width x height pixels with something
// drawn on it (a pixel darker than mid-grey); otherwise what is wrong, e.g. "32 bits per pixel"
// or "a picture of 200 x 80".
std::string describeSignatureProblem(std::string_view bytes, int width, int height);

}  // namespace kelvo::scenario
