#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvo {

class XmlElement;

// One customer visit of a route: address, contacts, instructions, the account's aging, the
// contact persons, calls and invoices of the visit, and what happened on the visit. Stops
// live only inside the route file; the route reads and writes them as <Stop> elements.
class CStop {
public:
    // One of the customer's contact persons.
    struct ContactPerson {
        std::uint32_t Number = 0;
        std::string Name;
        std::string Function;
    };

    // Reference to one customer call; Sequence only orders the calls of the stop.
    struct CallRef {
        double Sequence = 0.0;
        std::string Prefix;
        std::string CallID;
    };

    // Reads the <Stop> elements of one route; routeDate and routeNumber make the call
    // prefixes. One reader serves all stops of a route: what their layout has in common is
    // learnt from the first one.
    class Reader {
    public:
        Reader(std::string_view routeDate, std::int32_t routeNumber);
        ~Reader();
        Reader(const Reader&) = delete;
        Reader& operator=(const Reader&) = delete;

        std::unique_ptr<CStop> Read(const XmlElement& stop);

    private:
        struct Layouts;
        std::unique_ptr<Layouts> m_layouts;
        std::string m_routePrefix;  // route date and number, the start of every call prefix
    };

    // The <Stop> element as the route file holds it (starts with "\r\n\t\t<Stop>").
    std::string ToXml() const;
    // Appends ToXml() to out (the route writer composes its file this way).
    void AppendXml(std::string& out) const;

    // "Settled" when settled, else "Undelivered" when there is a reason code, else "".
    std::string Status() const;
    // True when the number of invoices is not greater than SignedInvoices.
    bool IsSettled() const;

    // Inserts a person before the first one with a greater Number (equal numbers: in order
    // of insertion).
    void AddContactPerson(std::uint32_t number, std::string name, std::string function);
    // Inserts a call ordered by its Sequence: the number that callId carries after the
    // prefix, or the whole callId as a number when that gives 0. Equal values: insertion order.
    void AddCall(std::string callId, std::string prefix);
    // Inserts an invoice number before the first greater text (equal texts: insertion order).
    void AddInvoice(std::string invoiceNumber);

    // The lists in their order (read-only; they change only through the Add operations).
    std::span<const ContactPerson> ContactPersons() const { return m_ContactPersons; }
    std::span<const CallRef> Calls() const { return m_Calls; }
    std::span<const std::string> Invoices() const { return m_Invoices; }

    // Stop identifier from the host.
    const std::string& StopID() const { return m_StopID; }
    void SetStopID(std::string v) { m_StopID = std::move(v); }
    // Position of the stop in the route.
    std::uint32_t StopNumber() const { return m_StopNumber; }
    void SetStopNumber(std::uint32_t v) { m_StopNumber = v; }
    // Customer identifier: names the customer's own files ("%.0f").
    double CustID() const { return m_CustID; }
    void SetCustID(double v) { m_CustID = v; }
    // The customer's account number: shown to the driver, part of every call identifier.
    double CustomerNumber() const { return m_CustomerNumber; }
    void SetCustomerNumber(double v) { m_CustomerNumber = v; }

    // Address.
    const std::string& CustomerName() const { return m_CustomerName; }
    void SetCustomerName(std::string v) { m_CustomerName = std::move(v); }
    const std::string& CustomerAddress1() const { return m_CustomerAddress1; }
    void SetCustomerAddress1(std::string v) { m_CustomerAddress1 = std::move(v); }
    const std::string& CustomerAddress2() const { return m_CustomerAddress2; }
    void SetCustomerAddress2(std::string v) { m_CustomerAddress2 = std::move(v); }
    const std::string& CustomerCity() const { return m_CustomerCity; }
    void SetCustomerCity(std::string v) { m_CustomerCity = std::move(v); }
    const std::string& CustomerState() const { return m_CustomerState; }
    void SetCustomerState(std::string v) { m_CustomerState = std::move(v); }
    const std::string& CustomerZipcode() const { return m_CustomerZipcode; }
    void SetCustomerZipcode(std::string v) { m_CustomerZipcode = std::move(v); }

    // Main contact.
    const std::string& ContactPersonName() const { return m_ContactPersonName; }
    void SetContactPersonName(std::string v) { m_ContactPersonName = std::move(v); }
    const std::string& ContactPersonPhone() const { return m_ContactPersonPhone; }
    void SetContactPersonPhone(std::string v) { m_ContactPersonPhone = std::move(v); }
    const std::string& ContactPersonMobile() const { return m_ContactPersonMobile; }
    void SetContactPersonMobile(std::string v) { m_ContactPersonMobile = std::move(v); }

    // Instructions, with "\r\n" line breaks.
    const std::string& DeliveryInstructions() const { return m_DeliveryInstructions; }
    void SetDeliveryInstructions(std::string v) { m_DeliveryInstructions = std::move(v); }
    const std::string& DrivingInstructions() const { return m_DrivingInstructions; }
    void SetDrivingInstructions(std::string v) { m_DrivingInstructions = std::move(v); }

