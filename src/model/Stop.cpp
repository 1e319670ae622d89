#include "model/Stop.h"

#include <algorithm>

#include "common/FileValues.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kStopField = "\r\n\t\t\t";
constexpr std::string_view kListEntry = "\r\n\t\t\t\t";
constexpr std::string_view kPersonField = "\r\n\t\t\t\t\t";

// A flag is written as one character. A flag without a character (set to '\0' in memory) is
// written as 'N', since "%c" with '\0' would put a NUL byte into the file. 'N' is the safe
// meaning of all three flags: no survey reminder, bank and locker typed freely instead of
// picked from a locker list the customer does not keep, and settlement without signature
// instead of a stop that could never be settled (settlement accepts only 'Y' or 'N').
void appendFlag(std::string& out, std::string_view tag, char flag) {
    appendFlagElement(out, kStopField, tag, flag);
}

// Unsigned fields are written "%d": the 32-bit pattern they were read from.
std::int32_t signedPattern(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

// Sorts a list read in file order, stable (the order inserting one by one would give); a list
// in order already, the usual case, is left as it is.
template <class T, class Less>
void sortRead(std::vector<T>& list, Less less) {
    if (!std::is_sorted(list.begin(), list.end(), less)) {
        std::stable_sort(list.begin(), list.end(), less);
    }
}

// Inserts value into a list kept in order: after every element that is not greater, so
// that equal elements stay in order of insertion.
template <class T, class Less>
void insertOrdered(std::vector<T>& list, T value, Less less) {
    const auto at = std::upper_bound(list.begin(), list.end(), value, less);
    list.insert(at, std::move(value));
}

bool personBefore(const CStop::ContactPerson& a, const CStop::ContactPerson& b) {
    return a.Number < b.Number;
}

bool callBefore(const CStop::CallRef& a, const CStop::CallRef& b) {
    return a.Sequence < b.Sequence;
}

// The sequence of a call: the number its identifier carries after the prefix, or the whole
// identifier as a number when that gives 0.
double callSequence(std::string_view callId, std::string_view prefix) {
    // The prefix is cut off by its length: the identifier's leading fields have the same
    // widths whatever their values, and the running number always follows them.
    double sequence = callId.size() > prefix.size() ? toDouble(callId.substr(prefix.size())) : 0.0;
    if (sequence == 0.0) {
        sequence = toDouble(callId);
    }
    return sequence;
}

}  // namespace

