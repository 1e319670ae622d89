#include "doc/StorageSettings.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/Prompter.h"
#include "common/Properties.h"
#include "common/Translate.h"
#include "common/WaitCursor.h"
#include "doc/DataTransfer.h"
#include "doc/KelvoDoc.h"
#include "doc/SettleOps.h"

namespace kelvo {

namespace {

// Deletes the copies of the move's files at the new place (the originals are all still at the
// old place). False when a copy could not be deleted (a card taken out): try again later.
bool removeCopies(const DeviceFs& fs, const StorageMove& move) {
    bool all = true;
    for (const std::string& name : move.Files) {
        all = fs.removeFile(dataFolder(move.To) + name) && all;
    }
    return all;
}

// Deletes the originals at the old place of the files the new place holds.
void removeOriginals(const DeviceFs& fs, const StorageMove& move) {
    for (const std::string& name : move.Files) {
        if (fs.isFile(dataFolder(move.To) + name)) {
            fs.removeFile(dataFolder(move.From) + name);
        }
    }
}

// The new place's own files that no moved file replaces go to its "Earlier\" folder.
bool setAsideEarlierFiles(const DeviceFs& fs, const StorageMove& move) {
    const std::string to = dataFolder(move.To);
    const std::string earlier = to + "Earlier\\";
    for (const std::string& name : fs.listFiles(to, "*.*")) {
        if (std::find(move.Files.begin(), move.Files.end(), name) == move.Files.end() &&
            !(fs.createFolder(earlier) && fs.moveFile(to + name, earlier + name, true))) {
            return false;
        }
    }
    return true;
}

// Copies every file of the move; false at the first that could not be copied whole.
bool copyFiles(const DeviceFs& fs, const StorageMove& move) {
    if (!fs.createFolder(dataFolder(move.To)) || !setAsideEarlierFiles(fs, move)) {
        return false;
    }
    for (const std::string& name : move.Files) {
        if (!fs.copyFile(dataFolder(move.From) + name, dataFolder(move.To) + name, true)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> storagePlaces(const DeviceFs& fs) {
    std::vector<std::string> places{kMainMemory};
    for (std::string& card : fs.storageCards()) {
        places.push_back(std::move(card));
    }
    return places;
}

void settleStorageMove(const DeviceFs& fs) {
    const std::optional<StorageMove> move = readStorageMove(fs);
    if (!move) {
        return;
    }
    if (readStorageLocation(fs) == move->To) {
        removeOriginals(fs, *move);
    } else if (!removeCopies(fs, *move)) {
        return;  // the card is away: its copies are deleted when it is back
    }
    clearStorageMove(fs);
}

bool changeStorageLocation(CKelvoDoc& doc, const std::string& place) {
    const DeviceFs& fs = doc.Fs();
    const std::string location = place == kMainMemory ? std::string() : place;
    const auto refuse = [&] {
        doc.Prompt().inform(
            tr("The data could not be moved to ") + place + tr(". They stay where they were."),
            tr("Error data files"), MessageIcon::Warning);
        return false;
    };
    if (location == doc.StorageLocation()) {
        if (!writeStorageLocation(fs, location)) {
            return refuse();
        }
        return true;
    }
    // A settlement cut short is completed first: its record does not move with the data.
    if (!completeRecordedSettlement(doc)) {
        return refuse();
    }
    WaitCursor wait;
    settleStorageMove(fs);
    // An export, import or restore cut short works on the old place's files: finished first.
    if (!finishInterruptedTransfers(doc)) {
        return false;
    }
    reportNonFiles(doc, doc.DataFolder(), tr("Error data files"));
    const StorageMove move{doc.StorageLocation(), location,
                           fs.listFiles(dataFolder(doc.StorageLocation()), "*.*")};
    if (!writeStorageMove(fs, move)) {
        return refuse();
    }
    // Until the properties file names the new place, the old place holds everything.
    if (!copyFiles(fs, move) || !writeStorageLocation(fs, location)) {
        if (removeCopies(fs, move)) {
            clearStorageMove(fs);
        }
        return refuse();
    }
    removeOriginals(fs, move);
    clearStorageMove(fs);
    doc.SetStorageLocation(location);
    return true;
}

}  // namespace kelvo
