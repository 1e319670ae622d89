#include "doc/DataTransfer.h"

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FolderOps.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/KelvoDoc.h"

namespace kelvo {

namespace {

void reportUntransferred(CKelvoDoc& doc, const std::string& what, const char* caption) {
    doc.Prompt().inform(what + tr(" could not be moved to ") + doc.DataFolder() +
                            tr(" (the device may be full). Nothing was moved; please try again."),
                        tr(caption), MessageIcon::Warning);
}

}  // namespace

bool importDayFiles(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    fs.createFolder(doc.DataFolder());
    if (!transferFolderWhole(fs, kImportFolder, doc.DataFolder())) {
        reportUntransferred(doc, tr("The files of ") + kImportFolder, "Error import data files");
        return false;
    }
    fs.removeFile(doc.DataFolder() + kDepartureMarker);
    return true;
}

bool restorePreviousRoute(CKelvoDoc& doc) {
    if (!doc.Prompt().ask(tr("\nNew route not available. Do you want to restore previous route?"),
                          tr("Error data files"))) {
        return false;
    }
    const DeviceFs& fs = doc.Fs();
    const std::string copy = exportCopyFolder(doc.StorageLocation());
    if (!markerPresent(fs, copy, kArrivalMarker)) {
        return false;  // no complete export to restore
    }
    fs.createFolder(doc.DataFolder());
    if (!transferFolderWhole(fs, copy, doc.DataFolder())) {
        reportUntransferred(doc, tr("The previous route in ") + copy, "Error data files");
        return false;
    }
    fs.removeFile(doc.DataFolder() + kArrivalMarker);
    fs.removeFile(copy + "Config.xml");
    return true;
}

namespace {

// True when the folder holds a route file but no arrival marker: an export into it stopped
// short, and the files that could not be copied then are still in the data folder.
bool holdsUnfinishedExport(const DeviceFs& fs, const std::string& folder) {
    return !fs.listFiles(folder, "Route_*.*").empty() && !markerPresent(fs, folder, kArrivalMarker);
}

}  // namespace

ExportResult exportDayFiles(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    const std::string data = doc.DataFolder();
    const std::string copy = exportCopyFolder(doc.StorageLocation());
    // The route files may already have left with an export that stopped short: Export again
    // finishes that export, so the files that stayed behind are never stranded.
    if (fs.listFiles(data, "Route_*.*").empty() && !holdsUnfinishedExport(fs, kExportFolder) &&
        !holdsUnfinishedExport(fs, copy)) {
        doc.Prompt().inform(tr("No data available for export!"), tr("Error data files"),
                            MessageIcon::Warning);
        return ExportResult::NothingToExport;
    }
    fs.createFolder(kExportFolder);
    fs.createFolder(copy);
    // Copies without the arrival marker are the part of this export done by an earlier try;
    // the start data check empties the folder whenever new data are accepted.
    if (markerPresent(fs, copy, kArrivalMarker)) {
        emptyFolder(fs, copy);
    }
    // A marker left from an earlier export must not vouch for this one before it is complete.
    fs.removeFile(std::string(kExportFolder) + kArrivalMarker);
    const int stayed = moveOut(fs, data, kExportFolder, copy, true);
    if (stayed > 0) {
        // The back office must never take an incomplete export for a complete one: no marker.
        const std::string text =
            stayed == 1 ? tr("1 file could not be exported. It is kept on the device; please "
                             "try Export again.")
                        : format(tr("%d files could not be exported. They are kept on the "
                                    "device; please try Export again.")
                                     .c_str(),
                                 stayed);
        doc.Prompt().inform(text, tr("Export"), MessageIcon::Warning);
        return ExportResult::Incomplete;
    }
    // Without its marker the back office waits for the export: it is not finished until both
    // markers are written (Export again writes them).
    if (!writeArrivalMarker(fs, kExportFolder) || !writeArrivalMarker(fs, copy)) {
        doc.Prompt().inform(tr("The export could not be finished: ") + kArrivalMarker +
                                tr(" could not be written. Please try Export again."),
                            tr("Export"), MessageIcon::Warning);
        return ExportResult::Incomplete;
    }
    doc.Prompt().inform(tr("Export finished!"), tr("Export"), MessageIcon::None);
    return ExportResult::Complete;
}

bool exportAvailable(const CKelvoDoc& doc) {
    if (doc.Fs().listFiles(doc.DataFolder(), "*.*").empty()) {
        return false;
    }
    const CRouteList& routes = doc.Routes();
    for (std::size_t i = 0; i < routes.Count(); ++i) {
        if (!(routes.At(i).EndMileage() > 0.0)) {
            return false;
        }
    }
    return true;
}

}  // namespace kelvo