    // Code of the undeliverable reason; "" while the stop is deliverable.
    const std::string& UndeliverReasonCode() const { return m_UndeliverReasonCode; }
    void SetUndeliverReasonCode(std::string v) { m_UndeliverReasonCode = std::move(v); }
    // "HH:mm"; "00:00" until the driver arrives / leaves.
    const std::string& ArrivalTime() const { return m_ArrivalTime; }
    void SetArrivalTime(std::string v) { m_ArrivalTime = std::move(v); }
    const std::string& DepartureTime() const { return m_DepartureTime; }
    void SetDepartureTime(std::string v) { m_DepartureTime = std::move(v); }
    // Minutes from the previous departure to the arrival, and from arrival to departure.
    std::int32_t TravelMinutes() const { return m_TravelMinutes; }
    void SetTravelMinutes(std::int32_t v) { m_TravelMinutes = v; }
    std::int32_t VisitMinutes() const { return m_VisitMinutes; }
    void SetVisitMinutes(std::int32_t v) { m_VisitMinutes = v; }

    // Amount to pay for the stop's invoices, and the cash collected at the stop.
    double PayTotal() const { return m_PayTotal; }
    void SetPayTotal(double v) { m_PayTotal = v; }
    double TotalCashCollected() const { return m_TotalCashCollected; }
    void SetTotalCashCollected(double v) { m_TotalCashCollected = v; }

    // Flags 'Y' / 'N' (a flag missing from the file reads as 'N').
    char LockerManagement() const { return m_LockerManagement; }
    void SetLockerManagement(char v) { m_LockerManagement = v; }
    char SatisfactionSurvey() const { return m_SatisfactionSurvey; }
    void SetSatisfactionSurvey(char v) { m_SatisfactionSurvey = v; }
    char SignatureRequired() const { return m_SignatureRequired; }
    void SetSignatureRequired(char v) { m_SignatureRequired = v; }

    // The account's balance by age, its open credit and its last payment.
    double AgingCurrent() const { return m_AgingCurrent; }
    void SetAgingCurrent(double v) { m_AgingCurrent = v; }
    double Aging30() const { return m_Aging30; }
    void SetAging30(double v) { m_Aging30 = v; }
    double Aging60() const { return m_Aging60; }
    void SetAging60(double v) { m_Aging60 = v; }
    double Aging90() const { return m_Aging90; }
    void SetAging90(double v) { m_Aging90 = v; }
    double OpenCredit() const { return m_OpenCredit; }
    void SetOpenCredit(double v) { m_OpenCredit = v; }
    const std::string& LastPaymentDate() const { return m_LastPaymentDate; }
    void SetLastPaymentDate(std::string v) { m_LastPaymentDate = std::move(v); }
    const std::string& LastPaymentNumber() const { return m_LastPaymentNumber; }
    void SetLastPaymentNumber(std::string v) { m_LastPaymentNumber = std::move(v); }
    double LastPaymentAmount() const { return m_LastPaymentAmount; }
    void SetLastPaymentAmount(double v) { m_LastPaymentAmount = v; }

    // Number of the stop's invoices already settled.
    std::int32_t SignedInvoices() const { return m_SignedInvoices; }
    void SetSignedInvoices(std::int32_t v) { m_SignedInvoices = v; }

private:
    std::string m_StopID;
    std::uint32_t m_StopNumber = 0;
    double m_CustID = 0.0;
    double m_CustomerNumber = 0.0;
    std::string m_CustomerName;
    std::string m_CustomerAddress1;
    std::string m_CustomerAddress2;
    std::string m_CustomerCity;
    std::string m_CustomerState;
    std::string m_CustomerZipcode;
    std::string m_ContactPersonName;
    std::string m_ContactPersonPhone;
    std::string m_ContactPersonMobile;
    std::string m_DeliveryInstructions;
    std::string m_DrivingInstructions;
    std::string m_UndeliverReasonCode;
    std::string m_ArrivalTime;
    std::string m_DepartureTime;
    std::int32_t m_TravelMinutes = 0;
    std::int32_t m_VisitMinutes = 0;
    double m_PayTotal = 0.0;
    double m_TotalCashCollected = 0.0;
    char m_LockerManagement = 'N';
    char m_SatisfactionSurvey = 'N';
    char m_SignatureRequired = 'N';
    double m_AgingCurrent = 0.0;
    double m_Aging30 = 0.0;
    double m_Aging60 = 0.0;
    double m_Aging90 = 0.0;
    double m_OpenCredit = 0.0;
    std::string m_LastPaymentDate;
    std::string m_LastPaymentNumber;
    double m_LastPaymentAmount = 0.0;
    std::vector<ContactPerson> m_ContactPersons;
    std::vector<CallRef> m_Calls;
    std::vector<std::string> m_Invoices;
    std::int32_t m_SignedInvoices = 0;
};

}  // namespace kelvo
