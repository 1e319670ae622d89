#include "doc/AdjustOps.h"

#include <algorithm>
#include <cmath>

#include "common/FileValues.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/InvoiceSession.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/VisitOps.h"

namespace kelvo {

namespace {

// Adds adjustments to the route's totals of one column.
void addAdjustments(CRouteSummary& route, bool cod, double plus, double minus) {
    if (cod) {
        route.SetPlusAdjustmentsCOD(cents(route.PlusAdjustmentsCOD() + plus));
        route.SetMinusAdjustmentsCOD(cents(route.MinusAdjustmentsCOD() + minus));
    } else {
        route.SetPlusAdjustmentsCharge(cents(route.PlusAdjustmentsCharge() + plus));
        route.SetMinusAdjustmentsCharge(cents(route.MinusAdjustmentsCharge() + minus));
    }
}

// The amount to pay of both columns from the route's other totals.
void recomputePayThisAmounts(CRouteSummary& r) {
    r.SetPayThisAmountCharge(cents(r.PrebilledAmountCharge() + r.PlusAdjustmentsCharge() -
                                   r.MinusAdjustmentsCharge() - r.TotalUndeliveredCharge()));
    r.SetPayThisAmountCOD(cents(r.PrebilledAmountCOD() + r.PlusAdjustmentsCOD() -
                                r.MinusAdjustmentsCOD() - r.TotalUndeliveredCOD()));
}

// The totals of an invoice that the stop and the route carry.
struct InvoiceTotals {
    explicit InvoiceTotals(const CInvoice& invoice)
        : plus(invoice.TotalPlusAdjustments()),
          minus(invoice.TotalMinusAdjustments()),
          pay(invoice.PayThisAmount()) {}
    double plus;
    double minus;
    double pay;
};

// Moves the stop's and the route's totals from the invoice as it was to the invoice as it is.
void moveTotals(CKelvoDoc& doc, CStop& stop, const InvoiceTotals& before, const CInvoice& after) {
    CRoute& route = doc.Route();
    const bool cod = after.COD() == 'Y';
    addAdjustments(route, cod, -before.plus, -before.minus);
    addAdjustments(route, cod, after.TotalPlusAdjustments(), after.TotalMinusAdjustments());
    stop.PayTotal = cents(stop.PayTotal - before.pay + after.PayThisAmount());
    recomputePayThisAmounts(route);
}

// The open invoice's line `index`, when there is an open invoice with such a line.
const CInvoiceItem* openLine(const CKelvoDoc& doc, std::size_t index) {
    const CInvoice& invoice = doc.Invoice();
    if (!invoice.HoldsInvoice() || index >= invoice.LineCount()) {
        return nullptr;
    }
    return &invoice.Line(index);
}

// Saves `changed` as the open invoice (commitInvoice tells the driver when it cannot); done
// with the invoice file written, or not done with nothing written.
Outcome commitLineChange(CKelvoDoc& doc, CInvoice& changed) {
    Outcome outcome;
    outcome.done = commitInvoice(doc, changed);
    if (outcome.done) {
        outcome.written.push_back(doc.Invoice().FilePath());
    }
    return outcome;
}

}  // namespace

double adjustmentAmount(double price, int billed) {
    const double cents = price * billed * 100.0;
    // The product of a four-decimal price and a whole quantity is a whole number of
    // hundredths of a cent; a binary remainder just below it (0.29 x 3 = 86.99999... cents)
    // must not cost the customer a cent.
    const double nudge = std::copysign(1e-9 * std::max(1.0, std::fabs(cents)), cents);
    return std::trunc(cents + nudge) * 0.01;
}

int wholeQuantity(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::round(value), -2147483647.0, 2147483647.0));
}

bool pickUpMissing(Prompter& prompter, const CInvoiceItem& line, const std::string& pickUpQty) {
    if (line.PickUpMode() == PickUp::None || !pickUpQty.empty()) {
        return false;
    }
    prompter.inform(tr("Fill a picked up quantity!"), tr("Invalid data"));
    return true;
}

Outcome saveLineAdjustment(CKelvoDoc& doc, std::size_t index, const LineAdjustment& a) {
    CStop* stop = selectedStop(doc);
    if (!stop || !openLine(doc, index)) {
        return {};
    }
    const InvoiceTotals before(doc.Invoice());
    CInvoice after = doc.Invoice();
    if (a.reasonCode.empty()) {
        after.SetPickUpQty(index, a.pickUpQty);
        return commitLineChange(doc, after);
    }
    if (!after.AdjustLine(index, a.amount)) {
        return {};
    }
    after.SetAdjustmentReasonCode(index, a.billed == 0 && a.amount == 0.0 ? "" : a.reasonCode);
    after.SetAdjustmentQuantity(index, a.billed);
    after.SetAdjustmentDeliveredQuantity(index, a.delivered);
    after.SetPickUpQty(index, a.pickUpQty);
    Outcome outcome = commitLineChange(doc, after);
    if (!outcome.done) {
        return outcome;
    }
    moveTotals(doc, *stop, before, doc.Invoice());
    outcome.add(routeSaved(doc));
    return outcome;
}

std::string pickUpDigits(Prompter& prompter, const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    if (digits.size() != text.size()) {
        prompter.inform(tr("Only numerical characters are allowed!"), tr("Error data"));
    }
    return digits;
}

bool pickUpDecreasable(const std::string& text) {
    return !text.empty() && text != "0";
}

bool pickUpIncreasable(const std::string& text) {
    return text != "9999";
}

std::string pickUpStepped(const std::string& text, int step) {
    const int next = std::clamp(toWhole(text) + step, 0, kMaxQuantityEntry);
    return format("%d", next);
}

Outcome storeOrder(CKelvoDoc& doc, std::size_t index, const std::string& reasonCode, int quantity) {
    if (!openLine(doc, index) || quantity < -kMaxQuantityEntry || quantity > kMaxQuantityEntry) {
        return {};
    }
    CInvoice changed = doc.Invoice();
    changed.SetOrderingReasonCode(index, reasonCode);
    changed.SetOrderQty(index, quantity);
    return commitLineChange(doc, changed);
}

double futureInventory(const CInvoiceItem& line, int change) {
    return line.InventoryQuantity + change;
}

Outcome storeInventoryChange(CKelvoDoc& doc, std::size_t index, int change) {
    const CInvoiceItem* line = openLine(doc, index);
    if (!line) {
        return {};
    }
    const double future = futureInventory(*line, change);
    if (change < -kMaxInventoryChange || change > kMaxInventoryChange || future < 0.0) {
        doc.Prompt().inform(tr("The future inventory cannot be less than 0!"), tr("Invalid data"));
        return {};
    }
    CInvoice changed = doc.Invoice();
    changed.SetFutureInv(index, future);
    return commitLineChange(doc, changed);
}

std::optional<Message> cancelInventoryQuestion(const CKelvoDoc& doc, std::size_t index) {
    const CInvoiceItem* line = openLine(doc, index);
    if (!line || line->FutureInv == line->InventoryQuantity) {
        return std::nullopt;
    }
    return question(tr("Are you sure you want to cancel this change ?"), tr("Question"));
}

Outcome cancelInventoryChange(CKelvoDoc& doc, std::size_t index, Answer answer) {
    const CInvoiceItem* line = openLine(doc, index);
    if (!line || line->FutureInv == line->InventoryQuantity || answer != Answer::Yes) {
        return {};
    }
    CInvoice changed = doc.Invoice();
    changed.SetFutureInv(index, line->InventoryQuantity);
    return commitLineChange(doc, changed);
}

}  // namespace kelvo
