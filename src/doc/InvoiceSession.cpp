#include "doc/InvoiceSession.h"

#include "common/Prompter.h"
#include "common/Translate.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"

namespace kelvo {

void InvoiceSession::selectInvoice(double invoiceNumber) {
    if (invoiceNumber != m_number) {
        m_line = -1;
    }
    m_number = invoiceNumber;
}

int InvoiceSession::SelectedLine() const {
    if (!IsOpen() || m_line < 0 || static_cast<std::size_t>(m_line) >= m_invoice.LineCount()) {
        return -1;
    }
    return m_line;
}

bool InvoiceSession::selectLine(int line) {
    if (line < -1 ||
        (line >= 0 && (!IsOpen() || static_cast<std::size_t>(line) >= m_invoice.LineCount()))) {
        return false;
    }
    m_line = line;
    return true;
}

bool InvoiceSession::IsOpen() const {
    return m_invoice.HoldsInvoice() && m_invoice.InvoiceNumber() == m_number;
}

bool InvoiceSession::SelectedSettled() const {
    const CInvoiceHeader* header = m_invoices.Find(m_number);
    return header && header->IsSettled();
}

void InvoiceSession::close() {
    m_invoices = CInvoices();
    m_invoice = CInvoice();
    m_number = -1.0;
    m_line = -1;
}

bool maySettle(const CKelvoDoc& doc) {
    const InvoiceSession& session = doc.Invoicing();
    const CStop* stop = selectedStop(doc);
    return stop && stopArrived(*stop) && session.IsOpen() &&
           session.Invoices().Find(session.SelectedNumber()) && !session.Invoice().IsSettled();
}

bool invoiceReadOnly(const CKelvoDoc& doc) {
    return !maySettle(doc) || doc.Config().AllowInvoiceAdjust() != 'Y';
}

bool selectedInvoiceSettled(const CKelvoDoc& doc) {
    return doc.Invoicing().SelectedSettled();
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
