#pragma once

#include <map>
#include <string>
#include <vector>

#include "daygen/Text.h"

// The day's model: routes, stops, invoices, calls, wearers, as the generator builds them.
namespace daygen {

struct InvoiceLine {
    std::string LineID;
    int LineNumber = 0;
    int LineType = 0;
    std::string Code, Description, SizeCode, FinishingMethodCode;
    int WearerNumber = 0;
    std::string WearerName, WearerLocker;
    int TaxType = 0;
    int BillingMethod = 0;
    std::string FrequencyCode;
    long DeliveredQuantity = 0, InventoryQuantity = 0, PreBilledQuantity = 0, FutureInv = 0;
    Cents PrebilledAmount = 0;
    Price4 Price = 0;
    int Percentage = 0;  // hundredths of the percent figure: 750 is 7.50 %
    Cents OverAmount = 0;
    char Extend = 'Y';
    char SubjectToMinimum = 'N';
    std::string SpecialChargeCode1;
    int MinQty = 0, MinPerc = 0, MinFreq = 0;
    int SER = 0, QtyToPick = 0;
    // What the driver entered (a returned day): nothing in a delivery.
    long AdjustmentQuantity = 0, AdjustmentDeliveredQuantity = 0;
    Cents AdjustmentAmount = 0;
    std::string AdjustmentReasonCode, PickUpQty;
};

struct Invoice {
    long long Number = 0;
    std::string ID, InvoiceDate;
    char COD = 'N';
    Cents MinimumInvoiceAmount = 0;
    std::vector<InvoiceLine> Items;
    // Its settlement and adjustments (a returned day): nothing in a delivery.
    Cents TotalPlusAdjustments = 0, TotalMinusAdjustments = 0, CashCollected = 0;
    std::string UndeliverReasonCode, PersonIdentification, Status, CheckNumber;

    // The prebilled amount of the invoice: the lines that count in its totals.
    Cents prebilled() const {
        Cents sum = 0;
        for (const auto& l : Items)
            if (l.Extend == 'Y')
                sum += l.PrebilledAmount;
        return sum;
    }
    // The amount due after the adjustments.
    Cents payThisAmount() const {
        return prebilled() + TotalPlusAdjustments - TotalMinusAdjustments;
    }
    bool settled() const { return Status == "Settled"; }
};

struct ContactPerson {
    unsigned Number;
    std::string Name, Function;
};

struct Call {
    std::string CallID;
    std::string NewDate;
    unsigned Person = 0;
    std::string Category;
    int Status = 1;
    std::string Notes, FollowupNotes;
};

struct Customer {
    long long CustID = 0;
    long long CustomerNumber = 0;
    std::string Name, Address1, Address2, City, State, Zipcode;
    std::string ContactName, Phone, Mobile;
};

struct Stop {
    std::string StopID;
    unsigned StopNumber = 0;
    Customer Cust;
    std::string DeliveryInstructions, DrivingInstructions;
    char SatisfactionSurvey = 'N', SignatureRequired = 'Y', LockerManagement = 'N';
    Cents AgingCurrent = 0, Aging30 = 0, Aging60 = 0, Aging90 = 0, OpenCredit = 0;
    std::string LastPaymentDate, LastPaymentNumber;
    Cents LastPaymentAmount = 0;
    std::vector<ContactPerson> ContactPersons;
    std::vector<Call> Calls;
    std::vector<std::string> Invoices;  // invoice numbers as texts
    // The visit (a returned day): not made in a delivery.
    std::string UndeliverReasonCode, ArrivalTime = "00:00", DepartureTime = "00:00";
    int TravelMinutes = 0, VisitMinutes = 0;
};

struct Route {
    std::string ID, Date;
    int RouteNumber = 0;
    std::string Description;
    std::vector<Stop> Stops;
    // Started and ended (a returned day); mileage in tenths.
    std::string StartTime, EndTime, SafetyRemarks;
    long StartMileage = 0, EndMileage = 0;
    Cents VoucherAmount = 0;
};

struct WearerProduct {
    int PID, SID, Qty, Chg, TID, FID;
    Price4 Price;
};

struct Wearer {
    std::string ID;
    int Nr = 0;
    std::string FName, FirstName, LastName, EmblemName, Admin;
    int Dpt = 0, Fun = 0, LockID = 0;
    std::string Bank, Lock;
    char Active = 'Y';
    std::vector<WearerProduct> Inventory;
};

struct Locker {
    int LockerID;
    std::string Bank, Locker;
};

// A product line of an inventory transaction; OrgPID and OrgSID name the replaced product of
// an exchange.
struct TransactionLine {
    int PID = 0, SID = 0, Qty = 0, Chg = 0, TID = 0, FID = 0;
    Price4 Price = 0;
    int OrgPID = 0, OrgSID = 0;
};

// A change of a wearer or of his garments as the handheld records it (code 1 add wearer, 2 quit
// wearer, 3 add product, 4 quit product, 5 exchange, 6 lower and 7 raise a quantity).
struct Transaction {
    int Code = 0;
    std::string ReasonCode, Ref, Rem, WID;
    int Nr = 0;
    std::string FName, FirstName, EmblemName, Admin;
    int Dpt = 0, Fun = 0, LockID = 0;
    std::string Bank, Lock, WearerRem;
    std::vector<TransactionLine> Lines;
};

struct WearerCustomer {
    long long CustID = 0;
    int Profile = 0;
    std::vector<Locker> Lockers;
    std::vector<Wearer> Wearers;  // in file order (by name)
    // Changes the handheld saved earlier in the day (a resumed day); none in a fresh delivery.
    std::vector<Transaction> Transactions;
};

struct Config {
    std::string RouteManName = "Dave Kowalski";
    int RouteManNumber = 17;
    std::string TruckCode = "T12";
    std::string TruckDescription = "Box truck 16 ft, plate 7BCL112";
};

struct Day {
    Config Conf;
    std::vector<Route> Routes;
    std::map<long long, Invoice> Invoices;
    std::vector<WearerCustomer> WearerCustomers;
};

}  // namespace daygen
