#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/DeviceFs.h"

namespace kelvo::test {

// A fresh device root in a temporary folder, removed again with the object.
class TempDevice {
public:
    TempDevice();
    ~TempDevice();
    TempDevice(const TempDevice&) = delete;
    TempDevice& operator=(const TempDevice&) = delete;

    const DeviceFs& fs() const { return m_fs; }
    const std::filesystem::path& root() const { return m_fs.root(); }

    // Writes a device file (folders created) with exactly these bytes.
    void put(std::string_view devicePath, std::string_view content) const;
    // Copies a fixture file of tests/data (or any host file) to a device path.
    void putFixture(std::string_view devicePath, const std::filesystem::path& hostFile) const;
    // Copies every file of a host folder into a device folder.
    void putFolder(std::string_view deviceFolder, const std::filesystem::path& hostFolder) const;
    // The bytes of a device file ("" when missing).
    std::string read(std::string_view devicePath) const;
    // True when the device file exists.
    bool exists(std::string_view devicePath) const { return m_fs.isFile(devicePath); }
    // Number of files in a device folder.
    std::size_t count(std::string_view deviceFolder) const;

private:
    DeviceFs m_fs;
};

// Bytes of a host file ("" when missing).
std::string readHostFile(const std::filesystem::path& path);

// Path of a fixture under tests/data.
std::filesystem::path fixture(std::string_view name);

}  // namespace kelvo::test
