#pragma once

#include <string>

namespace kelvo {

class CKelvoDoc;

// The day's data cycle between the device's two transfer folders and the data folder. Every
// transfer takes regular files only: a link, a device or a folder where a file is expected is
// left where it is and named to the driver.

// Takes the back office's delivery from the import folder into the data folder: files are
// moved, Config.xml copied; the departure marker is moved first and deleted from the data
// folder last, so that while it is there the next start knows the import was cut short and
// calls this again to finish it. All or nothing: when a file cannot be taken in (a full or
// read-only data folder), everything stays in the import folder, the driver is told and false
// is returned; Start then tries again. Files too large for any reader are named to the driver.
bool importDayFiles(CKelvoDoc& doc);

// Offers to restore the last export ("New route not available..."). True when the driver
// agreed and a complete export (with its arrival marker) was moved back into the data folder.
// All or nothing, as the import: when it cannot be moved back, the driver is told and the
// export copy stays as it was.
bool restorePreviousRoute(CKelvoDoc& doc);

// What an export achieved.
enum class ExportResult {
    NothingToExport,  // no route file in the data folder; nothing touched
    Complete,         // every file left, the arrival markers are written
    Incomplete,       // some files could not be copied and stay in the data folder; no marker
};

// Moves every file of the data folder to the export folder and the export copy folder and
// writes the arrival marker, telling the driver how it went. The export is recorded before the
// first file leaves: after an Incomplete export the next call finishes it, and so does the next
// start after a crash (finishInterruptedTransfers). The export copy folder always ends with
// exactly the files the export folder received.
ExportResult exportDayFiles(CKelvoDoc& doc);

// True when Export may be offered: the data folder holds a file and every route has ended.
bool exportAvailable(const CKelvoDoc& doc);

// Finishes what a crash or a kill cut short, before anything else reads the data folder: an
// export, an import, a restore. False after telling the driver that one of them could not be
// finished (a full device): nothing may then work on the data folder; the next start tries
// again.
bool finishInterruptedTransfers(CKelvoDoc& doc);

// Tells the driver which entries of the folder were left where they are because they are no
// regular files (a link, a device, a folder other than the data folder's own "Exported" and
// "Earlier"). Nothing when there are none.
void reportNonFiles(CKelvoDoc& doc, const std::string& folder, const std::string& caption);

}  // namespace kelvo
