#include "doc/InvoiceOps.h"

#include "common/Prompter.h"
#include "common/Translate.h"
#include "doc/Commands.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"

namespace kelvo {

namespace {

void selectNone(CKelvoDoc& doc) {
    doc.SetCurrentInvoiceNumber(-1.0);
    doc.SetSettleAllowed(false);
    doc.SetInvoiceReadOnly(true);
}

}  // namespace

int openInvoiceList(CKelvoDoc& doc, int previousScreen) {
    const double shown = previousScreen == screen::InvDetails ? doc.CurrentInvoiceNumber() : -1.0;
    loadStopInvoices(doc);
    const CInvoices& invoices = doc.Invoices();
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
    const CStop* stop = selectedStop(doc);
    const CInvoiceHeader* header = doc.Invoices().Find(invoiceNumber);
    const bool settle = header && stop && stopArrived(*stop) && header->Status != "Settled";
    doc.SetSettleAllowed(settle);
    doc.SetInvoiceReadOnly(!settle || doc.Config().AllowInvoiceAdjust() != 'Y');
}

bool openSelectedInvoice(CKelvoDoc& doc) {
    loadStopInvoices(doc);
    const CInvoices& invoices = doc.Invoices();
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
