#include "doc/VisitOps.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/FileValues.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "model/GarmentFlags.h"
#include "model/InventoryTransactions.h"
#include "model/InvoiceFile.h"

namespace kelvo {

namespace {

// "00:00" is what the back office sends for a time that has not come yet; a missing time
// ("") means the same.
bool timeSet(const std::string& time) {
    return !time.empty() && time != "00:00";
}

// The route's totals as the file carries them: whole cents, so that screen, route list and
// file always show the same digits.
// Moves an invoice's amount from the amount to pay of its column to the undelivered total
// (a negative amount moves it back).
void moveToUndelivered(CRouteSummary& route, bool cod, double amount) {
    if (cod) {
        route.SetTotalUndeliveredCOD(cents(route.TotalUndeliveredCOD() + amount));
        route.SetPayThisAmountCOD(cents(route.PayThisAmountCOD() - amount));
    } else {
        route.SetTotalUndeliveredCharge(cents(route.TotalUndeliveredCharge() + amount));
        route.SetPayThisAmountCharge(cents(route.PayThisAmountCharge() - amount));
    }
}

// Opens one invoice of a stop into `invoice` (a temporary, so that the invoice open on the
// screens stays as it is). A number that cannot name a file and a file that cannot be read are
// reported; false then.
bool loadStopInvoice(CKelvoDoc& doc, const std::string& number, CInvoice& invoice) {
    if (invoiceFilePath(dataRoot(doc.StorageLocation()), number).empty()) {
        reportUnusableInvoiceNumber(doc.Prompt(), number, doc.Route().FilePath());
        return false;
    }
    invoice.SetPath(doc.StorageLocation());
    return loadInvoice(invoice, doc.Fs(), doc.Prompt(), toDouble(number));
}

// Gives a stop's invoice another undeliverable reason and rewrites its file; the invoice open
// on the screens and the stop's invoice headers follow. False when the file was not written.
bool storeInvoiceReason(CKelvoDoc& doc, CInvoice& invoice, const std::string& reasonCode) {
    invoice.SetUndeliverReasonCode(reasonCode);
    if (!invoice.Save(doc.Fs())) {
        return false;
    }
    CInvoice& open = doc.Invoice();
    if (open.HoldsInvoice() && open.InvoiceNumber() == invoice.InvoiceNumber()) {
        open.SetUndeliverReasonCode(reasonCode);
    }
    doc.Invoices().Update(invoice);
    return true;
}

// The time the travel to the next stop started: the departure from the stop last departed
// from, or the start of the route. A last-departed index without a departure time (it belongs
// to another route, opened since) counts as none.
std::string travelStart(const CKelvoDoc& doc) {
    const CRoute& route = doc.Route();
    const int last = doc.Routing().LastDepartedStopIndex();
    if (last >= 0 && static_cast<std::size_t>(last) < route.StopCount()) {
        const std::string& departed = route.Stop(static_cast<std::size_t>(last)).DepartureTime;
        if (timeSet(departed)) {
            return departed;
        }
    }
    return route.StartTime();
}

// Sets the selected stop's arrival at `time`, with the travel minutes since the previous
// departure. A stop that is itself the one last left (marked undeliverable again) keeps the
// travel to it.
void arriveAt(const CKelvoDoc& doc, CStop& stop, const std::string& time) {
    if (doc.Routing().LastDepartedStopIndex() != doc.Routing().SelectedStopIndex()) {
        stop.TravelMinutes = minutesBetween(travelStart(doc), time);
    }
    stop.ArrivalTime = time;
    stop.VisitMinutes = 0;
}

// "dd-MM-yyyy" of a "yyyyMMdd" date; another text is shown as the office sent it.
std::string dayMonthYear(const std::string& date) {
    if (weekdayName(date) == "Unknown") {
        return date;
    }
    return date.substr(6, 2) + "-" + date.substr(4, 2) + "-" + date.substr(0, 4);
}

}  // namespace

CStop* selectedStop(CKelvoDoc& doc) {
    return doc.Routing().SelectedStop();
}

const CStop* selectedStop(const CKelvoDoc& doc) {
    return doc.Routing().SelectedStop();
}

bool selectStop(CKelvoDoc& doc, int row) {
    const int before = doc.Routing().SelectedStopIndex();
    if (!doc.Routing().selectStop(row)) {
        return false;
    }
    if (row != before) {
        doc.Invoicing().close();  // the invoices of another stop are read when it opens
    }
    return true;
}

bool routeOpen(const CKelvoDoc& doc) {
    const CRouteSummary* entry = doc.Routing().SelectedRouteEntry();
    return entry && entry->StartMileage() > 0.0 && entry->EndMileage() == 0.0;
}

bool stopArrived(const CStop& stop) {
    return stop.Invoices().empty() || timeSet(stop.ArrivalTime);
}

bool stopDeparted(const CStop& stop) {
    return stop.Invoices().empty() || timeSet(stop.DepartureTime);
}

bool mayBeUndeliverable(const CKelvoDoc& doc, const CStop& stop) {
    const bool atTheStop = timeSet(stop.ArrivalTime) && !timeSet(stop.DepartureTime);
    return routeOpen(doc) && !stop.IsSettled() && !atTheStop;
}

int stopRowToSelect(const CKelvoDoc& doc) {
    const int count = static_cast<int>(doc.Route().StopCount());
    int row = doc.Routing().SelectedStopIndex();
    // Once the driver has left a stop the list moves on to the next one.
    if (row >= 0 && doc.Routing().LastDepartedStopIndex() >= 0) {
        ++row;
    }
    if (row >= count) {
        row = count - 1;
    }
    return row < 1 ? 0 : row;
}

std::string InvoiceSummary::invoiceLine() const {
    if (count == 0) {
        return tr("0 Invoice");
    }
    const char* line = settled == count ? KELVO_TR_NOOP("%d Invoice Settled")
                       : settled > 0    ? KELVO_TR_NOOP("%d Invoice In Progress")
                                        : KELVO_TR_NOOP("%d Invoice Unsettled");
    return replaceAll(tr(line), "%d", std::to_string(count));
}

std::string InvoiceSummary::totalLine() const {
    return tr("Total ") + (firstCod ? tr("Cod") : tr("Charge")) + " $ " + formatPrice(total, 2);
}

InvoiceSummary summarizeInvoices(const CInvoices& invoices) {
    InvoiceSummary s;
    s.count = static_cast<int>(invoices.Count());
    s.settled = invoices.SettledCount();
    for (std::size_t i = 0; i < invoices.Count(); ++i) {
        s.total += invoices.At(i).PayThisAmount;
    }
    s.firstCod = s.count > 0 && invoices.At(0).COD == 'Y';
    return s;
}

bool mayDepart(const CKelvoDoc& doc) {
    const CStop* stop = selectedStop(doc);
    const CInvoices& invoices = doc.Invoices();
    return stop && stopArrived(*stop) && !stopDeparted(*stop) &&
           invoices.SettledCount() == static_cast<std::int32_t>(invoices.Count());
}

GarmentCounts garmentCounts(CKelvoDoc& doc, const CStop& stop) {
    // Temporary lists: the wearer and scan screens load their own when the driver opens them.
    CInventoryTransactions transactions;
    transactions.SetPath(doc.StorageLocation());
    transactions.Load(doc.Fs(), stop.CustID, doc.Config().PriceDecimals());
    CGarmentFlags flags;
    flags.SetPath(doc.StorageLocation());
    reportFileRead(doc.Prompt(), flags.File(), stop.CustID, flags.Load(doc.Fs(), stop.CustID));
    return {transactions.Count(), flags.Count()};
}

std::vector<Notice> recordArrival(CKelvoDoc& doc) {
    CStop* stop = selectedStop(doc);
    if (!stop || stopArrived(*stop)) {
        return {};
    }
    const LocalTime now = doc.Time().now();
    arriveAt(doc, *stop, timeText(now));
    if (!stop->UndeliverReasonCode.empty()) {
        reverseUndeliverable(doc, static_cast<std::size_t>(doc.Routing().SelectedStopIndex()));
    }
    saveRoute(doc);

    std::vector<Notice> notices;
    if (stop->SatisfactionSurvey == 'Y') {
        notices.push_back(
            {tr("Arrival"), tr("Don't forget: \nCustomer Satisfaction Survey"), true});
    } else {
        notices.push_back(
            {tr("Arrival"), replaceAll(tr("Arrival Time: %s"), "%s", clockText(now)), false});
    }
    if (!stop->DeliveryInstructions.empty()) {
        notices.push_back({tr("Delivery Instructions"), stop->DeliveryInstructions, true});
    }
    return notices;
}

Notice recordDeparture(CKelvoDoc& doc) {
    CStop* stop = selectedStop(doc);
    if (!stop || !mayDepart(doc)) {
        return {};
    }
    const LocalTime now = doc.Time().now();
    stop->DepartureTime = timeText(now);
    stop->VisitMinutes = minutesBetween(stop->ArrivalTime, stop->DepartureTime);
    saveRoute(doc);
    doc.Routing().leaveSelectedStop();
    return {tr("Departure"), replaceAll(tr("Departed At: %s"), "%s", clockText(now)), false};
}

Outcome markUndeliverable(CKelvoDoc& doc, const std::string& reasonCode) {
    CStop* stop = selectedStop(doc);
    if (!stop || reasonCode.empty() || !mayBeUndeliverable(doc, *stop)) {
        return {};
    }
    Outcome outcome{true, {}, {}};
    const std::string time = timeText(doc.Time().now());
    arriveAt(doc, *stop, time);
    stop->DepartureTime = time;
    const bool firstMarking = stop->UndeliverReasonCode.empty();
    stop->UndeliverReasonCode = reasonCode;

    // Only the first marking reaches the invoices and moves their amounts to the undelivered
    // totals; a later one changes the stop's reason alone.
    if (firstMarking) {
        for (const std::string& number : stop->Invoices()) {
            CInvoice invoice;
            if (!loadStopInvoice(doc, number, invoice)) {
                continue;
            }
            if (invoice.UndeliverReasonCode() != reasonCode) {
                if (!storeInvoiceReason(doc, invoice, reasonCode)) {
                    continue;
                }
                outcome.written.push_back(invoice.FilePath());
            }
            moveToUndelivered(doc.Route(), invoice.COD() == 'Y', invoice.PayThisAmount());
        }
    }
    outcome.add(routeSaved(doc));
    // The travel to the next stop counts from here: the driver has dealt with this stop now.
    doc.Routing().leaveSelectedStop();
    return outcome;
}

void reverseUndeliverable(CKelvoDoc& doc, std::size_t stopIndex) {
    CRoute& route = doc.Route();
    if (stopIndex >= route.StopCount()) {
        return;
    }
    CStop& stop = route.Stop(stopIndex);
    stop.UndeliverReasonCode.clear();
    // Every invoice of an undeliverable stop counts as undelivered, also where the back office
    // sent the stop's reason without the invoice's.
    for (const std::string& number : stop.Invoices()) {
        CInvoice invoice;
        if (!loadStopInvoice(doc, number, invoice)) {
            continue;
        }
        if (storeInvoiceReason(doc, invoice, "")) {
            moveToUndelivered(route, invoice.COD() == 'Y', -invoice.PayThisAmount());
        }
    }
}

void cancelUndeliverable(CKelvoDoc& doc) {
    doc.Routing().forgetDeparture();
}

AgingFigures agingFigures(const CStop& stop) {
    AgingFigures f;
    f.title =
        replaceAll(replaceAll(tr("Stop# %d Account# %.0f"), "%d", std::to_string(stop.StopNumber)),
                   "%.0f", formatPrice(stop.CustomerNumber, 0));
    f.current = formatPrice(stop.AgingCurrent, 2);
    f.over30 = formatPrice(stop.Aging30, 2);
    f.over60 = formatPrice(stop.Aging60, 2);
    f.over90 = formatPrice(stop.Aging90, 2);
    f.openCredit = formatPrice(stop.OpenCredit, 2);
    f.balance = formatPrice(
        stop.AgingCurrent + stop.Aging30 + stop.Aging60 + stop.Aging90 - stop.OpenCredit, 2);
    f.lastPaymentAmount = formatPrice(stop.LastPaymentAmount, 2);
    f.lastPaymentDate = stop.LastPaymentDate.empty() ? "" : dayMonthYear(stop.LastPaymentDate);
    f.lastPaymentNumber = stop.LastPaymentNumber;
    return f;
}

}  // namespace kelvo
