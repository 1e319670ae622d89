#pragma once

namespace kelvo {

class CInvoice;
class CKelvoDoc;

// The invoice session: the selected stop's invoice headers (CKelvoDoc::Invoices), the number of
// the selected invoice, the open invoice (CKelvoDoc::Invoice) and its selected line. What may be
// done with the invoice is worked out from them each time it is asked, never kept beside them,
// so that it cannot go stale after a settlement, a failed load or another selection.

// True when the stop's invoices are shown in the invoice list: a stop with one invoice (or
// none) goes straight to the invoice details and back to the stop actions. The one place
// that decides it.
bool showsInvoiceList(const CKelvoDoc& doc);

// Makes the invoice with this number the selected one (it is opened by openSelectedInvoice).
void selectInvoice(CKelvoDoc& doc, double invoiceNumber);

// The driver selected line `line` of the open invoice (its position in the line list; -1:
// none).
void selectLine(CKelvoDoc& doc, int line);

// True when the open invoice is the selected one and its file was read.
bool invoiceOpen(const CKelvoDoc& doc);

// True when the open invoice may be settled now: it is open, listed for the selected stop,
// the stop counts as arrived and the invoice is not settled.
bool maySettle(const CKelvoDoc& doc);

// True when the open invoice's lines may not be adjusted: it may not be settled, or the
// configuration does not allow invoice adjustments.
bool invoiceReadOnly(const CKelvoDoc& doc);

// True when the selected invoice is listed for the stop and settled (it has a receipt).
bool selectedInvoiceSettled(const CKelvoDoc& doc);

// Saves `changed`, a changed copy of the open invoice, and makes it the open one (its header
// in the stop's list follows). False when it could not be written: the driver is told, and
// the open invoice stays as it was, so that memory never holds what the file does not.
[[nodiscard]] bool commitInvoice(CKelvoDoc& doc, CInvoice& changed);

}  // namespace kelvo
