#include "model/Stop.h"

#include <algorithm>
#include <charconv>

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

}  // namespace

std::unique_ptr<CStop> CStop::ReadFrom(const XmlElement& element, std::string_view routeDate,
                                       std::int32_t routeNumber, XmlRecordLayout& layout) {
    const XmlFields e(element, layout);
    auto s = std::make_unique<CStop>();
    s->m_StopID = e.text("StopID");
    s->m_StopNumber = static_cast<std::uint32_t>(e.whole("StopNumber"));
    s->m_CustID = e.number("CustID");
    s->m_CustomerNumber = e.number("CustomerNumber");
    s->m_CustomerName = e.text("CustomerName");
    s->m_CustomerAddress1 = e.text("CustomerAddress1");
    s->m_CustomerAddress2 = e.text("CustomerAddress2");
    s->m_CustomerCity = e.text("CustomerCity");
    s->m_CustomerState = e.text("CustomerState");
    s->m_CustomerZipcode = e.text("CustomerZipcode");
    s->m_ContactPersonName = e.text("ContactPersonName");
    s->m_ContactPersonPhone = e.text("ContactPersonPhone");
    s->m_ContactPersonMobile = e.text("ContactPersonMobile");
    s->m_DeliveryInstructions = normaliseLineBreaks(e.text("DeliveryInstructions"));
    s->m_DrivingInstructions = normaliseLineBreaks(e.text("DrivingInstructions"));
    s->m_UndeliverReasonCode = e.text("UndeliverReasonCode");
    s->m_ArrivalTime = e.text("ArrivalTime");
    s->m_DepartureTime = e.fullText("DepartureTime");
    s->m_TravelMinutes = e.whole("TravelMinutes");
    s->m_VisitMinutes = e.whole("VisitMinutes");
    s->m_PayTotal = e.number("PayTotal");
    s->m_TotalCashCollected = e.number("TotalCashCollected");
    // A missing flag reads as 'N', the value it is written back with (see appendFlag), so
    // that the stop behaves the same before and after the route file is saved.
    s->m_LockerManagement = e.flag("LockerManagement", 'N');
    s->m_SatisfactionSurvey = e.flag("SatisfactionSurvey", 'N');
    s->m_SignatureRequired = e.flag("SignatureRequired", 'N');
    s->m_AgingCurrent = e.number("AgingCurrent");
    s->m_Aging30 = e.number("Aging30");
    s->m_Aging60 = e.number("Aging60");
    s->m_Aging90 = e.number("Aging90");
    s->m_OpenCredit = e.number("OpenCredit");
    s->m_LastPaymentDate = e.text("LastPaymentDate");
    s->m_LastPaymentNumber = e.text("LastPaymentNumber");
    s->m_LastPaymentAmount = e.number("LastPaymentAmount");

    // The lists are sized once: a route of hundreds of stops is read without regrowing them.
    const XmlElement persons = e.child("ContactPersons");
    const XmlElement calls = e.child("Calls");
    const XmlElement invoices = e.child("Invoices");
    s->m_ContactPersons.reserve(persons.childCount());
    s->m_Calls.reserve(calls.childCount());
    s->m_Invoices.reserve(invoices.childCount());
    persons.forEachChild([&s](const XmlElement& p) {
        s->AddContactPerson(static_cast<std::uint32_t>(p.whole("Number")), p.text("Name"),
                            p.text("Function"));
    });

    // Every call identifier of the stop starts with route date, route number, stop number
    // and customer number; the running number of the call follows.
    const std::string prefix = std::string(routeDate) + padZeros(std::to_string(routeNumber), 4) +
                               padZeros(std::to_string(signedPattern(s->m_StopNumber)), 4) +
                               padZeros(std::to_string(e.whole("CustomerNumber")), 12);
    calls.forEachChild(
        [&s, &prefix](const XmlElement& call) { s->AddCall(call.ownText(), prefix); });

    s->m_SignedInvoices = e.whole("SignedInvoices");
    invoices.forEachChild([&s](const XmlElement& invoice) { s->AddInvoice(invoice.ownText()); });
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
