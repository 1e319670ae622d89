#include "model/Stop.h"

#include <algorithm>
#include <array>

#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kField = "\r\n\t\t\t";
constexpr std::string_view kListEntry = "\r\n\t\t\t\t";
constexpr std::string_view kPersonField = "\r\n\t\t\t\t\t";

// A flag is written as one character. A flag without a character (set to '\0' in memory) is
// written as 'N', since "%c" with '\0' would put a NUL byte into the file. 'N' is the safe
// meaning of all three flags: no survey reminder, bank and locker typed freely instead of
// picked from a locker list the customer does not keep, and settlement without signature
// instead of a stop that could never be settled (settlement accepts only 'Y' or 'N').
void appendFlag(std::string& out, std::string_view tag, char flag) {
    const char c = flag == '\0' ? 'N' : flag;
    appendTextElement(out, kField, tag, std::string_view(&c, 1));
}

// Unsigned fields are written "%d": the 32-bit pattern they were read from.
std::int32_t signedPattern(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

// Inserts value into a list kept in order: after every element that is not greater, so
// that equal elements stay in order of insertion.
template <class T, class Less>
void insertOrdered(std::vector<T>& list, T value, Less less) {
    const auto at = std::upper_bound(list.begin(), list.end(), value, less);
    list.insert(at, std::move(value));
}

// One stop being read, with what its fields need beyond the stop itself.
struct StopRecord {
    CStop& stop;
    XmlElement customerNumber;
    XmlElement persons;
    XmlElement calls;
    XmlElement invoices;
};

using StopField = XmlRecordReader<StopRecord>::Field;
using PersonField = XmlRecordReader<CStop::ContactPerson>::Field;

const auto kPersonFields = std::to_array<PersonField>({
    {"Number",
     [](CStop::ContactPerson& p, const XmlElement& e) {
         p.Number = static_cast<std::uint32_t>(e.ownWhole());
     }},
    {"Name", [](CStop::ContactPerson& p, const XmlElement& e) { p.Name = e.ownText(); }},
    {"Function", [](CStop::ContactPerson& p, const XmlElement& e) { p.Function = e.ownText(); }},
});

// The fields of a <Stop>. A field the element lacks keeps the new stop's value: "", 0, or
// 'N' for the flags, the value a missing flag is written back with (see appendFlag), so that
// the stop behaves the same before and after the route file is saved.
const auto kStopFields = std::to_array<StopField>({
    {"StopID", [](StopRecord& r, const XmlElement& e) { r.stop.SetStopID(e.ownText()); }},
    {"StopNumber",
     [](StopRecord& r, const XmlElement& e) {
         r.stop.SetStopNumber(static_cast<std::uint32_t>(e.ownWhole()));
     }},
    {"CustID", [](StopRecord& r, const XmlElement& e) { r.stop.SetCustID(e.ownNumber()); }},
    {"CustomerNumber",
     [](StopRecord& r, const XmlElement& e) {
         r.stop.SetCustomerNumber(e.ownNumber());
         r.customerNumber = e;
     }},
    {"CustomerName",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetCustomerName(e.ownText()); }},
    {"CustomerAddress1",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetCustomerAddress1(e.ownText()); }},
    {"CustomerAddress2",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetCustomerAddress2(e.ownText()); }},
    {"CustomerCity",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetCustomerCity(e.ownText()); }},
    {"CustomerState",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetCustomerState(e.ownText()); }},
    {"CustomerZipcode",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetCustomerZipcode(e.ownText()); }},
    {"ContactPersonName",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetContactPersonName(e.ownText()); }},
    {"ContactPersonPhone",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetContactPersonPhone(e.ownText()); }},
    {"ContactPersonMobile",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetContactPersonMobile(e.ownText()); }},
    {"DeliveryInstructions",
     [](StopRecord& r, const XmlElement& e) {
         r.stop.SetDeliveryInstructions(normaliseLineBreaks(e.ownText()));
     }},
    {"DrivingInstructions",
     [](StopRecord& r, const XmlElement& e) {
         r.stop.SetDrivingInstructions(normaliseLineBreaks(e.ownText()));
     }},
    {"UndeliverReasonCode",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetUndeliverReasonCode(e.ownText()); }},
    {"ArrivalTime",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetArrivalTime(e.ownText()); }},
    {"DepartureTime",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetDepartureTime(e.ownFullText()); }},
    {"TravelMinutes",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetTravelMinutes(e.ownWhole()); }},
    {"VisitMinutes",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetVisitMinutes(e.ownWhole()); }},
    {"PayTotal", [](StopRecord& r, const XmlElement& e) { r.stop.SetPayTotal(e.ownNumber()); }},
    {"TotalCashCollected",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetTotalCashCollected(e.ownNumber()); }},
    {"LockerManagement",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetLockerManagement(e.ownFlag('N')); }},
    {"SatisfactionSurvey",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetSatisfactionSurvey(e.ownFlag('N')); }},
    {"SignatureRequired",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetSignatureRequired(e.ownFlag('N')); }},
    {"AgingCurrent",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetAgingCurrent(e.ownNumber()); }},
    {"Aging30", [](StopRecord& r, const XmlElement& e) { r.stop.SetAging30(e.ownNumber()); }},
    {"Aging60", [](StopRecord& r, const XmlElement& e) { r.stop.SetAging60(e.ownNumber()); }},
    {"Aging90", [](StopRecord& r, const XmlElement& e) { r.stop.SetAging90(e.ownNumber()); }},
    {"OpenCredit",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetOpenCredit(e.ownNumber()); }},
    {"LastPaymentDate",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetLastPaymentDate(e.ownText()); }},
    {"LastPaymentNumber",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetLastPaymentNumber(e.ownText()); }},
    {"LastPaymentAmount",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetLastPaymentAmount(e.ownNumber()); }},
    {"SignedInvoices",
     [](StopRecord& r, const XmlElement& e) { r.stop.SetSignedInvoices(e.ownWhole()); }},
    // The lists are read once the whole stop is: the call prefix needs the stop's numbers.
    {"ContactPersons", [](StopRecord& r, const XmlElement& e) { r.persons = e; }},
    {"Calls", [](StopRecord& r, const XmlElement& e) { r.calls = e; }},
    {"Invoices", [](StopRecord& r, const XmlElement& e) { r.invoices = e; }},
});

}  // namespace

