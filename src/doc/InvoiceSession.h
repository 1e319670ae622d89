#pragma once

#include "model/Invoice.h"
#include "model/Invoices.h"

namespace kelvo {

class CKelvoDoc;

// The invoice session: the selected stop's invoice headers, the number of the selected
// invoice, the open invoice and its selected line. Its methods keep them consistent: another
// invoice forgets the line, a line is one of the open invoice's or none, and another stop
// closes the session. What may be done with the invoice is worked out each time it is asked,
// never kept beside them, so that it cannot go stale after a settlement, a failed load or
// another selection.
class InvoiceSession {
public:
    // The invoice headers of the selected stop.
    CInvoices& Invoices() { return m_invoices; }
    const CInvoices& Invoices() const { return m_invoices; }
    // The invoice open on the screens (one at a time; loading another number replaces it).
    CInvoice& Invoice() { return m_invoice; }
    const CInvoice& Invoice() const { return m_invoice; }

    // The number of the selected invoice; -1 when none.
    double SelectedNumber() const { return m_number; }
    // Makes the invoice with this number the selected one (-1: none); it is opened by
    // openSelectedInvoice. Another invoice than the selected one forgets the selected line.
    void selectInvoice(double invoiceNumber);

    // The selected line: its position in the open invoice's line list; -1 when none is
    // selected or the selected invoice is not open.
    int SelectedLine() const;
    // The driver selected line `line` of the open invoice (-1: none). False (nothing changes)
    // for a position that is not a line of the open invoice.
    bool selectLine(int line);

    // True when the open invoice is the selected one and its file was read.
    bool IsOpen() const;
    // True when the selected invoice is listed for the stop and settled (it has a receipt).
    bool SelectedSettled() const;
    // True when the stop's invoices are shown in the invoice list: a stop with one invoice (or
    // none) goes straight to the invoice details and back to the stop actions. The one place
    // that decides it.
    bool ShowsList() const { return m_invoices.Count() > 1; }

    // Closes the session: no headers, no open invoice, nothing selected. Another stop was
    // opened (its invoices are read anew), or the day's data came in anew.
    void close();

private:
    CInvoices m_invoices;
    CInvoice m_invoice;
    double m_number = -1.0;
    int m_line = -1;
};

// True when the open invoice may be settled now: it is open, listed for the selected stop,
// the stop counts as arrived and the invoice is not settled.
bool maySettle(const CKelvoDoc& doc);

// True when the open invoice's lines may not be adjusted: it may not be settled, or the
// configuration does not allow invoice adjustments.
bool invoiceReadOnly(const CKelvoDoc& doc);

// InvoiceSession::SelectedSettled of the document's invoice session (a test of the screen
// table).
bool selectedInvoiceSettled(const CKelvoDoc& doc);

// Saves `changed`, a changed copy of the open invoice, and makes it the open one (its header
// in the stop's list follows). False when it could not be written: the driver is told, and
// the open invoice stays as it was, so that memory never holds what the file does not.
[[nodiscard]] bool commitInvoice(CKelvoDoc& doc, CInvoice& changed);

}  // namespace kelvo
