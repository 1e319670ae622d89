#include "common/Properties.h"

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"

namespace kelvo {

namespace {
constexpr std::string_view kKey = "Storagelocation=";
}

std::string propertiesPath() {
    return replaceAll(kProgramPath, "exe", "properties");
}

std::string readStorageLocation(const DeviceFs& fs) {
    const std::string path = propertiesPath();
    std::string content;
    if (!fs.readFile(path, content, 64 * 1024)) {
        // Only a missing file gets the default; one that exists but cannot be read (too
        // large, no permission) is kept as the driver left it.
        if (!fs.isFile(path)) {
            const std::string folder = path.substr(0, path.rfind('\\') + 1);
            fs.createFolder(folder);
            writeFileAtomic(fs, path, std::string(kKey) + "\\");
        }
        return {};
    }
    if (content.compare(0, kKey.size(), kKey) != 0) {
        return {};
    }
    std::string value = content.substr(kKey.size());
    value = value.substr(0, value.find('\n'));
    // A file edited on a desktop may end its line with "\r\n"; the "\r" is no part of a name.
    if (!value.empty() && value.back() == '\r') {
        value.pop_back();
    }
    if (value == "\\" || !isSafeNamePart(value)) {
        return {};
    }
    return value;
}

bool writeStorageLocation(const DeviceFs& fs, const std::string& location) {
    const std::string path = propertiesPath();
    fs.createFolder(path.substr(0, path.rfind('\\') + 1));
    return writeFileAtomic(fs, path, std::string(kKey) + location);
}

}  // namespace kelvo
