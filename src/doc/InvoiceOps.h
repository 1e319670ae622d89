#pragma once

namespace kelvo {

class CInvoice;
class CKelvoDoc;

// What the invoice screens share: the invoice selected among the selected stop's invoices
// (see VisitOps.h) with what may be done with it, and the saving of a changed invoice.

// When the invoice list opens: loads the current stop's invoice headers and chooses the
// invoice to select. Coming back from the invoice details (previousScreen) it is the invoice
// shown there, otherwise (or when that one is not listed) the first. Selects it and returns
// its row; -1 without invoices (nothing is then selected).
int openInvoiceList(CKelvoDoc& doc, int previousScreen);

// Makes the invoice with this number the selected one and sets what may be done with it: it
// may be settled when it is listed for the stop, the stop counts as arrived and the invoice
// is not "Settled"; its lines are read-only when it may not be settled or the configuration
// does not allow invoice adjustments.
void selectInvoice(CKelvoDoc& doc, double invoiceNumber);

// Opens the selected invoice for the invoice details: the stop's headers are loaded, the
// first invoice is selected when none is (a stop with one invoice goes straight to it), the
// command flags are set again and the invoice is read unless it is held already. False
// (after the loader's message) when there is none or its file cannot be read; nothing may
// then be changed or settled.
bool openSelectedInvoice(CKelvoDoc& doc);

// Saves `changed`, a changed copy of the open invoice, and makes it the open one (its header
// in the stop's list follows). False when it could not be written: the driver is told, and
// the open invoice stays as it was, so that memory never holds what the file does not.
[[nodiscard]] bool commitInvoice(CKelvoDoc& doc, CInvoice& changed);

}  // namespace kelvo
