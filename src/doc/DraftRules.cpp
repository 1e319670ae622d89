#include "doc/DraftRules.h"

#include "common/Translate.h"
#include "doc/KelvoDoc.h"
#include "doc/ScanOps.h"
#include "doc/ServiceOps.h"

namespace kelvo {

bool callsOpen(const CKelvoDoc& doc) {
    return doc.Drafts().call.open;
}

bool callShown(const CKelvoDoc& doc) {
    return doc.Drafts().call.shown >= 0;
}

bool voiceRecordingOffered(const CKelvoDoc& doc) {
    return callsOpen(doc) && doc.Config().VoiceRecording() == 'Y';
}

bool scanOpen(const CKelvoDoc& doc) {
    return doc.Drafts().scan.open;
}

bool scanCodeComplete(const CKelvoDoc& doc) {
    return scanOpen(doc) && !checkScannedCode(doc, doc.Drafts().scan.code).Text.empty();
}

bool serviceEntryComplete(const CKelvoDoc& doc) {
    const ServiceDraft& s = doc.Drafts().service;
    return serviceSavable(doc, s.group, s.product, s.frequency, s.quantity, s.price);
}

bool wearerPage1Complete(const CKelvoDoc& doc) {
    return page1Complete(doc, doc.WearerData().Drafts.Page1);
}

bool productEntryComplete(const CKelvoDoc& doc) {
    const ProductEntry& p = doc.WearerData().Drafts.Product;
    return p.PID != 0 && p.SID != 0 && !p.quantity.empty();
}

bool exchangeEntryComplete(const CKelvoDoc& doc) {
    const ExchangeEntry& e = doc.WearerData().Drafts.Exchange;
    return e.PID != 0 && e.SID != 0;
}

bool workOrderEntryComplete(const CKelvoDoc& doc) {
    return !doc.WearerData().Drafts.WorkOrder.reasonCode.empty();
}

bool quantityEntryComplete(const CKelvoDoc& doc) {
    return quantityComplete(doc, doc.WearerData().Drafts.Quantity);
}

const char* quantityNextCaption(const CKelvoDoc& doc) {
    return quantityRises(doc, doc.WearerData().Drafts.Quantity.quantity)
               ? KELVO_TR_NOOP("Work Order")
               : KELVO_TR_NOOP("Save");
}

}  // namespace kelvo
