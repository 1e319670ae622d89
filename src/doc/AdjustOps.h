#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "doc/Outcome.h"

namespace kelvo {

class CKelvoDoc;
class Prompter;
struct CInvoiceItem;

// Changes the driver makes to the lines of the open invoice: the line adjustment with its
// pick-up quantity, the extra order for the next delivery, and the future inventory of the
// "DUD" laundry. Each is saved at once; the adjustment moves the stop's and route's totals.

// Largest quantity adjustment, order and pick-up quantity the screens take (four digits, as
// the pick-up buttons count); the inventory change takes five.
inline constexpr int kMaxQuantityEntry = 9999;
inline constexpr int kMaxInventoryChange = 99999;

// The money adjustment of a billed-quantity adjustment: Price x q in cents with the fraction
// cut off toward zero (1.2345 x 3 gives 3.70, not 3.71).
double adjustmentAmount(double price, int billed);

// A whole number of a quantity field, held within the 32-bit range.
int wholeQuantity(double value);

// What the line adjustment screen hands over when the driver presses Ok.
struct LineAdjustment {
    double amount = 0.0;
    int billed = 0;
    int delivered = 0;
    std::string pickUpQty;
    std::string reasonCode;  // the billing adjustment reason chosen; "" for none
};

// Save's check on the line adjustment screen: true, after "Fill a picked up quantity!", when
// the line is a pick-up line and no quantity was entered.
bool pickUpMissing(Prompter& prompter, const CInvoiceItem& line, const std::string& pickUpQty);

// Saves the adjustment of line `index` of the open invoice. Without a reason only the pick-up
// quantity is taken. With one, the line gets the amount (the invoice arithmetic recomputes the
// charge lines and totals), the quantities, the pick-up quantity and the reason ("" when both
// amount and billed quantity are 0); the stop's PayTotal and the route's adjustment and
// PayThisAmount totals of the invoice's column move from the invoice's old totals to its new
// ones and are copied into the route's entry; invoice and route files are saved. False when
// nothing was changed: no stop or invoice open, no such line, or the invoice file could not
// be written (said). Written: the invoice file, then the route file (when it could be saved;
// saveRoute says when not, and the adjustment stands).
Outcome saveLineAdjustment(CKelvoDoc& doc, std::size_t index, const LineAdjustment& adjustment);

// The pick-up quantity as typed with every character but the digits taken out; when any had
// to be, the driver is told "Only numerical characters are allowed!" (caption "Error data").
std::string pickUpDigits(Prompter& prompter, const std::string& text);
// The pick-up buttons: decrease unless the text is "" or "0", increase unless it is "9999".
bool pickUpDecreasable(const std::string& text);
bool pickUpIncreasable(const std::string& text);
// The pick-up quantity one up or down (step +1 or -1), within 0 to 9999.
std::string pickUpStepped(const std::string& text, int step);

// Stores the extra order of line `index` (reason code, quantity within +-kMaxQuantityEntry)
// and saves the invoice. Not done when nothing was changed; written: the invoice file.
Outcome storeOrder(CKelvoDoc& doc, std::size_t index, const std::string& reasonCode, int quantity);

// The future inventory of a line after an inventory change.
double futureInventory(const CInvoiceItem& line, int change);
// Stores the future inventory of line `index` after the change and saves the invoice. False,
// telling why, when the change is beyond +-kMaxInventoryChange or the result below 0, and
// when nothing could be saved (not done). Written: the invoice file.
Outcome storeInventoryChange(CKelvoDoc& doc, std::size_t index, int change);
// The question the screen asks before the change of line `index` is cancelled: "Are you sure
// you want to cancel this change ?" (caption "Question"); nullopt when the line's future
// inventory is its current one (nothing to cancel, nothing asked).
std::optional<Message> cancelInventoryQuestion(const CKelvoDoc& doc, std::size_t index);
// Cancels the change of line `index` when the driver answered Yes: its future inventory goes
// back to the current one and the invoice is saved. Done when the change was cancelled;
// written: the invoice file.
Outcome cancelInventoryChange(CKelvoDoc& doc, std::size_t index, Answer answer);

}  // namespace kelvo
