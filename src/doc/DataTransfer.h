#pragma once

namespace kelvo {

class CKelvoDoc;

// The day's data cycle between the device's two transfer folders and the data folder.

// Takes the back office's delivery from the import folder into the data folder: files are
// moved, Config.xml copied; the departure marker is then deleted from the data folder. All or
// nothing: when a file cannot be taken in (a full or read-only data folder), everything stays
// in the import folder, the driver is told and false is returned; Start then tries again.
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
// writes the arrival marker, telling the driver how it went. After an Incomplete export the
// next call finishes it (also when the route files already left with the first try).
ExportResult exportDayFiles(CKelvoDoc& doc);

// True when Export may be offered: the data folder holds a file and every route has ended.
bool exportAvailable(const CKelvoDoc& doc);

}  // namespace kelvo
