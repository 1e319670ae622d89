#include "model/Stop.h"

#include <algorithm>
#include <charconv>

#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"

namespace kelvo {

namespace {

constexpr std::string_view kField = "\r\n\t\t\t";
constexpr std::string_view kListEntry = "\r\n\t\t\t\t";
constexpr std::string_view kPersonField = "\r\n\t\t\t\t\t";

// Appends line + "<tag>" + value + "</tag>" with the value as it stands.
void appendRaw(std::string& out, std::string_view line, std::string_view tag,
               std::string_view value) {
    out.append(line).append(1, '<').append(tag).append(1, '>');
    out.append(value);
    out.append("</").append(tag).append(1, '>');
}

// The same with a free text: XML-escaped (copied only when there is something to escape).
void appendText(std::string& out, std::string_view line, std::string_view tag,
                std::string_view value) {
    const bool plain = std::none_of(value.begin(), value.end(),
                                    [](char c) { return c == '&' || c == '<' || c == '>'; });
    if (plain) {
        appendRaw(out, line, tag, value);
    } else {
        appendRaw(out, line, tag, xmlEscape(value));
    }
}

// A stop holds some twenty numbers and a route file hundreds of stops, so numbers are
// formatted with std::to_chars, which gives the bytes of printf in the "C" locale ("%d",
// "%.0f", "%.2f") without printf's cost.
void appendWhole(std::string& out, std::string_view line, std::string_view tag,
                 std::int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendRaw(out, line, tag, std::string_view(buffer, result.ptr - buffer));
}

void appendFixed(std::string& out, std::string_view tag, double value, int decimals) {
    char buffer[352];  // room for the longest double: 309 digits, sign, point, decimals
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    appendRaw(out, kField, tag, std::string_view(buffer, result.ptr - buffer));
}

// A flag is written as one character. A flag without a character (set to '\0' in memory) is
// written as 'N', since "%c" with '\0' would put a NUL byte into the file. 'N' is the safe
// meaning of all three flags: no survey reminder, bank and locker typed freely instead of
// picked from a locker list the customer does not keep, and settlement without signature
// instead of a stop that could never be settled (settlement accepts only 'Y' or 'N').
void appendFlag(std::string& out, std::string_view tag, char flag) {
    const char c = flag == '\0' ? 'N' : flag;
    appendText(out, kField, tag, std::string_view(&c, 1));
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
    appendText(out, kField, "StopID", m_StopID);
    appendWhole(out, kField, "StopNumber", signedPattern(m_StopNumber));
    appendFixed(out, "CustID", m_CustID, 0);
    appendFixed(out, "CustomerNumber", m_CustomerNumber, 0);
    appendText(out, kField, "CustomerName", m_CustomerName);
    appendText(out, kField, "CustomerAddress1", m_CustomerAddress1);
    appendText(out, kField, "CustomerAddress2", m_CustomerAddress2);
    appendText(out, kField, "CustomerCity", m_CustomerCity);
    appendText(out, kField, "CustomerState", m_CustomerState);
    appendText(out, kField, "CustomerZipcode", m_CustomerZipcode);
    appendText(out, kField, "ContactPersonName", m_ContactPersonName);
    appendText(out, kField, "ContactPersonPhone", m_ContactPersonPhone);
    appendText(out, kField, "ContactPersonMobile", m_ContactPersonMobile);
    appendText(out, kField, "DeliveryInstructions", m_DeliveryInstructions);
    appendText(out, kField, "DrivingInstructions", m_DrivingInstructions);
    appendText(out, kField, "UndeliverReasonCode", m_UndeliverReasonCode);
    appendText(out, kField, "ArrivalTime", m_ArrivalTime);
    appendText(out, kField, "DepartureTime", m_DepartureTime);
    appendWhole(out, kField, "TravelMinutes", m_TravelMinutes);
    appendWhole(out, kField, "VisitMinutes", m_VisitMinutes);
    appendFixed(out, "PayTotal", m_PayTotal, 2);
    appendFixed(out, "TotalCashCollected", m_TotalCashCollected, 2);
    appendFlag(out, "SatisfactionSurvey", m_SatisfactionSurvey);
    appendFlag(out, "SignatureRequired", m_SignatureRequired);
    appendFixed(out, "AgingCurrent", m_AgingCurrent, 2);
    appendFixed(out, "Aging30", m_Aging30, 2);
    appendFixed(out, "Aging60", m_Aging60, 2);
    appendFixed(out, "Aging90", m_Aging90, 2);
    appendFixed(out, "OpenCredit", m_OpenCredit, 2);
    appendText(out, kField, "LastPaymentDate", m_LastPaymentDate);
    appendText(out, kField, "LastPaymentNumber", m_LastPaymentNumber);
    appendFixed(out, "LastPaymentAmount", m_LastPaymentAmount, 2);
    appendFlag(out, "LockerManagement", m_LockerManagement);

    out.append("\r\n\t\t\t<ContactPersons>");
    for (const ContactPerson& p : m_ContactPersons) {
        out.append(kListEntry).append("<ContactPerson>");
        appendWhole(out, kPersonField, "Number", signedPattern(p.Number));
        appendText(out, kPersonField, "Name", p.Name);
        appendText(out, kPersonField, "Function", p.Function);
        out.append(kListEntry).append("</ContactPerson>");
    }
    out.append("\r\n\t\t\t</ContactPersons>");

    // Call identifiers are written as they are: the program makes them from digits only.
    out.append("\r\n\t\t\t<Calls>");
    for (const CallRef& c : m_Calls) {
        appendRaw(out, kListEntry, "Call", c.CallID);
    }
    out.append("\r\n\t\t\t</Calls>");

    appendWhole(out, kField, "SignedInvoices", m_SignedInvoices);

    out.append("\r\n\t\t\t<Invoices>");
    for (const std::string& invoice : m_Invoices) {
        appendText(out, kListEntry, "Invoice", invoice);
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
