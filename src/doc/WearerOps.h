#pragma once

#include <optional>
#include <string>

#include "doc/WearerChange.h"

namespace kelvo {

class CKelvoDoc;
struct CInventory;
struct CWearer;
struct CWearerData;

// Operations of the wearer screen on the document: entering it for the current stop's
// customer, what the selected row stands for, the checks of its actions, and the changes made
// at once (quit wearer, quit product, cancel transaction). Every change is committed through
// the customer's transaction list, which rewrites its file; a change that cannot be written is
// reported and leaves list and file as they were.

// Loads the current stop's customer's transactions and wearers (nothing is read for the
// customer loaded already) and the reference lists the wearer screens use. After a reload the
// next wearer number is worked out again and the list state is cleared; the wearer rows are
// built. A file that exists but cannot be read is reported, naming it. A transaction being
// built is dropped: coming back to the wearer screen leaves every change screen. Returns the
// column width of the wearer numbers (see wearerColumnWidth).
int enterWearers(CKelvoDoc& doc);

// The customer of the current stop; -1 without one.
double currentCustomer(const CKelvoDoc& doc);

// The selected row's wearer when it is a wearer of the wearer file; nullptr otherwise.
const CWearer* selectedWearer(const CWearerData& data);
// The transaction that stands for the selected wearer: the add wearer transaction of a wearer
// added here, or the quit wearer transaction of a wearer of the file; nullptr when none.
const CInventory* selectedTransactionWearer(const CWearerData& data);
// The WID of an action on the selected wearer: the WID of its transaction wearer when there is
// one, else the ID of the wearer of the file; "" for a wearer added here.
std::string selectedWID(const CWearerData& data);
// The selected wearer in messages: its row text (number, padding, name).
std::string selectedWearerLabel(const CKelvoDoc& doc);
// The selected wearer as the headlines of the change screens show it: number and name.
std::string selectedWearerLine(const CWearerData& data);

// True when the Cancel button may be pressed on the selected row: a transaction stands behind
// its mark (added, quit, quantity changed).
bool mayCancelSelected(const CWearerData& data);

// The actions on the selected product row.
enum class ProductAction { Exchange, ChangeQuantity, Quit };

// Why an action on the selected row is refused: the warning's text (not yet translated);
// nullptr when the action may go on. refuseProductAction gives "" for a wearer row, where the
// product actions are not offered and nothing is said.
const char* refuseSelection(const CWearerData& data);
const char* refuseAddProduct(const CWearerData& data);
const char* refuseQuitWearer(const CWearerData& data);
const char* refuseProductAction(const CWearerData& data, ProductAction action);

// The checks of the wearer screen's actions. Each shows why an action is refused (caption
// "Warning") and returns false; true when the action may go on.
bool checkWearerSelected(CKelvoDoc& doc);
bool checkAddProduct(CKelvoDoc& doc);
bool checkQuitWearer(CKelvoDoc& doc);
bool checkProductAction(CKelvoDoc& doc, ProductAction action);

// The changes below take the driver's answer to their question, which the caller asks first
// (the question functions give it; nullopt when the change is refused, and then nothing is
// asked), and show nothing: a refusal or a failed save comes back in the result's notices, with
// the list and file as they were. An answer other than Yes gives a result that is not done and
// has no notice.

// Quit Wearer: checks, and on Yes commits a quit wearer transaction. The question is "Are you
// sure you want to quit <name> ?" (caption "Question").
std::optional<Message> quitWearerQuestion(const CKelvoDoc& doc);
WearerChange quitWearer(CKelvoDoc& doc, Answer answer);
// Quit Product: checks, and on Yes commits a quit product transaction of the selected product.
// The question is "Are you sure you want to quit <product> for <wearer> ?" (caption "Question").
std::optional<Message> quitProductQuestion(const CKelvoDoc& doc);
WearerChange quitProduct(CKelvoDoc& doc, Answer answer);
// Cancel Transaction: finds the transaction behind the selected row and on Yes removes it (a
// product's line only, for a product of a transaction with several). The question is "Are you
// sure you want to cancel this <action> transaction?" (caption "Confirm cancel").
std::optional<Message> cancelTransactionQuestion(const CKelvoDoc& doc);
WearerChange cancelSelectedTransaction(CKelvoDoc& doc, Answer answer);

// Commits the document's pending transaction into the current customer's transactions and
// rebuilds the wearer rows. When it cannot be saved (the file could not be read, or written)
// the transaction stays pending and the result says why.
[[nodiscard]] WearerChange commitPending(CKelvoDoc& doc);
// Commits the pending transaction as a finished change (the work order's save, a lower
// quantity) as commitPending does; the next wearer number rises to a new wearer's, and the
// wearer screen comes back with the new wearer selected, or with the changed wearer's products
// shown. Not done, without a notice, when no change is being built.
[[nodiscard]] WearerChange commitChange(CKelvoDoc& doc);

}  // namespace kelvo
