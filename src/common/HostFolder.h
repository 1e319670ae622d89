#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kelvo {

class DeviceFs;

// A device folder read once for work on many of its files: its host folder and the names it
// holds, found case-insensitively as the device finds them. A device path looked up on its own
// reads the folder again for a name that is not there yet, so a transfer of many files that
// did that per file took time in the square of their number.
class HostFolder {
public:
    // Reads the folder's names (none when it is missing or the path is refused).
    HostFolder(const DeviceFs& fs, std::string_view deviceFolder);

    // False when the device path is refused (it would leave the device root).
    bool valid() const { return m_valid; }
    // The host folder.
    const std::filesystem::path& path() const { return m_path; }
    // Host path of the device name in the folder: the entry of that name in any case, else a
    // new entry of exactly that name.
    std::filesystem::path pathOf(std::string_view name) const;
    // True when the folder holds an entry of that name (any case, any kind).
    bool holds(std::string_view name) const;
    // Keep the names true after a change made at pathOf(name).
    void added(std::string_view name);
    void removed(std::string_view name);

private:
    static std::string key(std::string_view name);

    std::filesystem::path m_path;
    bool m_valid = false;
    std::unordered_map<std::string, std::string> m_names;  // folded device name -> host name
};

}  // namespace kelvo
