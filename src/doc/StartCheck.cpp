#include "doc/StartCheck.h"

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/FolderOps.h"
#include "common/Prompter.h"
#include "common/Properties.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/WaitCursor.h"
#include "doc/DataTransfer.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/SettleOps.h"
#include "doc/StorageSettings.h"

namespace kelvo {

void prepareDevice(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    fs.createFolder("\\Windows\\Fonts\\");
    fs.copyFile("\\Program Files\\Kelvo\\tahomabd.ttf", "\\Windows\\Fonts\\tahomabd.ttf", true);
    fs.createFolder("\\VexXml");
}

void openStorage(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    settleStorageMove(fs);
    std::string refused;
    doc.SetStorageLocation(readStorageLocation(fs, &refused));
    if (!refused.empty()) {
        doc.Prompt().inform(format(tr("The storage location \"%s\" in %s cannot name a folder. "
                                      "The data are looked for in the main memory.")
                                       .c_str(),
                                   refused.c_str(), propertiesPath().c_str()),
                            tr("Error data files"), MessageIcon::Warning);
    }
    // Before the settings can move the data folder or Start read it.
    finishInterruptedTransfers(doc);
}

bool loadConfiguration(CKelvoDoc& doc) {
    doc.Config().SetRoot(doc.StorageLocation());
    return doc.Config().Load(doc.Fs());
}

void showNoDataMessage(CKelvoDoc& doc) {
    doc.Prompt().inform(tr("No data available.") + tr("\nPlease import files first!"),
                        tr("Error data files"), MessageIcon::Warning);
}

bool checkVersion(CKelvoDoc& doc) {
    if (versionMatches(doc.Config().FileVersion())) {
        return true;
    }
    doc.Prompt().inform(tr("Error Starting Application: version mismatch.") +
                            tr("\nApplication version = ") + kAppVersion +
                            tr("\nXML Data version = ") + doc.Config().FileVersion(),
                        tr("Abort Application"), MessageIcon::Error);
    return false;
}

namespace {

// Makes sure the data folder holds the day's files: importing them when the back office's
// delivery is complete, or restoring the last export. False after the message that says why.
bool ensureDayFiles(CKelvoDoc& doc) {
    const DeviceFs& fs = doc.Fs();
    if (!fs.listFiles(doc.DataFolder(), "*.xml").empty()) {
        return true;  // work in progress is never replaced by a newer delivery
    }
    if (fs.listFiles(kImportFolder, "*.*").empty()) {
        if (restorePreviousRoute(doc)) {
            return true;
        }
        showNoDataMessage(doc);
        return false;
    }
    if (!markerPresent(fs, kImportFolder, kDepartureMarker)) {
        doc.Prompt().inform(tr("\nThe file transfer is still in progress, please wait until this "
                               "is completed and then try again!"),
                            tr("Error import data files"), MessageIcon::Warning);
        return false;
    }
    return importDayFiles(doc);
}

// Reads the route list; offers the last export when there is no route.
bool loadRoutes(CKelvoDoc& doc) {
    CRouteList& routes = doc.Routes();
    routes.SetStoragePath(doc.StorageLocation());
    loadRouteList(routes, doc.Fs(), doc.Prompt());
    doc.Route().Reset();
    if (routes.Count() == 0) {
        restorePreviousRoute(doc);
        loadRouteList(routes, doc.Fs(), doc.Prompt());
    }
    if (routes.Count() == 0) {
        showNoDataMessage(doc);
        // Without routes the day cannot start: the next Start reports the missing data at once.
        doc.Fs().removeFile(doc.DataFolder() + "Config.xml");
        return false;
    }
    return true;
}

}  // namespace

bool startDataCheck(CKelvoDoc& doc) {
    // What a crash or a kill left half written is never data: only the program's own temporary
    // names are removed. The receipts are the program's own files too.
    for (const std::string& folder : {doc.DataFolder(), exportCopyFolder(doc.StorageLocation()),
                                      std::string(kExportFolder), std::string(kReceiptsFolder)}) {
        removeLeftoverTemporaries(doc.Fs(), folder);
    }
    if (!finishInterruptedTransfers(doc)) {
        return false;
    }
    if (!loadConfiguration(doc)) {
        showNoDataMessage(doc);
        return false;
    }
    if (!checkVersion(doc) || !ensureDayFiles(doc) || !loadRoutes(doc)) {
        return false;
    }
    const std::string exported = exportCopyFolder(doc.StorageLocation());
    doc.Fs().createFolder(exported);
    emptyFolder(doc.Fs(), exported);  // the previous export is given up once new data are accepted

    WaitCursor wait;
    doc.LoadDayLists();
    doc.Route().SetStoragePath(doc.StorageLocation());
    // Nothing selected yesterday means anything in the new data.
    doc.Routing().forgetSelection();
    doc.Invoicing().close();
    // A settlement the last run could not finish is completed before the day goes on.
    completeRecordedSettlement(doc);
    return true;
}

}  // namespace kelvo