CStop CStop::Read(const XmlElement& e, std::string_view routeDate, std::int32_t routeNumber) {
    // The fields in the order the route file holds them: each is found with one look.
    CStop s;
    s.StopID = e.text("StopID");
    s.StopNumber = static_cast<std::uint32_t>(e.whole("StopNumber"));
    // The customer's numbers name the customer's files and calls: they are taken as the whole
    // numbers the route file writes, so that a save never renames what they name.
    s.CustID = fileNumber(e.number("CustID"), 0);
    const XmlElement customerNumber = e.child("CustomerNumber");
    s.CustomerNumber = fileNumber(customerNumber.ownNumber(), 0);
    s.CustomerName = e.text("CustomerName");
    s.CustomerAddress1 = e.text("CustomerAddress1");
    s.CustomerAddress2 = e.text("CustomerAddress2");
    s.CustomerCity = e.text("CustomerCity");
    s.CustomerState = e.text("CustomerState");
    s.CustomerZipcode = e.text("CustomerZipcode");
    s.ContactPersonName = e.text("ContactPersonName");
    s.ContactPersonPhone = e.text("ContactPersonPhone");
    s.ContactPersonMobile = e.text("ContactPersonMobile");
    s.DeliveryInstructions = normaliseLineBreaks(e.text("DeliveryInstructions"));
    s.DrivingInstructions = normaliseLineBreaks(e.text("DrivingInstructions"));
    s.UndeliverReasonCode = e.text("UndeliverReasonCode");
    s.ArrivalTime = e.text("ArrivalTime");
    s.DepartureTime = e.child("DepartureTime").ownFullText();
    s.TravelMinutes = e.whole("TravelMinutes");
    s.VisitMinutes = e.whole("VisitMinutes");
    s.PayTotal = e.number("PayTotal");
    s.TotalCashCollected = e.number("TotalCashCollected");
    // A missing flag reads as 'N', the value it is written back with (see appendFlag), so that
    // the stop behaves the same before and after the route file is saved.
    s.SatisfactionSurvey = e.flag("SatisfactionSurvey", 'N');
    s.SignatureRequired = e.flag("SignatureRequired", 'N');
    s.AgingCurrent = e.number("AgingCurrent");
    s.Aging30 = e.number("Aging30");
    s.Aging60 = e.number("Aging60");
    s.Aging90 = e.number("Aging90");
    s.OpenCredit = e.number("OpenCredit");
    s.LastPaymentDate = e.text("LastPaymentDate");
    s.LastPaymentNumber = e.text("LastPaymentNumber");
    s.LastPaymentAmount = e.number("LastPaymentAmount");
    s.LockerManagement = e.flag("LockerManagement", 'N');

    // The lists are sized once: hundreds of stops are read without regrowing them. Each is
    // sorted once after reading (stable: the order of inserting one by one), so that a list that
    // comes in descending order costs no more than one in order.
    const XmlElement persons = e.child("ContactPersons");
    s.m_ContactPersons.reserve(persons.childCount());
    persons.forEachChild([&s](const XmlElement& p) {
        // One statement per field: the order of a call's arguments is not the file's.
        ContactPerson& person = s.m_ContactPersons.emplace_back();
        person.Number = static_cast<std::uint32_t>(p.whole("Number"));
        person.Name = p.text("Name");
        person.Function = p.text("Function");
    });
    sortRead(s.m_ContactPersons, personBefore);

    // Every call identifier of the stop starts with route date, route number, stop number
    // and customer number; the running number of the call follows.
    const std::string prefix = std::string(routeDate) + padZeros(std::to_string(routeNumber), 4) +
                               padZeros(std::to_string(signedPattern(s.StopNumber)), 4) +
                               padZeros(std::to_string(customerNumber.ownWhole()), 12);
    const XmlElement calls = e.child("Calls");
    s.m_Calls.reserve(calls.childCount());
    calls.forEachChild([&s, &prefix](const XmlElement& call) {
        std::string id = call.ownText();
        const double sequence = callSequence(id, prefix);
        s.m_Calls.push_back(CallRef{sequence, prefix, std::move(id)});
    });
    sortRead(s.m_Calls, callBefore);

    s.SignedInvoices = e.whole("SignedInvoices");
    const XmlElement invoices = e.child("Invoices");
    s.m_Invoices.reserve(invoices.childCount());
    invoices.forEachChild(
        [&s](const XmlElement& invoice) { s.m_Invoices.push_back(invoice.ownText()); });
    sortRead(s.m_Invoices, std::less<std::string>());
    return s;
}

std::string CStop::ToXml() const {
    std::string out;
    AppendXml(out);
    return out;
}

