#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class XmlElement;

// One customer visit of a route: address, contacts, instructions, the account's aging, the
// contact persons, calls and invoices of the visit, and what happened on the visit. Stops
// live only inside the route file; the route reads and writes them as <Stop> elements.
// The fields are the <Stop> element's tags; the three lists keep their order themselves.
struct CStop {
    // One of the customer's contact persons.
    struct ContactPerson {
        std::uint32_t Number = 0;
        std::string Name;
        std::string Function;
        bool operator==(const ContactPerson&) const = default;
    };

    // Reference to one customer call; Sequence only orders the calls of the stop.
    struct CallRef {
        double Sequence = 0.0;
        std::string Prefix;
        std::string CallID;
        bool operator==(const CallRef&) const = default;
    };

    // Reads a <Stop> element of the route with this date and number (they start the prefix of
    // the stop's calls). A field the element lacks keeps the value of a new stop.
    static CStop Read(const XmlElement& stop, std::string_view routeDate, std::int32_t routeNumber);
    // Appends the <Stop> element as the route file holds it ("\r\n\t\t<Stop>" ...).
    void AppendXml(std::string& out) const;
    // The <Stop> element alone.
    std::string ToXml() const;

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

    std::string StopID;            // stop identifier from the host
    std::uint32_t StopNumber = 0;  // position of the stop in the route
    double CustID = 0.0;           // customer identifier: names the customer's own files
    double CustomerNumber = 0.0;   // the account number, part of every call identifier
    std::string CustomerName;
    std::string CustomerAddress1;
    std::string CustomerAddress2;
    std::string CustomerCity;
    std::string CustomerState;
    std::string CustomerZipcode;
    std::string ContactPersonName;  // the main contact
    std::string ContactPersonPhone;
    std::string ContactPersonMobile;
    std::string DeliveryInstructions;  // with "\r\n" line breaks
    std::string DrivingInstructions;   // with "\r\n" line breaks
    std::string UndeliverReasonCode;   // "" while the stop is deliverable
    std::string ArrivalTime;           // "HH:mm"; "00:00" until the driver arrives
    std::string DepartureTime;         // "HH:mm"; "00:00" until the driver leaves
    std::int32_t TravelMinutes = 0;    // from the previous departure to the arrival
    std::int32_t VisitMinutes = 0;     // from arrival to departure
    double PayTotal = 0.0;             // amount to pay for the stop's invoices
    double TotalCashCollected = 0.0;   // cash collected at the stop
    // Flags 'Y' / 'N' (a flag missing from the file reads as 'N').
    char LockerManagement = 'N';
    char SatisfactionSurvey = 'N';
    char SignatureRequired = 'N';
    // The account's balance by age, its open credit and its last payment.
    double AgingCurrent = 0.0;
    double Aging30 = 0.0;
    double Aging60 = 0.0;
    double Aging90 = 0.0;
    double OpenCredit = 0.0;
    std::string LastPaymentDate;
    std::string LastPaymentNumber;
    double LastPaymentAmount = 0.0;
    std::int32_t SignedInvoices = 0;  // number of the stop's invoices already settled

    // Field by field, the lists included.
    bool operator==(const CStop&) const = default;

private:
    std::vector<ContactPerson> m_ContactPersons;
    std::vector<CallRef> m_Calls;
    std::vector<std::string> m_Invoices;
};

}  // namespace kelvo
