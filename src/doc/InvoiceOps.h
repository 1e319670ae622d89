#pragma once

#include <cstddef>

#include "doc/Commands.h"
#include "doc/InvoiceSession.h"

namespace kelvo {

class CKelvoDoc;

// What the invoice screens share: the selected stop's invoices loaded, the invoice list
// opened, the selected invoice opened (see InvoiceSession.h for what may be done with it).

// Loads the selected stop's invoice headers into the document's CInvoices (nothing is read
// when it holds them already) and completes a settlement that was cut short (see
// completeRecordedSettlement in SettleOps.h). A file that cannot be read is reported by the
// loader. Returns the number of headers held; 0 without a selected stop.
std::size_t loadStopInvoices(CKelvoDoc& doc);

// The command that shows the stop's invoices (Settle on the stop actions): the invoice list,
// or the invoice details with the stop's one invoice selected.
CommandId openStopInvoices(CKelvoDoc& doc);

// When the invoice list opens: loads the current stop's invoice headers and chooses the
// invoice to select. Coming back from the invoice details (previousScreen) it is the invoice
// shown there, otherwise (or when that one is not listed) the first. Selects it and returns
// its row; -1 without invoices (nothing is then selected).
int openInvoiceList(CKelvoDoc& doc, int previousScreen);

// Opens the selected invoice for the invoice details: the stop's headers are loaded, the
// first invoice is selected when none is, and the invoice is read unless it is held already.
// False (after the loader's message) when there is none or its file cannot be read; nothing
// may then be changed or settled.
bool openSelectedInvoice(CKelvoDoc& doc);

}  // namespace kelvo
