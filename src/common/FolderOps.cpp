#include "common/FolderOps.h"

#include <vector>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/WaitCursor.h"

namespace kelvo {

namespace {

bool isCopiedOnTransfer(std::string_view name) {
    return containsNoCase(name, "Config.xml");
}

}  // namespace

int transferFolder(const DeviceFs& fs, std::string_view source, std::string_view target) {
    WaitCursor wait;
    int failed = 0;
    for (const std::string& name : fs.listFiles(source, "*.*")) {
        const std::string from = joinDevicePath(source, name);
        const std::string to = joinDevicePath(target, name);
        const bool ok =
            isCopiedOnTransfer(name) ? fs.copyFile(from, to, true) : fs.moveFile(from, to);
        if (!ok) {
            ++failed;
        }
    }
    return failed;
}

bool transferFolderWhole(const DeviceFs& fs, std::string_view source, std::string_view target) {
    WaitCursor wait;
    std::vector<std::string> done;  // transferred so far; a copy where target had none before
    for (const std::string& name : fs.listFiles(source, "*.*")) {
        const std::string from = joinDevicePath(source, name);
        const std::string to = joinDevicePath(target, name);
        const bool copied = isCopiedOnTransfer(name);
        const bool had = fs.isFile(to);
        if (copied ? fs.copyFile(from, to, true) : fs.moveFile(from, to)) {
            if (!copied || !had) {
                done.push_back(name);
            }
            continue;
        }
        for (const std::string& back : done) {
            if (isCopiedOnTransfer(back)) {
                fs.removeFile(joinDevicePath(target, back));
            } else {
                fs.moveFile(joinDevicePath(target, back), joinDevicePath(source, back));
            }
        }
        return false;
    }
    return true;
}

bool markerPresent(const DeviceFs& fs, std::string_view folder, std::string_view name) {
    for (const std::string& file : fs.listFiles(folder, "*.*")) {
        if (containsNoCase(file, name)) {
            return true;
        }
    }
    return false;
}

int moveOut(const DeviceFs& fs, std::string_view source, std::string_view target,
            std::string_view secondTarget, bool alsoSecond) {
    WaitCursor wait;
    int stayed = 0;
    for (const std::string& name : fs.listFiles(source, "*.*")) {
        const std::string from = joinDevicePath(source, name);
        bool copied = fs.copyFile(from, joinDevicePath(target, name), true);
        if (copied && alsoSecond) {
            copied = fs.copyFile(from, joinDevicePath(secondTarget, name), true);
        }
        // Only a file that safely reached every target may leave the data folder.
        if (!copied || !fs.removeFile(from)) {
            ++stayed;
        }
    }
    return stayed;
}

void emptyFolder(const DeviceFs& fs, std::string_view folder) {
    for (const std::string& name : fs.listFiles(folder, "*.*")) {
        fs.removeFile(joinDevicePath(folder, name));
    }
}

void clearDataFolder(const DeviceFs& fs, std::string_view storageLocation) {
    emptyFolder(fs, dataFolder(storageLocation));
}

bool writeArrivalMarker(const DeviceFs& fs, std::string_view folder) {
    return writeFileAtomic(fs, joinDevicePath(folder, kArrivalMarker),
                           "<ArrivalCheck>\r\n</ArrivalCheck>");
}

}  // namespace kelvo
