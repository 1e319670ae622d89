#include "daygen/Days.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "daygen/Builders.h"
#include "daygen/InvoiceBuilder.h"
#include "daygen/MasterData.h"
#include "daygen/Rng.h"

namespace daygen {

namespace {

const std::vector<std::string> kPlaceWords = {
    "Harbor",   "Summit",    "Pacific",   "Golden",  "Metro",   "Riverside", "Northgate",
    "Lakeside", "Eastfield", "Westfield", "Hilltop", "Valley",  "Cedar",     "Pine",
    "Bay",      "Oak",       "Ironwood",  "Sunrise", "Redwood", "Granite"};
const std::vector<std::string> kTrades = {
    "Auto Body", "Machine Shop", "Bakery",          "Dental Clinic", "Hotel",
    "Brewery",   "Print & Copy", "Kitchen & Grill", "Medical Lab",   "Marina",
    "Towing",    "Deli",         "Fabrication",     "Veterinary",    "Plastics",
    "Cafe",      "Motors",       "Logistics",       "Foods",         "Fitness Club"};
const std::vector<std::string> kStreets = {
    "Main Street",    "Harbor Blvd", "Industrial Way", "Oak Avenue",       "Pier Road",
    "Commerce Drive", "Mill Street", "Station Road",   "Lake Shore Drive", "Airport Road"};
struct Town {
    const char* City;
    const char* State;
    const char* Zip;
};
const std::vector<Town> kTowns = {{"Port Ellis", "CA", "94510"},
                                  {"Northgate", "CA", "94521"},
                                  {"Bayview", "CA", "94530"},
                                  {"Cedar Falls", "CA", "94540"},
                                  {"Millbrook", "CA", "94550"}};
const std::vector<std::string> kFirstNames = {
    "Tom",  "Luis", "Nina",  "Jim",   "Sam",  "Ray",  "Carlos", "Pete", "Anna", "Joe",
    "Ken",  "Bill", "Maria", "Greg",  "Dana", "Ivan", "Lisa",   "Mark", "Omar", "Rosa",
    "Hans", "Amy",  "Paul",  "Karen", "Vic",  "Sue",  "Ella",   "Rick", "Gina", "Hal"};
const std::vector<std::string> kLastNames = {
    "Becker", "Alvarez", "Park",  "O'Brien", "Keller",  "Dunn", "Mendes", "Harlan",
    "Novak",  "Fisher",  "Ito",   "Yates",   "Lopez",   "Hunt", "White",  "Petrov",
    "Chen",   "Stone",   "Farah", "Delgado", "Vogel",   "Cole", "Grant",  "Wills",
    "Ortega", "Brooks",  "Hale",  "Russo",   "Brenner", "Lind"};
const std::vector<std::string> kFunctionsOfContacts = {
    "Owner", "Office manager", "Purchasing", "Accounts payable", "Shift supervisor", "Facilities"};

std::string addDays(const std::string& yyyymmdd, int days) {
    int y = std::stoi(yyyymmdd.substr(0, 4));
    int m = std::stoi(yyyymmdd.substr(4, 2));
    int d = std::stoi(yyyymmdd.substr(6, 2));
    auto daysIn = [](int year, int month) {
        static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return month == 2 && leap ? 29 : kDays[month - 1];
    };
    for (int i = 0; i < days; ++i) {
        if (++d > daysIn(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    return format("%04d%02d%02d", y, m, d);
}

// Draws a name "First Last" (two draws, in this order, so a seed gives the same day everywhere).
std::pair<std::string, std::string> drawName(Rng& rng) {
    std::string first = rng.pick(kFirstNames);
    std::string last = rng.pick(kLastNames);
    return {std::move(first), std::move(last)};
}

std::string drawPhone(Rng& rng) {
    return format("(707) 555-%04d", rng.between(100, 9999));
}

// A customer of a generated stop. Every random draw is its own statement: the order in which
// function arguments are evaluated is not fixed, and the day must not depend on the compiler.
Customer drawCustomer(Rng& rng, long long custId, long long customerNumber) {
    Customer c;
    c.CustID = custId;
    c.CustomerNumber = customerNumber;
    c.Name = rng.pick(kPlaceWords);
    c.Name += " " + rng.pick(kTrades);
    const int houseNumber = rng.between(1, 3999);
    c.Address1 = format("%d %s", houseNumber, rng.pick(kStreets).c_str());
    if (rng.percent(30))
        c.Address2 = format("Unit %d", rng.between(1, 40));
    const Town& town = rng.pick(kTowns);
    c.City = town.City;
    c.State = town.State;
    c.Zipcode = town.Zip;
    const auto [first, last] = drawName(rng);
    c.ContactName = first + " " + last;
    c.Phone = drawPhone(rng);
    if (rng.percent(50))
        c.Mobile = drawPhone(rng);
    return c;
}

void drawAging(Rng& rng, Stop& s, int g, bool cod) {
    const std::string lastPayment = addDays("20061101", rng.between(0, 28));
    if (cod) {
        setAging(s, 0, 0, 0, 0, 0, lastPayment, "CASH", rng.between(1000, 20000));
        return;
    }
    s.AgingCurrent = rng.between(0, 80000);
    s.Aging30 = g % 2 ? rng.between(0, 30000) : 0;
    s.Aging60 = g % 5 == 0 ? rng.between(0, 20000) : 0;
    s.Aging90 = g % 13 == 0 ? rng.between(0, 9000) : 0;
    s.OpenCredit = g % 8 == 0 ? rng.between(0, 5000) : 0;
    s.LastPaymentDate = lastPayment;
    s.LastPaymentNumber = format("CHK %d", rng.between(100, 99999));
    s.LastPaymentAmount = rng.between(1000, 90000);
}

// One content line of a generated invoice: flat-good rent, wash or a sale.
void drawContentLine(Rng& rng, InvoiceBuilder& b, bool environmental, bool rentOnly) {
    const int kind = rentOnly ? 0 : rng.between(0, 9);
    if (kind < 4) {
        const auto& group = kFlatGroups[static_cast<std::size_t>(rng.between(0, 3))];
        const FlatProduct& fp = rng.pick(group.Products);
        const char* freq = kFrequencies[static_cast<std::size_t>(rng.between(0, 3))].Code;
        if (fp.LineType == 1 || rentOnly) {
            const int delivered = rng.between(1, 8);
            const int minimum = rng.percent(40) ? delivered + rng.between(0, 2) : 0;
            const bool count = rng.percent(25);
            b.flatRent(fp.Code, freq, delivered, minimum, count, environmental);
        } else {
            b.wash(fp.Code, freq, rng.between(10, 400));
        }
    } else if (kind < 8) {
        static const char* const kWashed[] = {"TWSH", "TWBR", "TWBA", "APBB", "APWA", "MPWT"};
        const char* code = kWashed[rng.between(0, 5)];
        b.wash(code, "1W", rng.between(10, 400));
    } else {
        const char* code = kSaleItems[static_cast<std::size_t>(rng.between(0, 3))].Code;
        b.sale(code, rng.between(1, 4));
    }
}

}  // namespace

// Every tenth stop (stop 5, 15, 25, ...) is a visit without invoices, as on real routes.
bool visitOnly(unsigned stopNumber) {
    return stopNumber % 10 == 5;
}

Day generatedDay(const Options& o) {
    Day day;
    Rng rng(o.Seed);

    // The wearer customers are spread evenly over the day's stops that carry invoices.
    std::vector<int> billedStops;
    for (int g = 0; g < o.Routes * o.Stops; ++g)
        if (!visitOnly(static_cast<unsigned>(g % o.Stops + 1)))
            billedStops.push_back(g);
    std::vector<int> wearerStops;
    for (int k = 0; k < o.WearerCustomers; ++k)
        wearerStops.push_back(billedStops[static_cast<std::size_t>(
            static_cast<long long>(k) * static_cast<long long>(billedStops.size()) /
            o.WearerCustomers)]);

    long long nextInvoice = 100001;
    long long invoiceIndex = 0;
    for (int r = 0; r < o.Routes; ++r) {
        Route route;
        route.RouteNumber = 101 + r;
        route.Date = addDays("20061205", r);
        route.ID = format("RT%d-%s", route.RouteNumber, route.Date.c_str());
        route.Description = rng.pick(kPlaceWords);
        route.Description += " & " + rng.pick(kPlaceWords);
        for (int i = 0; i < o.Stops; ++i) {
            const int g = r * o.Stops + i;  // stop number within the whole day
            Stop s = makeStop(route, static_cast<unsigned>(i + 1),
                              drawCustomer(rng, 200001 + g, 4000 + 3LL * g));
            if (g % 4 == 1)
                s.DeliveryInstructions = "Ring at the back door.\r\nLeave goods in the hall.";
            if (g % 6 == 2)
                s.DrivingInstructions = "Turn left after the gas station & follow the signs.";
            if (g % 11 == 7)
                s.DeliveryInstructions = "Do not block the gate <fire lane>.";
            s.SatisfactionSurvey = g % 5 == 0 ? 'Y' : 'N';
            s.SignatureRequired = g % 7 == 3 ? 'N' : 'Y';
            const bool codCustomer = g % 3 == 1;
            const bool taxable = g % 9 != 6;
            drawAging(rng, s, g, codCustomer);
            const int contacts = rng.between(0, 3);
            for (int c = 0; c < contacts; ++c) {
                const unsigned number = static_cast<unsigned>(c * 2 + rng.between(1, 2));
                const auto [first, last] = drawName(rng);
                s.ContactPersons.push_back(
                    {number, first + " " + last, rng.pick(kFunctionsOfContacts)});
            }
            if (g % 7 == 3 && !s.ContactPersons.empty()) {
                for (int c = 0; c < 1 + g % 2; ++c) {
                    const char* category =
                        kContactCategories[static_cast<std::size_t>(rng.between(0, 4))].Code;
                    const int status = rng.between(1, 4);
                    addCall(route, s, s.ContactPersons.front().Number, category, status,
                            "Customer asks for a call back.\r\nSee notes & history.");
                }
            }

            const WearerCustomer* wearers = nullptr;
            const auto found = std::find(wearerStops.begin(), wearerStops.end(), g);
            if (found != wearerStops.end()) {
                s.LockerManagement = 'Y';
                std::vector<std::pair<std::string, std::string>> names;
                std::vector<int> numbers;
                std::vector<std::size_t> inactive;
                for (int w = 0; w < o.WearersPerCustomer; ++w) {
                    names.push_back(drawName(rng));
                    numbers.push_back(w + 1 + w / 10);  // a few gaps, as after quits
                    if (w % 8 == 2)
                        inactive.push_back(static_cast<std::size_t>(w));
                }
                day.WearerCustomers.push_back(makeWearerCustomer(
                    s.Cust.CustID, static_cast<int>(found - wearerStops.begin()) % 3, names,
                    numbers, inactive, rng, o.ProductsPerWearer));
                addTransactions(day.WearerCustomers.back(), o.Transactions);
                wearers = &day.WearerCustomers.back();
            }

            if (!visitOnly(s.StopNumber)) {
                // The active wearers' garments in number order; each invoice bills the next ones.
                std::vector<std::pair<const Wearer*, const WearerProduct*>> garments;
                if (wearers) {
                    std::vector<const Wearer*> byNumber;
                    for (const auto& w : wearers->Wearers)
                        if (w.Active == 'Y')
                            byNumber.push_back(&w);
                    std::sort(byNumber.begin(), byNumber.end(),
                              [](const Wearer* a, const Wearer* b) { return a->Nr < b->Nr; });
                    for (const Wearer* w : byNumber)
                        for (const auto& wp : w->Inventory)
                            garments.emplace_back(w, &wp);
                }
                std::size_t nextGarment = 0;
                for (int k = 0; k < o.InvoicesPerStop; ++k, ++invoiceIndex) {
                    // A charge customer's last invoice is now and then a COD sale.
                    const bool codSale = k > 0 && k + 1 == o.InvoicesPerStop && g % 4 == 2;
                    const char cod = codCustomer || codSale ? 'Y' : 'N';
                    const bool environmental = cod == 'N' && o.LinesPerInvoice >= 4;
                    const bool minimum = o.LinesPerInvoice >= 5 && invoiceIndex % 4 == 1;
                    const bool tax = taxable && o.LinesPerInvoice >= 3;
                    const int content = o.LinesPerInvoice - (tax ? 1 : 0) -
                                        (environmental ? 1 : 0) - (minimum ? 1 : 0);
                    InvoiceBuilder b(nextInvoice++, route.Date, cod, taxable);
                    for (int c = 0; c < content; ++c) {
                        if (nextGarment < garments.size() && c < content - 1) {
                            const auto& [w, wp] = garments[nextGarment++];
                            b.wearerRent(*w, *wp, environmental);
                        } else {
                            // The environmental charge needs a rent line to be computed over.
                            drawContentLine(rng, b, environmental, environmental && c == 0);
                        }
                    }
                    std::optional<Cents> minimumAmount;
                    if (minimum) {
                        // Every other minimum lies above the lines (a charge to pay), the rest
                        // below them (a minimum charge line of 0.00).
                        const Cents subject = b.subjectToMinimum();
                        // Whole tens: 7.5 % of them never ends in half a cent.
                        minimumAmount = invoiceIndex % 8 == 1
                                            ? (subject / 1000 + 3) * 1000
                                            : std::max<Cents>(1000, subject / 2 / 1000 * 1000);
                    }
                    attach(day, s, b.finish(environmental, minimumAmount, tax));
                }
            }
            route.Stops.push_back(std::move(s));
        }
        normalise(route);
        day.Routes.push_back(std::move(route));
    }
    return day;
}

}  // namespace daygen
