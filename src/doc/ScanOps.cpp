#include "doc/ScanOps.h"

#include "common/Translate.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "model/GarmentScan.h"
#include "model/IDCode.h"

namespace kelvo {

namespace {

// Entry `choice` of a list of choices; nullptr outside it.
template <class T>
const T* chosen(const std::vector<const T*>& choices, int choice) {
    if (choice < 0 || static_cast<std::size_t>(choice) >= choices.size()) {
        return nullptr;
    }
    return choices[static_cast<std::size_t>(choice)];
}

// Why a scanned code is not stored, for the driver.
Message codeRefusal(IDCodeProblem problem, std::string_view lengths) {
    switch (problem) {
        case IDCodeProblem::Empty:
            return warning(tr("Please fill ID Code first!"), tr("Invalid data"));
        case IDCodeProblem::Length: {
            // The lengths as the configuration lists them, without the comma after the last.
            std::string_view listed = lengths;
            if (!listed.empty() && listed.back() == ',') {
                listed.remove_suffix(1);
            }
            return warning(tr("Only ID Codes with lengths:") + std::string(listed) +
                               tr(" are valid!"),
                           tr("Invalid length ID Code"));
        }
        default:
            return warning(tr("Valid chars are 0..9 and A..F!"), tr("Invalid ID Code"));
    }
}

// What became of a garment to store, with the message when it was not stored.
Outcome scanOutcome(const GarmentStored& stored, const CustomerFile& file, ScanMode mode,
                    std::string_view lengths) {
    if (stored.code != IDCodeProblem::None) {
        return Outcome::refused(codeRefusal(stored.code, lengths));
    }
    // An empty flag list leaves nothing to choose; said as for the reasons of a replacement.
    if (!stored.chosen) {
        return Outcome::refused(warning(
            mode == ScanMode::Flag ? tr("No Flag selected!") : tr("No Reason Code selected!"),
            tr("Invalid data")));
    }
    return fileChangeOutcome(file, stored.change,
                             tr("Same flag on the same garment is not allowed!"));
}

std::vector<const CFlag*> flagChoices(const CKelvoDoc& doc) {
    std::vector<const CFlag*> out;
    for (const CFlag& f : doc.Flags()) {
        out.push_back(&f);
    }
    return out;
}

}  // namespace

bool openScan(CKelvoDoc& doc) {
    const CStop* stop = selectedStop(doc);
    if (!stop) {
        return false;
    }
    CGarmentFlags& flags = doc.GarmentFlags();
    flags.SetPath(doc.StorageLocation());
    reportFileRead(doc.Prompt(), flags.File(), stop->CustID, flags.Load(doc.Fs(), stop->CustID));
    CGarmentsToReplace& replace = doc.GarmentsToReplace();
    replace.SetPath(doc.StorageLocation());
    reportFileRead(doc.Prompt(), replace.File(), stop->CustID,
                   replace.Load(doc.Fs(), stop->CustID));
    return true;
}

std::vector<std::string> scanChoices(const CKelvoDoc& doc, ScanMode mode) {
    std::vector<std::string> out;
    if (mode == ScanMode::Flag) {
        for (const CFlag* f : flagChoices(doc)) {
            out.push_back(f->Description);
        }
    } else {
        for (const CAdjReason* r : replacementReasons(doc.AdjReasons())) {
            out.push_back(r->ReasonDescription);
        }
    }
    return out;
}

FieldCheck checkScannedCode(const CKelvoDoc& doc, std::string_view typed) {
    const std::int32_t maxLength = doc.Config().MaxIDCodeLength();
    return fieldCheck(checkTypedIDCode(typed, maxLength), maxLength, 0);
}

Outcome storeScan(CKelvoDoc& doc, ScanMode mode, int choice, std::string_view code,
                  std::string_view text) {
    const std::string& lengths = doc.Config().IDCodeLengths();
    if (mode == ScanMode::Flag) {
        CGarmentFlags& flags = doc.GarmentFlags();
        return scanOutcome(storeGarmentFlag(doc.Fs(), flags, lengths, code,
                                            chosen(flagChoices(doc), choice), text),
                           flags.File(), mode, lengths);
    }
    CGarmentsToReplace& replace = doc.GarmentsToReplace();
    return scanOutcome(storeGarmentReplace(doc.Fs(), replace, lengths, code,
                                           chosen(replacementReasons(doc.AdjReasons()), choice),
                                           text),
                       replace.File(), mode, lengths);
}

}  // namespace kelvo
