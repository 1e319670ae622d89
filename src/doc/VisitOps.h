#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "doc/Outcome.h"

namespace kelvo {

class CInvoices;
class CKelvoDoc;
struct CStop;

// Operations of a visit: which stop is selected, what the stop list and the stop action screen
// may offer, arrival, departure and the undeliverable stop. Every change is made on the current
// route, saved at once and copied into the route list; invoice files are changed through a
// temporary CInvoice each.

// The selected stop of the route session (RouteSession::SelectedStop); nullptr when none is
// selected or the route file could not be read (its stops in memory belong to another route).
CStop* selectedStop(CKelvoDoc& doc);
const CStop* selectedStop(const CKelvoDoc& doc);

// The driver selected row `row` of the stop list (-1: none): it becomes the selected stop, and
// another stop than the one selected closes the invoice session. False (nothing changes) for
// a row that is not a stop of the route held.
bool selectStop(CKelvoDoc& doc, int row);

// True while the selected route has started and not ended: stops may be opened and marked.
bool routeOpen(const CKelvoDoc& doc);
// True when the stop has no invoice or an arrival time.
bool stopArrived(const CStop& stop);
// True when the stop has no invoice or a departure time.
bool stopDeparted(const CStop& stop);
// True when the route is open, the stop is not settled and the driver is not at it (not yet
// arrived, or departed already).
bool mayBeUndeliverable(const CKelvoDoc& doc, const CStop& stop);

// The row the stop list selects when it opens: the selected stop, or the next one once the
// driver has left a stop; within the list (0 for an empty one).
int stopRowToSelect(const CKelvoDoc& doc);

// What the stop action screen tells about the stop's invoices.
struct InvoiceSummary {
    int count = 0;          // invoices listed
    int settled = 0;        // of them with Status "Settled"
    double total = 0.0;     // sum of their PayThisAmount
    bool firstCod = false;  // the first invoice is paid on delivery

    // "%d Invoice Settled" / "In Progress" / "Unsettled", or "0 Invoice".
    std::string invoiceLine() const;
    // "Total Cod $ 12.50" or "Total Charge $ 12.50".
    std::string totalLine() const;
};

// The summary of the invoice headers as loaded.
InvoiceSummary summarizeInvoices(const CInvoices& invoices);

// True when the selected stop has been arrived at, is not departed, and every invoice of the
// document's loaded invoice headers is settled.
bool mayDepart(const CKelvoDoc& doc);

// What the stop action screen counts of the customer's garment service.
struct GarmentCounts {
    std::size_t orders = 0;   // inventory transactions created for the customer
    std::size_t flagged = 0;  // garments flagged at the customer
};

// Counts the customer's inventory transactions and garment flags from their files (a file that
// is missing counts none; one that cannot be read is reported by its loader and counts none).
GarmentCounts garmentCounts(CKelvoDoc& doc, const CStop& stop);

// One notice for the driver: it closes itself after a moment, or stays until OK.
struct Notice {
    std::string title;
    std::string text;
    bool untilOk = false;
};

// Records the arrival at the selected stop at the clock's time: arrival time, travel minutes since
// the previous departure (or the start of the route), visit minutes 0; a stop marked undeliverable
// loses its reason and its effects on the invoices and the route totals. Saves the route.
// Returns the notices to show (arrival time or the survey reminder, then the delivery
// instructions); nothing is recorded and no notice returned unless the stop is still to be
// reached.
std::vector<Notice> recordArrival(CKelvoDoc& doc);

// Records the departure from the selected stop at the clock's time: departure time, visit minutes
// since the arrival; the stop becomes the one last departed from. Saves the route. Returns the
// notice "Departed At: hh:mm AM"; one without text (nothing recorded) when the stop may not
// be departed.
Notice recordDeparture(CKelvoDoc& doc);

// Marks the selected stop undeliverable with `reasonCode` at the clock's time: arrival and
// departure times, travel minutes as for an arrival, visit minutes 0, the reason. On the first
// marking (the stop had no reason) every invoice of the stop whose reason differs gets this one
// (its file rewritten) and each invoice's amount moves to the route's undelivered total of its
// column; a later marking changes the stop's reason only. Saves the route; the stop counts as
// the one last departed from. Not done (nothing changed) when the stop may not be marked or
// the code is empty. Written: the invoice files rewritten, then the route file (a file that
// could not be written is left out; saveRoute tells the driver of the route file).
Outcome markUndeliverable(CKelvoDoc& doc, const std::string& reasonCode);

// The driver cancelled the undeliverable dialog: nothing is marked, and the next arrival's
// travel minutes count from the start of the route (no stop counts as last departed from).
void cancelUndeliverable(CKelvoDoc& doc);

// Takes back the undeliverable marking of route stop `stopIndex`: the stop's reason is
// cleared, every invoice of the stop loses its reason (its file rewritten) and its amount goes
// back from the undelivered total to the amount to pay of its column. Does not save the route.
void reverseUndeliverable(CKelvoDoc& doc, std::size_t stopIndex);

// The aging information of a stop as the aging screen shows it.
struct AgingFigures {
    std::string title;  // "Stop# 3 Account# 4711"
    std::string current, over30, over60, over90, openCredit;
    std::string balance;  // current + 30 + 60 + 90 - open credit
    std::string lastPaymentAmount;
    std::string lastPaymentDate;  // "dd-MM-yyyy"; "" when the stop has none
    std::string lastPaymentNumber;
};

// The aging figures of a stop, amounts with two decimals.
AgingFigures agingFigures(const CStop& stop);

}  // namespace kelvo