struct CStop::Reader::Layouts {
    XmlRecordReader<StopRecord> stops{kStopFields};
    XmlRecordReader<ContactPerson> persons{kPersonFields};
};

CStop::Reader::Reader(std::string_view routeDate, std::int32_t routeNumber)
    : m_layouts(std::make_unique<Layouts>()),
      m_routePrefix(std::string(routeDate) + padZeros(std::to_string(routeNumber), 4)) {}

CStop::Reader::~Reader() = default;

std::unique_ptr<CStop> CStop::Reader::Read(const XmlElement& element) {
    auto s = std::make_unique<CStop>();
    StopRecord record{*s, {}, {}, {}, {}};
    m_layouts->stops.read(element, record);

    // The lists are sized once: a route of hundreds of stops is read without regrowing them.
    s->m_ContactPersons.reserve(record.persons.childCount());
    record.persons.forEachChild([this, &s](const XmlElement& element) {
        ContactPerson p;
        m_layouts->persons.read(element, p);
        s->AddContactPerson(p.Number, std::move(p.Name), std::move(p.Function));
    });

    // Every call identifier of the stop starts with route date, route number, stop number
    // and customer number; the running number of the call follows.
    const std::string prefix = m_routePrefix +
                               padZeros(std::to_string(signedPattern(s->m_StopNumber)), 4) +
                               padZeros(std::to_string(record.customerNumber.ownWhole()), 12);
    s->m_Calls.reserve(record.calls.childCount());
    record.calls.forEachChild(
        [&s, &prefix](const XmlElement& call) { s->AddCall(call.ownText(), prefix); });

    s->m_Invoices.reserve(record.invoices.childCount());
    record.invoices.forEachChild(
        [&s](const XmlElement& invoice) { s->AddInvoice(invoice.ownText()); });
    return s;
}

std::string CStop::ToXml() const {
    std::string out;
    out.reserve(2048);
    AppendXml(out);
    return out;
}

