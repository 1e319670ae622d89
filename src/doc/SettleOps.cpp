#include "doc/SettleOps.h"

#include <cmath>
#include <vector>

#include "common/FileValues.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/InvoiceOps.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/VisitOps.h"

namespace kelvo {

namespace {

// An amount in whole cents, as the files and the screens show it.
long long cents(double amount) {
    return std::llround(amount * 100.0);
}

// Adds the collected amount to the route's collections of the invoice's column and copies
// the new total into the route's entry. Totals are kept in whole cents, as the file has them.
void addCollection(CRoute& route, CRouteSummary* entry, bool cod, double amount) {
    if (cod) {
        route.SetTotalCollectionsCOD(fileNumber(route.TotalCollectionsCOD() + amount, 2));
        if (entry) {
            entry->SetTotalCollectionsCOD(route.TotalCollectionsCOD());
        }
    } else {
        route.SetTotalCollectionsCharge(fileNumber(route.TotalCollectionsCharge() + amount, 2));
        if (entry) {
            entry->SetTotalCollectionsCharge(route.TotalCollectionsCharge());
        }
    }
}

// One more settled stop on the route and its entry; the route list counts the route as
// settled once its last stop is.
void countSettledStop(CKelvoDoc& doc, CRouteSummary* entry) {
    CRoute& route = doc.Route();
    route.SetSettledStops(route.SettledStops() + 1);
    if (!entry) {
        return;
    }
    const bool wasSettled = entry->IsSettled();
    entry->SetSettledStops(route.SettledStops());
    if (!wasSettled && entry->IsSettled()) {
        doc.Routes().SetSettledRoutes(doc.Routes().SettledRoutes() + 1);
    }
}

// The column of the cash a settlement cut short left uncounted. Only one invoice can be caught
// between its two saves: the settled one whose collected amount is what the stop misses (the
// later one in the list when two fit). Without such a one, the column of the last settled one.
bool uncountedIsCod(const std::vector<CInvoice>& settled, long long missingCents) {
    for (auto it = settled.rbegin(); it != settled.rend(); ++it) {
        if (cents(it->CashCollected()) == missingCents) {
            return it->COD() == 'Y';
        }
    }
    return settled.back().COD() == 'Y';
}

}  // namespace

bool readyForSettlement(CKelvoDoc& doc) {
    CInvoice& invoice = doc.Invoice();
    if (!invoice.HoldsInvoice()) {
        return false;
    }
    if (!invoice.PickUpsEntered()) {
        doc.Prompt().inform(tr("Please enter pick up quantities before settlement!"), "",
                            MessageIcon::None);
        return false;
    }
    // The quantities filled in for the driver are saved before the settlement builds on them.
    CInvoice filled = invoice;
    return !filled.FillPickUps() || commitInvoice(doc, filled);
}

bool signatureRequired(const CStop& stop) {
    return stop.SignatureRequired != 'N';
}

bool isAmountText(const std::string& text) {
    std::size_t digits = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            ++(point ? decimals : digits);
        } else {
            return false;
        }
    }
    // Nine whole digits keep the amount far inside what the files write exactly.
    return digits + decimals > 0 && digits <= 9 && decimals <= 2;
}

bool paymentAcceptable(Prompter& prompter, bool byCheck, const std::string& checkNumber,
                       const std::string& amountText) {
    if (byCheck && checkNumber.empty()) {
        prompter.inform(tr("You must fill the check number before!"), tr("Payment by Check"));
        return false;
    }
    if (byCheck && checkNumber.size() > kMaxCheckNumber) {
        prompter.inform(tr("Enter no more than 16 characters."), tr("Payment by Check"));
        return false;
    }
    if (!isAmountText(amountText)) {
        prompter.inform(tr("Please enter a number."), tr("Invalid data"));
        return false;
    }
    return true;
}

bool collectedShort(const CInvoice& invoice, double amountCollected) {
    // Compared in cents: after adjustments PayThisAmount may carry a rounding remainder that
    // must not make a payment of the whole amount look short.
    return invoice.COD() == 'Y' && cents(amountCollected) < cents(invoice.PayThisAmount());
}

