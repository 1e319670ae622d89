#include "model/SettlementJournal.h"

#include "common/DeviceFs.h"
#include "common/FileValues.h"
#include "common/FileWriter.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kJournalField = "\r\n\t";

}  // namespace

std::string CSettlementJournal::Path(std::string_view dataRoot) {
    return std::string(dataRoot) + "\\VexXml\\.Settlement.xml";
}

std::string CSettlementJournal::ToXml() const {
    std::string out = "<Settlement>";
    appendWholeElement(out, kJournalField, "RouteNumber", RouteNumber);
    appendTextElement(out, kJournalField, "Date", Date);
    appendWholeElement(out, kJournalField, "StopIndex", StopIndex);
    appendFixedElement(out, kJournalField, "InvoiceNumber", InvoiceNumber, 0);
    appendWholeElement(out, kJournalField, "SignedInvoices", SignedInvoices);
    appendFixedElement(out, kJournalField, "CashCollected", CashCollected, 2);
    appendTextElement(out, kJournalField, "CheckNumber", CheckNumber);
    appendTextElement(out, kJournalField, "PersonIdentification", PersonIdentification);
    appendFlagElement(out, kJournalField, "Signature", Signature);
    appendTextElement(out, kJournalField, "SettledDate", SettledDate);
    appendTextElement(out, kJournalField, "SettledTime", SettledTime);
    out.append("\r\n</Settlement>");
    return out;
}

bool CSettlementJournal::Save(const DeviceFs& fs, const std::string& path) const {
    return writeFileAtomic(fs, path, ToXml());
}

CSettlementJournal::Found CSettlementJournal::Load(const DeviceFs& fs, const std::string& path,
                                                   CSettlementJournal& journal) {
    XmlDocument doc;
    if (!doc.load(fs, path)) {
        return fs.isFile(path) ? Found::Damaged : Found::None;
    }
    const XmlElement e = doc.root();
    if (!e) {
        return Found::Damaged;
    }
    journal = {};
    journal.RouteNumber = e.whole("RouteNumber");
    journal.Date = e.text("Date");
    journal.StopIndex = e.whole("StopIndex");
    journal.InvoiceNumber = e.number("InvoiceNumber");
    journal.SignedInvoices = e.whole("SignedInvoices");
    journal.CashCollected = e.number("CashCollected");
    journal.CheckNumber = e.text("CheckNumber");
    journal.PersonIdentification = e.text("PersonIdentification");
    journal.Signature = e.flag("Signature", 'N');
    journal.SettledDate = e.text("SettledDate");
    journal.SettledTime = e.text("SettledTime");
    return journal.Date.empty() || journal.StopIndex < 0 ? Found::Damaged : Found::Read;
}

}  // namespace kelvo
