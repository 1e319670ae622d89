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

// The text without the blanks and the carriage return around it.
std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
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
    // The device's settings on the lines after the first are kept, with the first line's end
    // ("\n" or "\r\n") as it was; a file that does not begin with the storage location
    // (settings written above it by hand) keeps every line below the new first one.
    std::string rest;
    if (std::string old; fs.readFile(propertiesPath(), old, 64 * 1024)) {
        if (old.compare(0, kKey.size(), kKey) != 0) {
            rest = old.empty() ? old : "\n" + old;
        } else if (const auto end = old.find('\n'); end != std::string::npos) {
            rest = old.substr(end > 0 && old[end - 1] == '\r' ? end - 1 : end);
        }
        if (rest.find_first_not_of(" \t\r\n") == std::string::npos) {
            rest.clear();  // no setting, only a line end: the one line again, without it
        }
    }
    fs.createFolder(programFolder());
    return writeFileAtomic(fs, propertiesPath(), std::string(kKey) + location + rest);
}

std::optional<std::string> readProperty(const DeviceFs& fs, std::string_view key) {
    std::string content;
    if (!fs.readFile(propertiesPath(), content, 64 * 1024)) {
        return std::nullopt;
    }
    for (std::size_t pos = 0; pos < content.size();) {
        auto end = content.find('\n', pos);
        if (end == std::string::npos) {
            end = content.size();
        }
        const std::string_view line(content.data() + pos, end - pos);
        pos = end + 1;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || !equalsNoCase(trim(line.substr(0, equals)), key)) {
            continue;
        }
        return std::string(trim(line.substr(equals + 1)));
    }
    return std::nullopt;
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
