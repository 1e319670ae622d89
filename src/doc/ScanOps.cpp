#include "doc/ScanOps.h"

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
    doc.GarmentFlags().SetPath(doc.StorageLocation());
    doc.GarmentFlags().Load(doc.Fs(), stop->CustID, doc.Prompt());
    doc.GarmentsToReplace().SetPath(doc.StorageLocation());
    doc.GarmentsToReplace().Load(doc.Fs(), stop->CustID, doc.Prompt());
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
    return checkTypedIDCode(typed, doc.Config().MaxIDCodeLength());
}

std::optional<Message> storeScan(CKelvoDoc& doc, ScanMode mode, int choice, std::string_view code,
                                 std::string_view text) {
    const std::string& lengths = doc.Config().IDCodeLengths();
    if (mode == ScanMode::Flag) {
        return storeGarmentFlag(doc.Fs(), doc.GarmentFlags(), lengths, code,
                                chosen(flagChoices(doc), choice), text);
    }
    return storeGarmentReplace(doc.Fs(), doc.GarmentsToReplace(), lengths, code,
                               chosen(replacementReasons(doc.AdjReasons()), choice), text);
}

}  // namespace kelvo
