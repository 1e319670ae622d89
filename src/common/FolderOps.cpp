#include "common/FolderOps.h"

#include <algorithm>
#include <vector>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/HostFolder.h"
#include "common/Text.h"
#include "common/WaitCursor.h"

namespace kelvo {

namespace {

bool isCopiedOnTransfer(std::string_view name) {
    return containsNoCase(name, "Config.xml");
}

// One side of a transfer: the folder read once, its names kept up to date.
struct Transfer {
    const DeviceFs& fs;
    HostFolder from;
    HostFolder to;

    // Moves (or copies) one file; `made` is set when target did not hold it before.
    bool go(const std::string& name, bool& made) {
        const bool copied = isCopiedOnTransfer(name);
        made = !to.holds(name);
        if (!copied && !made) {
            return false;  // a file of that name is there already: it is never replaced
        }
        const bool ok =
            copied ? copyFileAtomic(fs, from.pathOf(name), to.pathOf(name), FolderFlush::Later)
                   : fs.moveHostFile(from.pathOf(name), to.pathOf(name));
        if (ok) {
            to.added(name);
            if (!copied) {
                from.removed(name);
            }
        }
        return ok;
    }

    // Makes every rename and copy so far durable, in both folders.
    void flush() const {
        flushFolder(to.path());
        flushFolder(from.path());
    }
};

}  // namespace

bool transferFolderWhole(const DeviceFs& fs, std::string_view source, std::string_view target,
                         std::string_view first) {
    WaitCursor wait;
    Transfer t{fs, HostFolder(fs, source), HostFolder(fs, target)};
    if (!t.from.valid() || !t.to.valid()) {
        return false;
    }
    std::vector<std::string> names = fs.listFiles(source, "*.*");
    const auto marker = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
        return !first.empty() && equalsNoCase(n, first);
    });
    const bool markerFirst = marker != names.end();
    if (markerFirst) {
        std::rotate(names.begin(), marker, marker + 1);
    }
    std::vector<std::string> done;  // transferred so far; a copy only where target had none
    for (const std::string& name : names) {
        bool made = false;
        if (t.go(name, made)) {
            if (!isCopiedOnTransfer(name) || made) {
                done.push_back(name);
            }
            if (markerFirst && &name == &names.front()) {
                t.flush();  // the marker is on disk before any other file moves
            }
            continue;
        }
        // Back in the reverse order: the marker, moved first, goes back last.
        for (auto back = done.rbegin(); back != done.rend(); ++back) {
            if (isCopiedOnTransfer(*back)) {
                fs.removeFile(joinDevicePath(target, *back));
            } else {
                fs.moveHostFile(t.to.pathOf(*back), t.from.pathOf(*back));
            }
        }
        t.flush();
        return false;
    }
    t.flush();
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

int sendOut(const DeviceFs& fs, std::string_view source, std::string_view target,
            std::string_view keep, const std::vector<std::string>& names) {
    WaitCursor wait;
    HostFolder from(fs, source);
    HostFolder out(fs, target);
    HostFolder kept(fs, keep);
    if (!from.valid() || !out.valid() || !kept.valid()) {
        return static_cast<int>(names.size());
    }
    int stayed = 0;
    for (const std::string& name : names) {
        // Each copy's own rename is made durable by the one flush of the folder below: one
        // flush instead of one per file, and nothing is deleted from source before it.
        if (from.holds(name)) {
            if (copyFileAtomic(fs, from.pathOf(name), out.pathOf(name), FolderFlush::Later) &&
                fs.moveHostFile(from.pathOf(name), kept.pathOf(name))) {
                out.added(name);
                kept.added(name);
                from.removed(name);
            } else {
                ++stayed;
            }
        } else if (kept.holds(name)) {
            if (copyFileAtomic(fs, kept.pathOf(name), out.pathOf(name), FolderFlush::Later)) {
                out.added(name);
            } else {
                ++stayed;
            }
        }
    }
    flushFolder(out.path());
    flushFolder(kept.path());
    flushFolder(from.path());
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
