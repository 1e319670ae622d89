#include "doc/DataTransfer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FolderOps.h"
#include "common/Prompter.h"
#include "common/Properties.h"
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

std::string joinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : ", ") + name;
    }
    return joined;
}

// Files no reader takes (larger than the limit) are named when they arrive, not first when a
// screen cannot open them. They stay: they are the back office's and go back with the export.
void reportOversized(CKelvoDoc& doc) {
    const std::vector<std::string> large = doc.Fs().listLargeFiles(doc.DataFolder());
    if (!large.empty()) {
        doc.Prompt().inform(
            format(tr("These files are larger than %d MB, and Kelvo cannot read them: ").c_str(),
                   static_cast<int>(DeviceFs::kMaxFileBytes / (1024 * 1024))) +
                joinNames(large),
            tr("Error import data files"), MessageIcon::Warning);
    }
}

// The restore's move of the export copy back into the data folder, after the driver's Yes:
// the arrival marker goes first and is deleted last, as the departure marker of the import.
bool moveExportCopyBack(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    const std::string copy = exportCopyFolder(doc.StorageLocation());
    fs.createFolder(doc.DataFolder());
    reportNonFiles(doc, copy, tr("Error data files"));
    if (!transferFolderWhole(fs, copy, doc.DataFolder(), kArrivalMarker)) {
        reportUntransferred(doc, tr("The previous route in ") + copy, "Error data files");
        return false;
    }
    fs.removeFile(doc.DataFolder() + kArrivalMarker);
    fs.removeFile(copy + "Config.xml");
    return true;
}

// Sends the data folder of the recorded export out: what is left of it, and (when an earlier
// run was cut short) what that run moved to the copy folder already. Writes both markers and
// forgets the record once every file is out. -1 when a marker could not be written, else the
// number of files that did not reach the export folder.
int sendRecordedExport(CKelvoDoc& doc, const std::string& location, bool resumed) {
    const DeviceFs& fs = doc.Fs();
    const std::string data = dataFolder(location);
    const std::string copy = exportCopyFolder(location);
    fs.createFolder(kExportFolder);
    fs.createFolder(copy);
    std::vector<std::string> names = fs.listFiles(data, "*.*");
    if (resumed) {
        for (std::string& name : fs.listFiles(copy, "*.*")) {
            if (!equalsNoCase(name, kArrivalMarker)) {
                names.push_back(std::move(name));
            }
        }
    }
    reportNonFiles(doc, data, tr("Export"));
    const int stayed = sendOut(fs, data, kExportFolder, copy, names);
    if (stayed > 0) {
        return stayed;  // the back office must never take an incomplete export for complete
    }
    // Without its marker the back office waits for the export: it is not finished until both
    // markers are written.
    if (!writeArrivalMarker(fs, kExportFolder) || !writeArrivalMarker(fs, copy)) {
        return -1;
    }
    clearExportRecord(fs);
    return 0;
}

}  // namespace

void reportNonFiles(CKelvoDoc& doc, const std::string& folder, const std::string& caption) {
    std::vector<std::string> names = doc.Fs().listNonFiles(folder);
    // The data folder's own folders: the export copy, and what a storage move set aside.
    if (equalsNoCase(folder, doc.DataFolder())) {
        std::erase_if(names, [&](const std::string& name) {
            return (equalsNoCase(name, "Exported") || equalsNoCase(name, "Earlier")) &&
                   doc.Fs().isFolder(folder + name);
        });
    }
    if (!names.empty()) {
        doc.Prompt().inform(tr("These entries of ") + folder +
                                tr(" are no files (a link, a device or a folder) and were left "
                                   "where they are: ") +
                                joinNames(names),
                            caption, MessageIcon::Warning);
    }
}

bool importDayFiles(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    fs.createFolder(doc.DataFolder());
    reportNonFiles(doc, kImportFolder, tr("Error import data files"));
    if (!transferFolderWhole(fs, kImportFolder, doc.DataFolder(), kDepartureMarker)) {
        reportUntransferred(doc, tr("The files of ") + kImportFolder, "Error import data files");
        return false;
    }
    reportOversized(doc);
    fs.removeFile(doc.DataFolder() + kDepartureMarker);
    return true;
}

bool restorePreviousRoute(CKelvoDoc& doc) {
    if (!doc.Prompt().ask(tr("\nNew route not available. Do you want to restore previous route?"),
                          tr("Error data files"))) {
        return false;
    }
    if (!markerPresent(doc.Fs(), exportCopyFolder(doc.StorageLocation()), kArrivalMarker)) {
        return false;  // no complete export to restore
    }
    return moveExportCopyBack(doc);
}

ExportResult exportDayFiles(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    const std::string data = doc.DataFolder();
    // An export recorded and not finished (it stopped short, or a crash cut it) is finished by
    // Export again: the files that stayed behind are never stranded.
    std::optional<std::string> location = readExportRecord(fs);
    const bool resumed = location.has_value();
    if (!resumed) {
        if (fs.listFiles(data, "Route_*.*").empty()) {
            doc.Prompt().inform(tr("No data available for export!"), tr("Error data files"),
                                MessageIcon::Warning);
            return ExportResult::NothingToExport;
        }
        location = doc.StorageLocation();
        const std::string copy = exportCopyFolder(*location);
        fs.createFolder(copy);
        emptyFolder(fs, copy);  // the copy of the previous export gives way to this one
        // A marker left from an earlier export must not vouch for this one before it is done.
        fs.removeFile(std::string(kExportFolder) + kArrivalMarker);
        if (!writeExportRecord(fs, *location)) {
            doc.Prompt().inform(tr("The export could not be started (the device may be full). "
                                   "Nothing was exported; please try Export again."),
                                tr("Export"), MessageIcon::Warning);
            return ExportResult::Incomplete;
        }
    }
    const int stayed = sendRecordedExport(doc, *location, resumed);
    if (stayed > 0) {
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
    if (stayed < 0) {
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

bool finishInterruptedTransfers(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    // The export first: until it is finished the data folder holds the rest of a day that
    // must go to the back office, and no import may be mixed into it.
    if (const std::optional<std::string> location = readExportRecord(fs)) {
        if (sendRecordedExport(doc, *location, true) != 0) {
            doc.Prompt().inform(tr("The export that was cut short could not be finished (the "
                                   "device may be full). Please try again."),
                                tr("Export"), MessageIcon::Warning);
            return false;
        }
        doc.Prompt().inform(tr("Export finished!"), tr("Export"), MessageIcon::None);
    }
    // The markers in the data folder say that an import or a restore was cut short.
    if (fs.isFile(doc.DataFolder() + kDepartureMarker) && !importDayFiles(doc)) {
        return false;
    }
    if (fs.isFile(doc.DataFolder() + kArrivalMarker) && !moveExportCopyBack(doc)) {
        return false;
    }
    return true;
}

}  // namespace kelvo
