#include "doc/InvoiceOps.h"

#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/SettleOps.h"
#include "doc/VisitOps.h"

namespace kelvo {

std::size_t loadStopInvoices(CKelvoDoc& doc) {
    const CStop* stop = selectedStop(doc);
    CInvoices& invoices = doc.Invoices();
    invoices.SetPath(doc.StorageLocation());
    if (!stop) {
        return loadInvoices(invoices, doc.Fs(), doc.Prompt(), {});
    }
    const std::size_t count =
        loadInvoices(invoices, doc.Fs(), doc.Prompt(), stop->Invoices(), doc.Route().FilePath());
    // A settlement cut short that the start could not complete is tried again here.
    completeRecordedSettlement(doc);
    return count;
}

CommandId openStopInvoices(CKelvoDoc& doc) {
    if (doc.Invoicing().ShowsList()) {
        return cmd::InvoiceSelect;
    }
    if (doc.Invoices().Count() == 1) {
        doc.Invoicing().selectInvoice(doc.Invoices().At(0).InvoiceNumber);
    }
    return cmd::Settlement;
}

int openInvoiceList(CKelvoDoc& doc, int previousScreen) {
    const double shown =
        previousScreen == screen::InvDetails ? doc.Invoicing().SelectedNumber() : -1.0;
    loadStopInvoices(doc);
    const CInvoices& invoices = doc.Invoices();
    if (invoices.Count() == 0) {
        doc.Invoicing().selectInvoice(-1.0);
        return -1;
    }
    std::size_t row = 0;
    for (std::size_t i = 0; i < invoices.Count(); ++i) {
        if (invoices.At(i).InvoiceNumber == shown) {
            row = i;
            break;
        }
    }
    doc.Invoicing().selectInvoice(invoices.At(row).InvoiceNumber);
    return static_cast<int>(row);
}

bool openSelectedInvoice(CKelvoDoc& doc) {
    loadStopInvoices(doc);
    const CInvoices& invoices = doc.Invoices();
    if (doc.Invoicing().SelectedNumber() < 0.0) {
        if (invoices.Count() == 0) {
            return false;
        }
        doc.Invoicing().selectInvoice(invoices.At(0).InvoiceNumber);
    }
    CInvoice& invoice = doc.Invoice();
    invoice.SetPath(doc.StorageLocation());
    return loadInvoice(invoice, doc.Fs(), doc.Prompt(), doc.Invoicing().SelectedNumber());
}

}  // namespace kelvo
