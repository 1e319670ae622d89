#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "doc/Commands.h"
#include "doc/SettleRules.h"

namespace kelvo {

class CInvoice;
class CKelvoDoc;
class Prompter;
struct CStop;

// Settlement of the open invoice: the checks of the payment and signature dialogs, and the
// settlement with its bookkeeping on the invoice, the stop and the route.

// Longest cheque number and initials the dialogs take.
inline constexpr std::size_t kMaxCheckNumber = 16;
inline constexpr std::size_t kMaxInitials = 6;

// Before the payment dialog: false, after "Please enter pick up quantities before
// settlement!", while a line waits for a pick-up quantity the driver must enter (or no
// invoice is open); quantities that default to the quantity to pick are filled in and saved.
bool readyForSettlement(CKelvoDoc& doc);

// True for an amount the invoice file holds as typed: digits with at most two decimals.
bool isAmountText(const std::string& text);

// The payment dialog's check of OK. False after telling why: a cheque without its number
// ("You must fill the check number before!", caption "Payment by Check"), a cheque number
// longer than kMaxCheckNumber, an amount that is no number.
bool paymentAcceptable(Prompter& prompter, bool byCheck, const std::string& checkNumber,
                       const std::string& amountText);

// The signature dialog may close with OK once the initials and a signature are there.
bool signatureComplete(const std::string& initials, bool hasInk);

// What the payment and signature dialogs collected.
struct Payment {
    double amountCollected = 0.0;
    std::string checkNumber;  // "" for cash
    std::string signedBy;     // the initials; "" without a signature
};

// Writes the customer's signature picture to a device path; false when it could not be written.
using SignatureWriter = std::function<bool(const std::string& devicePath)>;

// What a settlement did.
struct SettleResult {
    // False when nothing was settled: no stop or invoice open, a required signature missing
    // (silently), a settlement from before that cannot be completed yet, or the journal, the
    // signature or the invoice file could not be written (said to the driver).
    bool settled = false;
    // Where the driver goes next: the stop actions once no invoice of the stop is left to
    // settle (always for a stop with one invoice), else the invoice list; screen::None when
    // nothing was settled (the invoice stays on the screen).
    int next = screen::None;
    // The device paths written, in the order written: the signature picture, the invoice, the
    // route, the receipt (a file that could not be written is not listed).
    std::vector<std::string> written;
};

// Settles the open invoice of the current stop with the payment taken and, where the stop
// signs for its invoices, the customer's signature (written by `signature`). The settlement
// first records itself in the settlement journal (SettlementJournal.h), then writes its files
// in order: the signature picture beside the invoice file, the invoice "Settled" with the
// amount, cheque number and initials; the stop's collected cash and signed invoices grow, the
// route's settled stops when the stop is settled now and the route's collections of the
// invoice's column, and the route is saved with its route-list entry (saveRoute); the receipt
// through the document's receipt writer, when it has one, which then may print it
// (ReceiptWriter::settled); last the journal is removed. A settlement recorded from before is
// completed first. A route file that cannot be written is said; the settlement stands, and its
// journal stays until the route is saved.
SettleResult settle(CKelvoDoc& doc, const Payment& payment,
                    const SignatureWriter& signature = {});

// Completes the settlement the journal records, if one was cut short (at start and whenever a
// stop's invoices load): each of its files is written once, those it wrote already are not
// (an invoice is settled once, a stop and route count it once, a receipt is written when it
// is missing), and the journal is removed. Only a settlement in the journal is ever counted:
// an invoice the back office sent "Settled" is not. One that cannot be completed (its route,
// stop or invoice is gone, or it was cut short before the customer's signature was saved, so
// nothing of it was written) is given up, telling the driver. False, after saying what could
// not be written, while the journal has to stay.
bool completeRecordedSettlement(CKelvoDoc& doc);

}  // namespace kelvo
