#pragma once

#include <string>

namespace kelvo {

class CInvoice;
class CKelvoDoc;
struct CStop;

// What a settlement and its receipt both go by: whether the stop's invoices are signed for,
// where the signature picture goes, whether a payment falls short.

// True when the stop's invoices are signed for at settlement. Only 'N' goes without: a flag
// the back office sent garbled asks for a signature rather than leaving the stop's invoices
// impossible to settle.
bool signatureRequired(const CStop& stop);

// Device path of an invoice's signature picture: "Inv_<number>.bmp" beside its file.
std::string signaturePath(const CKelvoDoc& doc, double invoiceNumber);

// True when a COD invoice is collected short of its amount: it is settled "DELAYED".
bool collectedShort(const CInvoice& invoice, double amountCollected);

}  // namespace kelvo
