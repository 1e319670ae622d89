#include "doc/SettleRules.h"

#include <cmath>

#include "common/Text.h"
#include "doc/KelvoDoc.h"

namespace kelvo {

namespace {

// An amount in whole cents, as the files and the screens show it.
long long wholeCents(double amount) {
    return std::llround(amount * 100.0);
}

}  // namespace

bool signatureRequired(const CStop& stop) {
    return stop.SignatureRequired != 'N';
}

std::string signaturePath(const CKelvoDoc& doc, double invoiceNumber) {
    // Beside the invoice file, in the data folder of the storage location (the device has no
    // current folder, so the path with or without its leading backslash names the same file).
    return doc.DataFolder() + format("Inv_%.0f.bmp", invoiceNumber);
}

bool collectedShort(const CInvoice& invoice, double amountCollected) {
    // Compared in cents: after adjustments PayThisAmount may carry a rounding remainder that
    // must not make a payment of the whole amount look short.
    return invoice.COD() == 'Y' &&
           wholeCents(amountCollected) < wholeCents(invoice.PayThisAmount());
}

}  // namespace kelvo
