#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "doc/DayFinding.h"
#include "doc/DayRecap.h"
#include "model/SafetyCheck.h"

// The back office's check-in of a day that came back from the handhelds: what came back
// against what was sent, the money to receive, the day's events and the work to hand on.
// Qt-free, run without a display (`kelvo check-in`). Texts are ISO-8859-1, as the files hold
// them; amounts are kept to the cent.
namespace kelvo {

// A finding of the check-in: a finding as the day check makes them, and the folder it is
// about (a returned folder, or the folder the office sent).
struct CheckInFinding : DayFinding {
    std::string folder;
};

// What became of an invoice of a returned route.
enum class InvoiceOutcome {
    Settled,
    SettledBefore,  // settled in the folder that was sent: none of its money is the day's
    Undeliverable,  // its stop carries an undeliverable reason and it was not settled
    Open,           // neither: not served at all
    Missing,        // its file did not come back, or could not be read
};

// One invoice of a returned route.
struct CheckInInvoice {
    double InvoiceNumber = 0;
    std::uint32_t StopNumber = 0;
    std::string CustomerName;
    bool COD = false;
    double PayThisAmount = 0;
    double CashCollected = 0;
    std::string CheckNumber;  // "" for cash
    InvoiceOutcome Outcome = InvoiceOutcome::Open;
    std::string ReasonCode;  // undeliverable: the stop's reason, and its description
    std::string ReasonDescription;
};

// A settled COD invoice whose amount collected is not the amount it asked: short (the rest
// stays "DELAYED") or over.
struct CodDifference {
    double InvoiceNumber = 0;
    std::uint32_t StopNumber = 0;
    std::string CustomerName;
    double Expected = 0;   // PayThisAmount
    double Collected = 0;  // CashCollected
    // Collected minus expected, to the cent: below zero for a shortfall.
    double Difference() const;
    bool Short() const { return Difference() < 0; }
};

// What became of a stop: served (every invoice settled, or a visit without invoices made),
// undeliverable (a reason given), or open (neither).
enum class StopOutcome { Served, Undeliverable, Open };

// One stop of a returned route.
struct CheckInStop {
    std::uint32_t StopNumber = 0;
    double CustomerNumber = 0;
    std::string CustomerName;
    StopOutcome Outcome = StopOutcome::Open;
    std::string ReasonCode;
    std::string ReasonDescription;
};

// One invoice line that carries an adjustment. Charge lines (special, minimum charge and tax)
// are `Computed`: they follow the lines the driver adjusted.
struct AdjustedLine {
    double InvoiceNumber = 0;
    std::uint32_t StopNumber = 0;
    std::string CustomerName;
    std::string Product;  // Code, with the size unless it is "-" or "*"
    std::string Description;
    bool Computed = false;
    double DeliveredChange = 0;  // AdjustmentDeliveredQuantity
    double BilledChange = 0;     // AdjustmentQuantity
    double Amount = 0;           // AdjustmentAmount
    std::string ReasonCode;
    std::string ReasonDescription;
};

// The kinds of wearer changes, as the people who act on them sort them.
enum class WearerChangeKind {
    NewWearer,       // add wearer
    AddProduct,      // add product
    Exchange,        // exchange product
    QuantityChange,  // quantity down or up
    QuitWearer,
    QuitProduct,
    Cancel,  // a change the office sent as made earlier that did not come back: cancelled
};

// One inventory transaction of the day, for the people who prepare garments and wearers.
struct ReturnedWearerChange {
    WearerChangeKind Kind = WearerChangeKind::NewWearer;
    std::int32_t Code = 0;  // the transaction code
    std::uint32_t StopNumber = 0;
    std::string CustomerName;
    std::string Wearer;                 // "<number> <name>"
    std::vector<std::string> Products;  // one text per line: product, size, quantity
    std::string ReasonCode;             // the work order's reason, its description,
    std::string ReasonDescription;      // reference and remark
    std::string Ref;
    std::string Rem;
};

// A garment flagged or to be replaced today.
struct GarmentNote {
    bool Replace = false;  // false: a flag
    std::uint32_t StopNumber = 0;
    std::string CustomerName;
    std::string Garment;      // the identification code
    std::string Code;         // the flag's id or the replacement reason's code
    std::string Description;  // the flag's or the reason's description
    std::string Note;         // the remark (flag) or the reference (replacement)
};

// Whether a call's voice message came back and plays.
enum class VoiceMessage { None, Plays, Unreadable };

// A call made today (New) or a call the office sent that changed (a follow-up).
struct CallNote {
    bool New = false;
    std::uint32_t StopNumber = 0;
    std::string CustomerName;
    std::string CallID;
    std::string Person;    // the contact person's name ("" when unknown)
    std::string Category;  // the category's description (its code when unknown)
    std::string Status;    // the status name
    std::string Notes;     // Notes of a new call, FollowupNotes of a follow-up
    VoiceMessage Voice = VoiceMessage::None;
};

// A flat-good service added today.
struct NewService {
    std::uint32_t StopNumber = 0;
    std::string CustomerName;
    std::string Product;  // Prodcode and its description in the catalogue
    std::string Description;
    std::string Frequency;  // Freqcode and its description
    std::string FrequencyDescription;
    double Quantity = 0;
    std::string Price;  // as the file writes it (the configuration's decimals)
};

// One route that came back, with what happened on it.
struct CheckInRoute {
    std::string Folder;  // the returned folder it came back in
    std::int32_t RouteNumber = 0;
    std::string Date;  // "yyyyMMdd"
    std::string Description;
    std::string Driver;  // "<Route Man number> <name>" of the handheld's configuration
    std::string Truck;
    std::string StartTime;
    std::string EndTime;
    double StartMileage = 0;
    double EndMileage = 0;
    double VoucherAmount = 0;
    std::string SafetyRemarks;
    DayRecap::Figures Money;  // counted as the driver's day recap counts them
    std::vector<CodDifference> CodDifferences;
    std::vector<CheckInStop> Stops;
    std::vector<CheckInInvoice> Invoices;
    std::vector<AdjustedLine> Adjustments;
    std::vector<ReturnedWearerChange> WearerChanges;
    std::vector<GarmentNote> Garments;
    std::vector<CallNote> Calls;
    std::vector<NewService> Services;

