#pragma once

#include <cstddef>
#include <string>

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

// True when the stop's invoices are signed for at settlement. Only 'N' goes without: a flag
// the back office sent garbled asks for a signature rather than leaving the stop's invoices
// impossible to settle.
bool signatureRequired(const CStop& stop);

// True for an amount the invoice file holds as typed: digits with at most two decimals.
bool isAmountText(const std::string& text);

// The payment dialog's check of OK. False after telling why: a cheque without its number
// ("You must fill the check number before!", caption "Payment by Check"), a cheque number
// longer than kMaxCheckNumber, an amount that is no number.
bool paymentAcceptable(Prompter& prompter, bool byCheck, const std::string& checkNumber,
                       const std::string& amountText);

// True when a COD invoice is collected short of its amount: it is settled "DELAYED".
bool collectedShort(const CInvoice& invoice, double amountCollected);

// The signature dialog may close with OK once the initials and a signature are there.
bool signatureComplete(const std::string& initials, bool hasInk);

// Device path of an invoice's signature picture: "Inv_<number>.bmp" beside its file.
std::string signaturePath(const CKelvoDoc& doc, double invoiceNumber);

// What the payment and signature dialogs collected.
struct Payment {
    double amountCollected = 0.0;
    std::string checkNumber;  // "" for cash
    std::string signedBy;     // the initials; "" without a signature
};

// Settles the open invoice of the current stop: the invoice becomes "Settled" with the amount,
// cheque number and initials and is saved; the stop's collected cash and signed invoices grow;
// the route's settled stops (and the route list's settled routes) when the stop is settled
// now, and the route's collections of the invoice's column; the route file is saved.
// Returns 1 when no invoice of the stop is left to settle, 2 when some are, and -1 when
// nothing was settled: no stop or invoice open, a required signature missing (silently), or
// the invoice file could not be written (said).
int settleInvoice(CKelvoDoc& doc, const Payment& payment);

// Counts what a settlement cut short (the program ended after the invoice file was saved
// "Settled" and before the route file was) left uncounted on the selected stop, whose invoice
// headers are loaded: the stop's signed invoices and collected cash, the route's settled stops
// and collections with their route-list entry; the route is saved. Without it the stop would
// never count as settled and the route could never end. False when nothing was missing.
bool countInterruptedSettlement(CKelvoDoc& doc);

}  // namespace kelvo
