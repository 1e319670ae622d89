#include "doc/InvoiceSession.h"

#include "common/Prompter.h"
#include "common/Translate.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"

namespace kelvo {

bool showsInvoiceList(const CKelvoDoc& doc) {
    return doc.Invoices().Count() > 1;
}

void selectInvoice(CKelvoDoc& doc, double invoiceNumber) {
    doc.SetCurrentInvoiceNumber(invoiceNumber);
}

void selectLine(CKelvoDoc& doc, int line) {
    doc.SetCurrentLineIndex(line);
}

bool invoiceOpen(const CKelvoDoc& doc) {
    const CInvoice& invoice = doc.Invoice();
    return invoice.HoldsInvoice() && invoice.InvoiceNumber() == doc.CurrentInvoiceNumber();
}

bool maySettle(const CKelvoDoc& doc) {
    const CStop* stop = selectedStop(doc);
    return stop && stopArrived(*stop) && invoiceOpen(doc) &&
           doc.Invoices().Find(doc.CurrentInvoiceNumber()) && !doc.Invoice().IsSettled();
}

bool invoiceReadOnly(const CKelvoDoc& doc) {
    return !maySettle(doc) || doc.Config().AllowInvoiceAdjust() != 'Y';
}

bool selectedInvoiceSettled(const CKelvoDoc& doc) {
    const CInvoiceHeader* header = doc.Invoices().Find(doc.CurrentInvoiceNumber());
    return header && header->IsSettled();
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