void CStop::AppendXml(std::string& out) const {
    out.append("\r\n\t\t<Stop>");
    appendTextElement(out, kField, "StopID", m_StopID);
    appendWholeElement(out, kField, "StopNumber", signedPattern(m_StopNumber));
    appendFixedElement(out, kField, "CustID", m_CustID, 0);
    appendFixedElement(out, kField, "CustomerNumber", m_CustomerNumber, 0);
    appendTextElement(out, kField, "CustomerName", m_CustomerName);
    appendTextElement(out, kField, "CustomerAddress1", m_CustomerAddress1);
    appendTextElement(out, kField, "CustomerAddress2", m_CustomerAddress2);
    appendTextElement(out, kField, "CustomerCity", m_CustomerCity);
    appendTextElement(out, kField, "CustomerState", m_CustomerState);
    appendTextElement(out, kField, "CustomerZipcode", m_CustomerZipcode);
    appendTextElement(out, kField, "ContactPersonName", m_ContactPersonName);
    appendTextElement(out, kField, "ContactPersonPhone", m_ContactPersonPhone);
    appendTextElement(out, kField, "ContactPersonMobile", m_ContactPersonMobile);
    appendTextElement(out, kField, "DeliveryInstructions", m_DeliveryInstructions);
    appendTextElement(out, kField, "DrivingInstructions", m_DrivingInstructions);
    appendTextElement(out, kField, "UndeliverReasonCode", m_UndeliverReasonCode);
    appendTextElement(out, kField, "ArrivalTime", m_ArrivalTime);
    appendTextElement(out, kField, "DepartureTime", m_DepartureTime);
    appendWholeElement(out, kField, "TravelMinutes", m_TravelMinutes);
    appendWholeElement(out, kField, "VisitMinutes", m_VisitMinutes);
    appendFixedElement(out, kField, "PayTotal", m_PayTotal, 2);
    appendFixedElement(out, kField, "TotalCashCollected", m_TotalCashCollected, 2);
    appendFlag(out, "SatisfactionSurvey", m_SatisfactionSurvey);
    appendFlag(out, "SignatureRequired", m_SignatureRequired);
    appendFixedElement(out, kField, "AgingCurrent", m_AgingCurrent, 2);
    appendFixedElement(out, kField, "Aging30", m_Aging30, 2);
    appendFixedElement(out, kField, "Aging60", m_Aging60, 2);
    appendFixedElement(out, kField, "Aging90", m_Aging90, 2);
    appendFixedElement(out, kField, "OpenCredit", m_OpenCredit, 2);
    appendTextElement(out, kField, "LastPaymentDate", m_LastPaymentDate);
    appendTextElement(out, kField, "LastPaymentNumber", m_LastPaymentNumber);
    appendFixedElement(out, kField, "LastPaymentAmount", m_LastPaymentAmount, 2);
    appendFlag(out, "LockerManagement", m_LockerManagement);

    out.append("\r\n\t\t\t<ContactPersons>");
    for (const ContactPerson& p : m_ContactPersons) {
        out.append(kListEntry).append("<ContactPerson>");
        appendWholeElement(out, kPersonField, "Number", signedPattern(p.Number));
        appendTextElement(out, kPersonField, "Name", p.Name);
        appendTextElement(out, kPersonField, "Function", p.Function);
        out.append(kListEntry).append("</ContactPerson>");
    }
    out.append("\r\n\t\t\t</ContactPersons>");

    // Call identifiers are written as they are: the program makes them from digits only.
    out.append("\r\n\t\t\t<Calls>");
    for (const CallRef& c : m_Calls) {
        appendElement(out, kListEntry, "Call", c.CallID);
    }
    out.append("\r\n\t\t\t</Calls>");

    appendWholeElement(out, kField, "SignedInvoices", m_SignedInvoices);

    out.append("\r\n\t\t\t<Invoices>");
    for (const std::string& invoice : m_Invoices) {
        appendTextElement(out, kListEntry, "Invoice", invoice);
    }
    out.append("\r\n\t\t\t</Invoices>\r\n\t\t</Stop>");
}

bool CStop::IsSettled() const {
    return static_cast<std::int64_t>(m_Invoices.size()) <= m_SignedInvoices;
}

std::string CStop::Status() const {
    if (IsSettled()) {
        return tr("Settled");
    }
    if (!m_UndeliverReasonCode.empty()) {
        return tr("Undelivered");
    }
    return {};
}

void CStop::AddContactPerson(std::uint32_t number, std::string name, std::string function) {
    insertOrdered(
        m_ContactPersons, ContactPerson{number, std::move(name), std::move(function)},
        [](const ContactPerson& a, const ContactPerson& b) { return a.Number < b.Number; });
}

void CStop::AddCall(std::string callId, std::string prefix) {
    // The prefix is cut off by its length: the identifier's leading fields have the same
    // widths whatever their values, and the running number always follows them.
    const std::string_view id(callId);
    double sequence = id.size() > prefix.size() ? toDouble(id.substr(prefix.size())) : 0.0;
    if (sequence == 0.0) {
        sequence = toDouble(id);
    }
    insertOrdered(m_Calls, CallRef{sequence, std::move(prefix), std::move(callId)},
                  [](const CallRef& a, const CallRef& b) { return a.Sequence < b.Sequence; });
}

void CStop::AddInvoice(std::string invoiceNumber) {
    insertOrdered(m_Invoices, std::move(invoiceNumber), std::less<std::string>());
}

}  // namespace kelvo
