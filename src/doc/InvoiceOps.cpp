#include "doc/InvoiceOps.h"

#include "common/Prompter.h"
#include "common/Translate.h"
#include "doc/Commands.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"

namespace kelvo {

namespace {

// Loads the headers of the current stop's invoices (nothing is read while they are held).
const CInvoices& loadStopInvoices(CKelvoDoc& doc) {
    const CStop* stop = currentStop(doc);
    CInvoices& invoices = doc.Invoices();
    invoices.SetPath(doc.StorageLocation());
    if (stop) {
        invoices.Load(doc.Fs(), doc.Prompt(), stop->Invoices(), doc.Route().FilePath());
    } else {
        invoices.Load(doc.Fs(), doc.Prompt(), {});
    }
    return invoices;
}

void selectNone(CKelvoDoc& doc) {
    doc.SetCurrentInvoiceNumber(-1.0);
    doc.SetSettleAllowed(false);
    doc.SetInvoiceReadOnly(true);
}

}  // namespace

CStop* currentStop(CKelvoDoc& doc) {
    CRoute& route = doc.Route();
    const int i = doc.CurrentStopIndex();
    if (!route.HoldsRoute() || i < 0 || static_cast<std::size_t>(i) >= route.StopCount()) {
        return nullptr;
    }
    return &route.Stop(static_cast<std::size_t>(i));
}

CRouteSummary* currentRouteEntry(CKelvoDoc& doc) {
    CRouteSummary* entry = selectedRouteEntry(doc);
    const CRoute& route = doc.Route();
    if (!entry || entry->RouteNumber() != route.RouteNumber() || entry->Date() != route.Date()) {
        return nullptr;
    }
    return entry;
}

int openInvoiceList(CKelvoDoc& doc, int previousScreen) {
    const double shown = previousScreen == screen::InvDetails ? doc.CurrentInvoiceNumber() : -1.0;
    const CInvoices& invoices = loadStopInvoices(doc);
    if (invoices.Count() == 0) {
        selectNone(doc);
        return -1;
    }
    std::size_t row = 0;
    for (std::size_t i = 0; i < invoices.Count(); ++i) {
        if (invoices.At(i).InvoiceNumber == shown) {
            row = i;
            break;
        }
    }
    selectInvoice(doc, invoices.At(row).InvoiceNumber);
    return static_cast<int>(row);
}

void selectInvoice(CKelvoDoc& doc, double invoiceNumber) {
    doc.SetCurrentInvoiceNumber(invoiceNumber);
    const CStop* stop = currentStop(doc);
    const CInvoiceHeader* header = doc.Invoices().Find(invoiceNumber);
    const bool arrived = stop && (stop->ArrivalTime != "00:00" || stop->Invoices().empty());
    const bool settle = header && arrived && header->Status != "Settled";
    doc.SetSettleAllowed(settle);
    doc.SetInvoiceReadOnly(!settle || doc.Config().AllowInvoiceAdjust() != 'Y');
}

bool openSelectedInvoice(CKelvoDoc& doc) {
    const CInvoices& invoices = loadStopInvoices(doc);
    double number = doc.CurrentInvoiceNumber();
    if (number < 0.0) {
        if (invoices.Count() == 0) {
            selectNone(doc);
            return false;
        }
        number = invoices.At(0).InvoiceNumber;
    }
    selectInvoice(doc, number);
    CInvoice& invoice = doc.Invoice();
    invoice.SetPath(doc.StorageLocation());
    if (!invoice.Load(doc.Fs(), doc.Prompt(), number)) {
        doc.SetSettleAllowed(false);
        doc.SetInvoiceReadOnly(true);
        return false;
    }
    return true;
}

bool commitInvoice(CKelvoDoc& doc, CInvoice& changed) {
    if (!changed.Save(doc.Fs())) {
        doc.Prompt().inform(tr("The invoice file could not be written, so nothing was changed: ") +
                                changed.FilePath(),
                            tr("Error data"), MessageIcon::Error);
        return false;
    }
    doc.Invoice() = std::move(changed);
    doc.Invoices().Update(doc.Invoice());
    return true;
}

}  // namespace kelvo
