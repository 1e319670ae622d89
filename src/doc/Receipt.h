#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kelvo {

class CInvoice;
class CKelvoDoc;
class DeviceFs;
class Prompter;
struct CStop;
struct LocalTime;

// What the receipt of a settled invoice says, as texts ready to print: the core decides the
// content, the screens' layer only lays it out on a page.
struct Receipt {
    std::vector<std::string> Plant;     // name, then the address lines
    std::vector<std::string> Customer;  // name, then the address lines
    std::string Stop;                   // "Stop 3   Account# 3307"
    std::string Invoice;                // "Invoice# 100104"
    std::string Date;                   // the invoice date, "Dec 5, 2006"
    std::string Terms;                  // "COD" or "Charge"
    // The column heads and one row per line: product, description, delivered and billed
    // quantity, amount and adjustment, as the invoice details show them.
    std::array<std::string, 6> Heads;
    std::vector<std::array<std::string, 6>> Lines;
    // Label and amount: prebilled, adjustments, amount to pay, amount collected.
    std::vector<std::pair<std::string, std::string>> Totals;
    std::string PaidBy;    // "Paid in cash" or "Paid by cheque# <number>"
    std::string Delayed;   // "DELAYED" for a COD invoice collected short, else ""
    std::string SignedBy;  // "Signed by: <initials>", or that no signature was required
    // Device path of the signature picture the signature dialog saved; "" without one.
    std::string SignaturePicture;
    std::string SettledAt;  // "Settled Dec 6, 2026 14:05"
};

// What becomes of the receipts of settlements. The screens' layer draws them (the core holds
// no painting) and gives the document its writer; the settlement and its completion after a
// crash write through it, and a settlement hands its fresh receipt on to settled().
class ReceiptWriter {
public:
    virtual ~ReceiptWriter() = default;
    // Writes the receipt to a device path (atomically); false when it could not be written.
    virtual bool write(const DeviceFs& fs, const Receipt& receipt,
                       const std::string& devicePath) = 0;
    // A settlement's receipt was written at `devicePath`, with the customer still there: the
    // place to print it for him at once (on the belt printer). Nothing more by default.
    virtual void settled(const DeviceFs& fs, const Receipt& receipt,
                         const std::string& devicePath) {
        (void)fs, (void)receipt, (void)devicePath;
    }
};

// The receipt of `invoice`, settled at `stop` at the time `settledAt`: the plant from the
// configuration, the lines and totals from the invoice, the signature picture when the stop
// signs for its invoices and the invoice carries initials.
Receipt receiptFor(const CKelvoDoc& doc, const CStop& stop, const CInvoice& invoice,
                   const LocalTime& settledAt);

// Device path of an invoice's receipt: "\My Documents\Receipts\Inv_<number>.pdf".
std::string receiptPath(double invoiceNumber);

// Tells the driver that the receipt of a settled invoice cannot be shown: its file is missing
// or damaged.
void reportReceiptUnreadable(Prompter& prompter, const std::string& path);

// Tells the driver that a receipt could not be written; the settlement itself stands.
void reportReceiptNotWritten(Prompter& prompter, const std::string& path);

}  // namespace kelvo