void CStop::AppendXml(std::string& out) const {
    out.append("\r\n\t\t<Stop>");
    appendTextElement(out, kStopField, "StopID", StopID);
    appendWholeElement(out, kStopField, "StopNumber", signedPattern(StopNumber));
    appendFixedElement(out, kStopField, "CustID", CustID, 0);
    appendFixedElement(out, kStopField, "CustomerNumber", CustomerNumber, 0);
    appendTextElement(out, kStopField, "CustomerName", CustomerName);
    appendTextElement(out, kStopField, "CustomerAddress1", CustomerAddress1);
    appendTextElement(out, kStopField, "CustomerAddress2", CustomerAddress2);
    appendTextElement(out, kStopField, "CustomerCity", CustomerCity);
    appendTextElement(out, kStopField, "CustomerState", CustomerState);
    appendTextElement(out, kStopField, "CustomerZipcode", CustomerZipcode);
    appendTextElement(out, kStopField, "ContactPersonName", ContactPersonName);
    appendTextElement(out, kStopField, "ContactPersonPhone", ContactPersonPhone);
    appendTextElement(out, kStopField, "ContactPersonMobile", ContactPersonMobile);
    appendTextElement(out, kStopField, "DeliveryInstructions", DeliveryInstructions);
    appendTextElement(out, kStopField, "DrivingInstructions", DrivingInstructions);
    appendTextElement(out, kStopField, "UndeliverReasonCode", UndeliverReasonCode);
    appendTextElement(out, kStopField, "ArrivalTime", ArrivalTime);
    appendTextElement(out, kStopField, "DepartureTime", DepartureTime);
    appendWholeElement(out, kStopField, "TravelMinutes", TravelMinutes);
    appendWholeElement(out, kStopField, "VisitMinutes", VisitMinutes);
    appendFixedElement(out, kStopField, "PayTotal", PayTotal, 2);
    appendFixedElement(out, kStopField, "TotalCashCollected", TotalCashCollected, 2);
    appendFlag(out, "SatisfactionSurvey", SatisfactionSurvey);
    appendFlag(out, "SignatureRequired", SignatureRequired);
    appendFixedElement(out, kStopField, "AgingCurrent", AgingCurrent, 2);
    appendFixedElement(out, kStopField, "Aging30", Aging30, 2);
    appendFixedElement(out, kStopField, "Aging60", Aging60, 2);
    appendFixedElement(out, kStopField, "Aging90", Aging90, 2);
    appendFixedElement(out, kStopField, "OpenCredit", OpenCredit, 2);
    appendTextElement(out, kStopField, "LastPaymentDate", LastPaymentDate);
    appendTextElement(out, kStopField, "LastPaymentNumber", LastPaymentNumber);
    appendFixedElement(out, kStopField, "LastPaymentAmount", LastPaymentAmount, 2);
    appendFlag(out, "LockerManagement", LockerManagement);

    out.append("\r\n\t\t\t<ContactPersons>");
    for (const ContactPerson& p : m_ContactPersons) {
        out.append(kListEntry).append("<ContactPerson>");
        appendWholeElement(out, kPersonField, "Number", signedPattern(p.Number));
        appendTextElement(out, kPersonField, "Name", p.Name);
        appendTextElement(out, kPersonField, "Function", p.Function);
        out.append(kListEntry).append("</ContactPerson>");
    }
    out.append("\r\n\t\t\t</ContactPersons>");

    out.append("\r\n\t\t\t<Calls>");
    for (const CallRef& c : m_Calls) {
        appendTextElement(out, kListEntry, "Call", c.CallID);
    }
    out.append("\r\n\t\t\t</Calls>");

    appendWholeElement(out, kStopField, "SignedInvoices", SignedInvoices);

    out.append("\r\n\t\t\t<Invoices>");
    for (const std::string& invoice : m_Invoices) {
        appendTextElement(out, kListEntry, "Invoice", invoice);
    }
    out.append("\r\n\t\t\t</Invoices>\r\n\t\t</Stop>");
}

bool CStop::IsSettled() const {
    return static_cast<std::int64_t>(m_Invoices.size()) <= SignedInvoices;
}

std::string CStop::Status() const {
    if (IsSettled()) {
        return tr("Settled");
    }
    if (!UndeliverReasonCode.empty()) {
        return tr("Undelivered");
    }
    return {};
}

void CStop::AddContactPerson(std::uint32_t number, std::string name, std::string function) {
    insertOrdered(m_ContactPersons, ContactPerson{number, std::move(name), std::move(function)},
                  personBefore);
}

void CStop::AddCall(std::string callId, std::string prefix) {
    const double sequence = callSequence(callId, prefix);
    insertOrdered(m_Calls, CallRef{sequence, std::move(prefix), std::move(callId)}, callBefore);
}

void CStop::AddInvoice(std::string invoiceNumber) {
    insertOrdered(m_Invoices, std::move(invoiceNumber), std::less<std::string>());
}

}  // namespace kelvo