bool signatureComplete(const std::string& initials, bool hasInk) {
    return !initials.empty() && hasInk;
}

std::string signaturePath(const CKelvoDoc& doc, double invoiceNumber) {
    // Beside the invoice file, in the data folder of the storage location (the device has no
    // current folder, so the path with or without its leading backslash names the same file).
    return doc.DataFolder() + format("Inv_%.0f.bmp", invoiceNumber);
}

int settleInvoice(CKelvoDoc& doc, const Payment& payment) {
    CStop* stop = selectedStop(doc);
    const CInvoice& open = doc.Invoice();
    if (!stop || !open.HoldsInvoice()) {
        return -1;
    }
    if (signatureRequired(*stop) && payment.signedBy.empty()) {
        return -1;
    }
    CInvoice settled = open;
    settled.SetCashCollected(payment.amountCollected);
    settled.SetPersonIdentification(payment.signedBy);
    settled.SetStatus("Settled");
    settled.SetUndeliverReasonCode("");
    settled.SetCheckNumber(payment.checkNumber);
    if (!commitInvoice(doc, settled)) {
        return -1;
    }
    // Killed from here to the route's save, the invoice file is settled and the route file
    // still shows the stop and route before it: both read again, the invoice is not offered
    // for settlement a second time, and countInterruptedSettlement counts it once the stop's
    // invoices are loaded again.
    const bool stopWasSettled = stop->IsSettled();
    stop->TotalCashCollected = fileNumber(stop->TotalCashCollected + payment.amountCollected, 2);
    stop->SignedInvoices += 1;
    stop->UndeliverReasonCode.clear();
    CRouteSummary* entry = currentRouteEntry(doc);
    // The stop counts once, when its last invoice is signed (compared with the stop's own
    // invoice list, as its status is).
    if (!stopWasSettled && stop->IsSettled()) {
        countSettledStop(doc, entry);
    }
    addCollection(doc.Route(), entry, doc.Invoice().COD() == 'Y', payment.amountCollected);
    saveRoute(doc);
    const CInvoices& invoices = doc.Invoices();
    return static_cast<std::size_t>(invoices.SettledCount()) >= invoices.Count() ? 1 : 2;
}

bool countInterruptedSettlement(CKelvoDoc& doc) {
    CStop* stop = selectedStop(doc);
    const CInvoices& invoices = doc.Invoices();
    if (!stop || invoices.SettledCount() <= stop->SignedInvoices) {
        return false;
    }
    // The headers do not carry what was collected: the settled invoices are read whole (only
    // here, only this stop's).
    std::vector<CInvoice> settled;
    long long collected = 0;
    for (std::size_t i = 0; i < invoices.Count(); ++i) {
        const CInvoiceHeader& header = invoices.At(i);
        if (header.Status != "Settled") {
            continue;
        }
        CInvoice& invoice = settled.emplace_back();
        invoice.SetPath(doc.StorageLocation());
        if (!invoice.Load(doc.Fs(), doc.Prompt(), header.InvoiceNumber)) {
            return false;
        }
        collected += cents(invoice.CashCollected());
    }
    const bool stopWasSettled = stop->IsSettled();
    stop->SignedInvoices = invoices.SettledCount();
    stop->UndeliverReasonCode.clear();
    CRouteSummary* entry = currentRouteEntry(doc);
    if (!stopWasSettled && stop->IsSettled()) {
        countSettledStop(doc, entry);
    }
    // A stop that shows more cash than its invoices (the back office's figures) keeps it.
    const long long missing = collected - cents(stop->TotalCashCollected);
    if (missing > 0) {
        const double amount = static_cast<double>(missing) / 100.0;
        stop->TotalCashCollected = fileNumber(stop->TotalCashCollected + amount, 2);
        addCollection(doc.Route(), entry, uncountedIsCod(settled, missing), amount);
    }
    saveRoute(doc);
    return true;
}

}  // namespace kelvo
