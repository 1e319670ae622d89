#include "doc/StorageSettings.h"

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FolderOps.h"
#include "common/Prompter.h"
#include "common/Properties.h"
#include "common/Translate.h"
#include "common/WaitCursor.h"
#include "doc/KelvoDoc.h"

namespace kelvo {

std::vector<std::string> storagePlaces(const DeviceFs& fs) {
    std::vector<std::string> places{kMainMemory};
    for (std::string& card : fs.storageCards()) {
        places.push_back(std::move(card));
    }
    return places;
}

bool changeStorageLocation(CKelvoDoc& doc, const std::string& place) {
    const DeviceFs& fs = doc.Fs();
    const std::string location = place == kMainMemory ? std::string() : place;
    if (location != doc.StorageLocation()) {
        WaitCursor wait;
        const std::string from = dataFolder(doc.StorageLocation());
        const std::string to = dataFolder(location);
        emptyFolder(fs, to);  // an old file of the same name must never block the move
        fs.createFolder(to);
        if (transferFolder(fs, from, to) > 0) {
            // Put back what did move, so the data stay together where the program looks.
            transferFolder(fs, to, from);
            fs.removeFile(to + "Config.xml");
            doc.Prompt().inform(
                tr("The data could not be moved to ") + place + tr(". They stay where they were."),
                tr("Error data files"), MessageIcon::Warning);
            return false;
        }
        fs.removeFile(from + "Config.xml");
        doc.SetStorageLocation(location);
    }
    writeStorageLocation(fs, location);
    return true;
}

}  // namespace kelvo
