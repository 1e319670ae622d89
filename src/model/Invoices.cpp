#include "model/Invoices.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "model/Invoice.h"
#include "model/InvoiceFile.h"

namespace kelvo {

namespace {

CInvoiceHeader readHeader(const XmlElement& e, double invoiceNumber) {
    CInvoiceHeader h;
    h.InvoiceNumber = invoiceNumber;
    h.InvoiceDate = e.text("InvoiceDate");
    h.COD = e.flag("CODInvoice", 'N');
    h.PayThisAmount = e.number("PayThisAmount");
    h.Status = e.text("Status");
    h.UndeliverReasonCode = e.text("UndeliverReasonCode");
    h.CheckNumber = e.text("CheckNumber");
    return h;
}

}  // namespace

void CInvoices::SetPath(std::string_view storageLocation) {
    m_StoragePath = dataRoot(storageLocation);
}

InvoicesLoad CInvoices::Load(const DeviceFs& fs, std::span<const std::string> numbers) {
    if (m_Entries.size() == numbers.size() &&
        std::equal(m_Entries.begin(), m_Entries.end(), numbers.begin(),
                   [](const CInvoiceHeader& h, const std::string& text) {
                       return format("%.0f", h.InvoiceNumber) == text;
                   })) {
        return {m_Entries.size(), {}};
    }
    const WaitCursor wait;
    InvoicesLoad out;
    m_Entries.clear();
    m_SettledCount = 0;
    for (const std::string& text : numbers) {
        const std::string path = invoiceFilePath(m_StoragePath, text);
        if (path.empty()) {
            out.problems.push_back({InvoiceFileRead::Refused, text});
            continue;
        }
        XmlDocument doc;
        const InvoiceFileRead read = readInvoiceFile(fs, path, doc);
        if (read != InvoiceFileRead::Read) {
            out.problems.push_back({read, path});
        }
        if (read == InvoiceFileRead::Missing) {
            break;
        }
        // A damaged file stays on the list (with its number only, as not settled): the stop
        // must not look settled while one of its invoices cannot even be opened.
        m_Entries.push_back(readHeader(doc.root(), toDouble(text)));
    }
    std::stable_sort(m_Entries.begin(), m_Entries.end(),
                     [](const CInvoiceHeader& a, const CInvoiceHeader& b) {
                         return a.InvoiceNumber < b.InvoiceNumber;
                     });
    CountSettled();
    out.count = m_Entries.size();
    return out;
}

const CInvoiceHeader* CInvoices::Find(double invoiceNumber) const {
    const auto it = std::find_if(m_Entries.begin(), m_Entries.end(), [&](const CInvoiceHeader& h) {
        return h.InvoiceNumber == invoiceNumber;
    });
    return it == m_Entries.end() ? nullptr : &*it;
}

void CInvoices::Update(const CInvoice& invoice) {
    for (CInvoiceHeader& h : m_Entries) {
        if (h.InvoiceNumber == invoice.InvoiceNumber()) {
            h.PayThisAmount = invoice.PayThisAmount();
            h.Status = invoice.Status();
            h.UndeliverReasonCode = invoice.UndeliverReasonCode();
            h.CheckNumber = invoice.CheckNumber();
        }
    }
    CountSettled();
}

void CInvoices::CountSettled() {
    m_SettledCount =
        static_cast<std::int32_t>(std::count_if(m_Entries.begin(), m_Entries.end(),
                                                     [](const CInvoiceHeader& h) { return h.IsSettled(); }));
}

}  // namespace kelvo