    // An end mileage was entered.
    bool Ended() const { return EndMileage > 0; }
    // End minus start mileage; 0 until the route is ended.
    double Distance() const;
    // What the driver hands over: the money collected less the voucher.
    double HandOver() const;
    // The stops of one outcome, the invoices of one outcome.
    std::size_t CountStops(StopOutcome outcome) const;
    std::size_t CountInvoices(InvoiceOutcome outcome) const;
};

// One handheld: a returned folder with its configuration and its truck's safety check.
struct CheckInTruck {
    std::string Folder;
    std::string Driver;  // "<Route Man number> <name>"; "" without a configuration
    std::string Truck;   // TruckCode
    std::string TruckDescription;
    bool SafetyReturned = false;            // the checklist came back
    std::string SafetyTruckID;              // the truck the checklist was answered for
    std::vector<CSafetyCheck> Maintenance;  // the items marked Need Maintenance
    std::size_t Unanswered = 0;             // items marked neither way
};

// The whole check-in.
struct CheckInResult {
    std::string Sent;                  // the folder the office sent
    std::vector<CheckInTruck> Trucks;  // one per returned folder, in the order given
    std::vector<CheckInRoute> Routes;  // per folder, in route-list order (date, number)
    DayRecap::Figures Depot;           // the routes added up
    double DepotVoucher = 0;
    std::vector<CheckInFinding> Findings;

    // What every driver hands over together.
    double HandOver() const;
    // Number of findings of this severity.
    std::size_t Count(FindingSeverity severity) const;
    // No finding is an error: the day checks in clean.
    bool Clean() const { return Count(FindingSeverity::Error) == 0; }
};

// Checks in the folders that came back from the handhelds (each an export folder, "After
// Arrival") against the folder the office sent (its import folder; for a depot whose trucks
// check in together, the day's files of all of them). Reads through the program's own
// loaders and writes nothing. A path that is not a folder gives one error.
CheckInResult checkIn(const std::filesystem::path& sent,
                      const std::vector<std::filesystem::path>& returned);

}  // namespace kelvo
