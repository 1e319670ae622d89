#include "common/Properties.h"

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"

namespace kelvo {

namespace {

constexpr std::string_view kKey = "Storagelocation=";

// Beside the properties file: the program's path with "exe" replaced by "move".
std::string movePath() {
    return replaceAll(kProgramPath, "exe", "move");
}

// Beside it: "exe" replaced by "export".
std::string exportRecordPath() {
    return replaceAll(kProgramPath, "exe", "export");
}

std::string programFolder() {
    const std::string path = propertiesPath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace

std::string propertiesPath() {
    return replaceAll(kProgramPath, "exe", "properties");
}

std::string readStorageLocation(const DeviceFs& fs, std::string* refused) {
    if (refused != nullptr) {
        refused->clear();
    }
    const std::string path = propertiesPath();
    std::string content;
    if (!fs.readFile(path, content, 64 * 1024)) {
        // Only a missing file gets the default; one that exists but cannot be read (too
        // large, no permission) is kept as the driver left it.
        if (!fs.isFile(path)) {
            fs.createFolder(programFolder());
            // Never an error: without the file the data are in the main memory all the same,
            // and the next start tries to write it again.
            static_cast<void>(writeFileAtomic(fs, path, std::string(kKey) + "\\"));
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
    if (value == "\\" || value.empty()) {
        return {};
    }
    // The value names a folder below the device root: "*", "..\\x" or "C:" must not.
    if (!isSafeNamePart(value)) {
        if (refused != nullptr) {
            *refused = value;
        }
        return {};
    }
    return value;
}

bool writeStorageLocation(const DeviceFs& fs, const std::string& location) {
    fs.createFolder(programFolder());
    return writeFileAtomic(fs, propertiesPath(), std::string(kKey) + location);
}

bool writeStorageMove(const DeviceFs& fs, const StorageMove& move) {
    // One line each: where from, where to, then the files.
    std::string content = move.From + "\n" + move.To + "\n";
    for (const std::string& name : move.Files) {
        content.append(name).push_back('\n');
    }
    fs.createFolder(programFolder());
    return writeFileAtomic(fs, movePath(), content);
}

std::optional<StorageMove> readStorageMove(const DeviceFs& fs) {
    std::string content;
    if (!fs.readFile(movePath(), content)) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (std::size_t pos = 0, end; (end = content.find('\n', pos)) != std::string::npos;
         pos = end + 1) {
        lines.push_back(content.substr(pos, end - pos));
    }
    if (lines.size() < 2) {
        return std::nullopt;  // nothing was copied before the record was complete
    }
    StorageMove move{lines[0], lines[1], {lines.begin() + 2, lines.end()}};
    return move;
}

bool clearStorageMove(const DeviceFs& fs) {
    return fs.removeFile(movePath());
}

bool writeExportRecord(const DeviceFs& fs, const std::string& storageLocation) {
    // One line: an empty location (the device root) still makes a file with content.
    fs.createFolder(programFolder());
    return writeFileAtomic(fs, exportRecordPath(), storageLocation + "\n");
}

std::optional<std::string> readExportRecord(const DeviceFs& fs) {
    std::string content;
    if (!fs.readFile(exportRecordPath(), content, 64 * 1024)) {
        return std::nullopt;
    }
    // A location that cannot name a folder is never acted on: the device root's data are.
    std::string location = content.substr(0, content.find('\n'));
    return isSafeNamePart(location) ? location : std::string();
}

bool clearExportRecord(const DeviceFs& fs) {
    return fs.removeFile(exportRecordPath());
}

}  // namespace kelvo
