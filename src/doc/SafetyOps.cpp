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
