#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvo {

class CInvoice;
class CKelvoDoc;
class DeviceFs;
struct CStop;
struct LocalTime;

// What the driver counts before Export: per route and for the whole day, the stops and
// invoices done and open, and the money collected, as the route and invoice files hold them.
struct DayRecap {
    // One cheque taken at a settlement.
    struct Cheque {
        std::string CustomerName;
        double InvoiceNumber = 0.0;
        std::string CheckNumber;
        double Amount = 0.0;
    };

    // The figures of one route or of the day; amounts are kept to the cent.
    struct Figures {
        int StopsServed = 0;         // all invoices settled, or a visit-only stop arrived at
        int StopsUndeliverable = 0;  // a reason given and not settled
        int StopsOpen = 0;           // neither
        int InvoicesSettled = 0;
        int InvoicesOpen = 0;
        double CashCollected = 0.0;  // settled invoices paid without a cheque
        std::vector<Cheque> Cheques;
        double ChequesCollected = 0.0;
        // Settled COD invoices: what they asked, what was collected and what stays delayed
        // (each invoice's shortfall; more collected on one invoice does not make up another).
        double CodExpected = 0.0;
        double CodCollected = 0.0;
        double CodDelayed = 0.0;
        int ChargeSettled = 0;
        double ChargeCollected = 0.0;
        // The invoices' plus and minus adjustments (the minus ones as a positive amount).
        double PlusAdjustments = 0.0;
        double MinusAdjustments = 0.0;

        // Adds another route's figures (cheques appended in order).
        void Add(const Figures& other);
        // Cash and cheques together: the money in the driver's hands.
        double TotalCollected() const;
    };

    // One route of the route list.
    struct Route {
        std::int32_t RouteNumber = 0;
        std::string Date;  // "yyyyMMdd"
        std::string RouteDescription;
        Figures figures;
    };

    std::vector<Route> Routes;  // in route-list order
    Figures Day;                // the routes added up
    // The files that could not be read, one message each; their figures are missing above.
    std::vector<std::string> Notes;
};

// Counts an invoice of the stop into the figures: settled (with the money collected, cash or
// cheque, COD or charge) or open, and its adjustments.
void recapInvoice(DayRecap::Figures& figures, const CStop& stop, const CInvoice& invoice);

// The recap of every route in the document's route list, read from the route files and the
// invoice files of their stops (what is saved, not what a screen holds). Never shows a
// message: a file that cannot be read becomes a note.
DayRecap buildDayRecap(const CKelvoDoc& doc);

// One line of the recap as the screen lists it and the PDF prints it.
struct RecapRow {
    enum class Kind {
        Heading,  // the day, or a route
        Figure,   // a label and its value
        Detail,   // a cheque or a note, under its figure
    };
    Kind kind = Kind::Figure;
    std::string label;
    std::string value;  // "" for headings and notes
};

// The recap as rows: the notes, the day's figures, then each route's.
std::vector<RecapRow> recapRows(const DayRecap& recap);

// Writes the recap (its heading lines, then its rows) as a PDF to a device path; false when it
// could not be written. The screens' layer makes the PDF.
using RecapWriter =
    std::function<bool(const DeviceFs& fs, const std::vector<std::string>& heading,
                       const std::vector<RecapRow>& rows, const std::string& devicePath)>;

// Saves the rows the recap screen lists as the recap PDF of today (recapPath) with the heading
// of now, and tells the driver where it went or that it could not be written. The rows are not
// read again: the PDF prints what the screen shows. True when written.
bool saveDayRecap(CKelvoDoc& doc, const std::vector<RecapRow>& rows, const RecapWriter& write);

// Device path of the recap PDF of the day `now` falls on:
// "\My Documents\Receipts\Recap_<yyyyMMdd>.pdf".
std::string recapPath(const LocalTime& now);

}  // namespace kelvo
