#pragma once

namespace kelvo {

class CKelvoDoc;

// When the forms' commands may be carried out, decided from the drafts the forms keep in the
// document (FormDrafts, CWearerDrafts) while the driver types: a forward command waits until
// the entry is complete. The screen table names these rules.

// Contact screen: the stop's calls are open (Add).
bool callsOpen(const CKelvoDoc& doc);
// Contact screen: a call is shown (Save, Cancel).
bool callShown(const CKelvoDoc& doc);
// Contact screen: the calls are open and the laundry records voice messages.
bool voiceRecordingOffered(const CKelvoDoc& doc);

// Scan screen: the garment lists are open (Cancel, the modes).
bool scanOpen(const CKelvoDoc& doc);
// Scan screen: the lists are open and the ID-Code typed so far holds a code to store.
bool scanCodeComplete(const CKelvoDoc& doc);

// Add new service screen: group, product and frequency chosen, quantity and price acceptable.
bool serviceEntryComplete(const CKelvoDoc& doc);

// Add wearer page 1: number, names, department, bank and locker as page1Complete asks.
bool wearerPage1Complete(const CKelvoDoc& doc);
// Add product screen: a product and a size chosen (an identifier of 0 is none, as in the
// files) and a quantity typed.
bool productEntryComplete(const CKelvoDoc& doc);
// Exchange screen: a product and a size chosen.
bool exchangeEntryComplete(const CKelvoDoc& doc);
// Work order: a reason chosen.
bool workOrderEntryComplete(const CKelvoDoc& doc);
// Change quantity screen: the future values may be stored (quantityComplete).
bool quantityEntryComplete(const CKelvoDoc& doc);
// Change quantity screen: Next's caption, "Work Order" when the quantity typed rises (the
// change goes on to the work order), else "Save" (untranslated).
const char* quantityNextCaption(const CKelvoDoc& doc);

}  // namespace kelvo
