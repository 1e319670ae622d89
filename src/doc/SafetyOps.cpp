#include "doc/SafetyOps.h"

#include "common/Prompter.h"
#include "common/Translate.h"
#include "doc/KelvoDoc.h"
#include "doc/Navigation.h"

namespace kelvo {

bool wantsSafetyCheck(CKelvoDoc& doc, FrameFlags& flags) {
    if (!flags.safetyCheckPending) {
        return false;
    }
    flags.safetyCheckPending = false;
    const CSafetyChecks& checks = doc.SafetyChecks();
    const bool complete = checks.IsComplete();
    doc.Routing().takeChecklist(complete);
    if (checks.Count() == 0 || complete) {
        return false;  // nothing to check: an empty checklist counts as done
    }
    return doc.Prompt().ask(tr("Perform safety checks ?"), tr("Confirm check"));
}

void chooseSafetyTruck(CKelvoDoc& doc, const std::string& truckCode) {
    doc.SafetyChecks().SetTruckID(truckCode);
}

void markSafetyCheck(CKelvoDoc& doc, std::size_t item, SafetyAnswer answer, bool marked) {
    CSafetyChecks& checks = doc.SafetyChecks();
    if (item >= checks.Count()) {
        return;
    }
    if (answer == SafetyAnswer::Ok) {
        checks.MarkOk(item, marked);
    } else {
        checks.MarkNeedMaintenance(item, marked);
    }
}

bool cancelSafetyChecks(CKelvoDoc& doc) {
    CSafetyChecks& checks = doc.SafetyChecks();
    if (!checks.Load(doc.Fs())) {
        // The screen stays with the marks: leaving would show answers the file does not hold
        // as if they had been dropped.
        doc.Prompt().inform(
            tr("Error Opening Safety XML: ") + checks.FilePath(),
            tr("Load Error"), MessageIcon::None);
        return false;
    }
    return true;
}

bool saveSafetyChecks(CKelvoDoc& doc) {
    if (!doc.SafetyChecks().Save(doc.Fs())) {
        doc.Prompt().inform(tr("The safety checks could not be saved (the device may be full). "
                               "Please try again."),
                            tr("Error data files"), MessageIcon::Warning);
        return false;
    }
    doc.Routing().markSafetyDone();
    return true;
}

}  // namespace kelvo
