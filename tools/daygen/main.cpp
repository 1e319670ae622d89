// kelvo-daygen: writes a whole day of back-office data for the handheld, exactly as the back
// office delivers it into the import folder: Config.xml, route files, invoice files, call files,
// the reference lists, per-customer lists and wearer files, the flat-good catalogue, the safety
// checklist and the departure marker "ZZDepartureCheck.xml".
//
//   kelvo-daygen OUTDIR [--routes N] [--stops N] [--invoices N] [--lines N] [--wearers N]
//                       [--wearer-customers N] [--seed N]
//   kelvo-daygen OUTDIR --sample [--compare]
//
// Files the handheld writes itself (inventory transactions, garment flags and replacements,
// flat-good transactions, signatures, voice messages, the arrival marker) are never delivered.
//
// The route, stop, invoice, invoice line, call and safety files are written byte for byte in the
// handheld's own layout ("\r\n" line breaks, tab indentation, no XML declaration, no final line
// break, the handheld's number formats and sort orders), so a route the driver has not touched
// is exported byte-identical. All texts are plain ASCII, which is also valid ISO-8859-1.
//
// Only the C++ standard library is used, so the tool builds without the program's dependencies.

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Cents = std::int64_t;   // money in hundredths
using Price4 = std::int64_t;  // unit prices in ten-thousandths (prices keep four decimals)

// ---------------------------------------------------------------------------------------------
// Text helpers

// printf-style formatting into a std::string (the "C" locale is in force: '.' as decimal point).
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, fmt, args);
    va_end(args);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::vsnprintf(text.data(), text.size() + 1, fmt, copy);
    va_end(copy);
    return text;
}

// Escapes a free text for a data file: "&", "<" and ">" become entities (quotes stay as they are).
std::string esc(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

double dollars(Cents cents) {
    return static_cast<double>(cents) / 100.0;
}
double unitPrice(Price4 price) {
    return static_cast<double>(price) / 10000.0;
}

std::string padZeros(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

// The double that the handheld gets when it reads an amount written with two decimals.
double readBack2(Cents cents) {
    return std::strtod(format("%.2f", dollars(cents)).c_str(), nullptr);
}

// The handheld's rounding of a value counted in hundredths: whole part of v + 0.5, in cents.
Cents roundCents(double hundredths) {
    return static_cast<Cents>(hundredths + 0.5);
}

// Amount of a quantity at a unit price, rounded half up to cents.
Cents extend(Price4 price, long quantity) {
    return (price * quantity + 50) / 100;
}

// Free-layout XML writer for the back office's lists: one element per line, tab indentation,
// "\r\n" line breaks, no declaration, no final line break (the same style as the handheld's files).
class XmlText {
public:
    explicit XmlText(std::string root) {
        m_text = "<" + root + ">";
        m_open.push_back(std::move(root));
    }
    void open(const std::string& tag) {
        newLine();
        m_text += "<" + tag + ">";
        m_open.push_back(tag);
    }
    void leaf(const std::string& tag, std::string_view value) {
        newLine();
        m_text += "<" + tag + ">" + esc(value) + "</" + tag + ">";
    }
    void leaf(const std::string& tag, long long value) { leaf(tag, std::to_string(value)); }
    void close() {
        const std::string tag = m_open.back();
        m_open.pop_back();
        newLine();
        m_text += "</" + tag + ">";
    }
    std::string finish() {
        while (!m_open.empty())
            close();
        return m_text;
    }

private:
    void newLine() {
        m_text += "\r\n";
        m_text.append(m_open.size(), '\t');
    }
    std::string m_text;
    std::vector<std::string> m_open;
};

// ---------------------------------------------------------------------------------------------
// Deterministic random numbers (splitmix64): the same seed gives the same day on every platform,
// unlike the standard distributions whose results depend on the library.

class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool percent(int chance) { return between(0, 99) < chance; }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[next() % items.size()];
    }

private:
    std::uint64_t m_state;
};

// ---------------------------------------------------------------------------------------------
// Master data shared by every generated day

struct Size {
    const char* Code;
    int SizeID;
};

struct GarmentProduct {
    int ProductID;
    const char* Code;
    const char* Description;
    std::vector<Size> Sizes;
    Price4 RentPrice;  // weekly rent per garment
    int Quantity;      // garments a wearer usually has of it
};

const std::vector<Size> kShirtSizes = {{"S", 1}, {"M", 2}, {"L", 3}, {"XL", 4}, {"XXL", 5}};
const std::vector<Size> kPantsSizes = {{"30x30", 3030}, {"32x30", 3230}, {"32x32", 3232},
                                       {"34x32", 3432}, {"36x32", 3632}, {"38x32", 3832},
                                       {"40x32", 4032}};

// Kept in product-number order; the handheld sorts the list by description itself.
const std::vector<GarmentProduct> kProducts = {
    {101, "SH100", "Work shirt short sleeve", kShirtSizes, 4500, 11},
    {102, "SH110", "Work shirt long sleeve", kShirtSizes, 4800, 11},
    {103, "PA200", "Work pants", kPantsSizes, 5500, 11},
    {104, "CO300", "Coverall", kShirtSizes, 11000, 5},
    {105, "JK400", "Winter jacket", {{"M", 2}, {"L", 3}, {"XL", 4}, {"XXL", 5}}, 17500, 1},
    {106, "LC500", "Lab coat", {{"S", 1}, {"M", 2}, {"L", 3}, {"XL", 4}}, 8500, 5},
    {107, "SM600", "Smock", {{"S", 1}, {"M", 2}, {"L", 3}, {"XL", 4}}, 6500, 5},
    {108, "EM900", "Name emblem", {}, 0, 0},  // a product without sizes
};

const GarmentProduct& product(int id) {
    for (const auto& p : kProducts)
        if (p.ProductID == id)
            return p;
    std::cerr << "kelvo-daygen: unknown product " << id << "\n";
    std::exit(2);
}

struct Named {
    int ID;
    const char* Description;
};
const std::vector<Named> kFinishingMethods = {
    {1, "Hanger"}, {2, "Folded"}, {3, "Hanger with poly bag"}};
const std::vector<Named> kFlags = {{1, "Stain"},         {2, "Torn"},         {3, "Missing button"},
                                   {4, "Broken zipper"}, {5, "Emblem loose"}, {6, "Faded colour"}};

struct CodeText {
    const char* Code;
    const char* Text;
};
const std::vector<CodeText> kContactCategories = {{"CMP", "Complaint"},
                                                  {"SRV", "Service request"},
                                                  {"SAL", "Sales lead"},
                                                  {"INV", "Invoice question"},
                                                  {"GEN", "General"}};
const std::vector<CodeText> kFrequencies = {{"1W", "Weekly"},
                                            {"2W", "Every other week"},
                                            {"4W", "Every four weeks"},
                                            {"2X", "Twice a week"}};
const std::vector<const char*> kTrucks = {"T12", "T14", "T21", "T33"};
const std::vector<CodeText> kSafetyItems = {
    {"BRK", "Brakes"},         {"LGT", "Lights & turn signals"},
    {"TIR", "Tires & wheels"}, {"MIR", "Mirrors & windows"},
    {"HRN", "Horn & wipers"},  {"FLU", "Fluid levels <oil, coolant>"}};

struct AdjReason {
    const char* Code;
    const char* Description;
    const char* Groups;  // Undeliverable, InventoryAdj, LossCharge, BillingAdj, Ordering
};
const std::vector<AdjReason> kAdjReasons = {
    {"CL", "Customer closed", "YNNNN"},  {"NA", "No access to premises", "YNNNN"},
    {"RF", "Delivery refused", "YNNNN"}, {"DM", "Damaged goods", "NNNYN"},
    {"SD", "Short delivery", "NNNYY"},   {"PC", "Price correction", "NNNYN"},
    {"XD", "Extra demand", "NNNNY"},     {"SZ", "Size change", "NYNNN"},
    {"NE", "New employee", "NYNNN"},     {"LE", "Employee left", "NYNNN"},
    {"LG", "Lost garment", "NNYNN"},     {"DG", "Destroyed garment", "NNYNN"},
    {"WO", "Worn out", "NNNNN"},         {"RP", "Repair & return", "NNNNN"},
};

// Flat goods: delivered in bulk at a frequency; one price per frequency of kFrequencies.
struct FlatProduct {
    const char* Code;
    const char* Description;
    std::vector<Price4> Prices;  // in the order of kFrequencies
    int LineType;                // 1 rent (product-level), 2 wash
};
struct FlatGroup {
    const char* Description;
    std::vector<FlatProduct> Products;
};
const std::vector<FlatGroup> kFlatGroups = {
    {"Mats",
     {{"MT35", "Entrance mat 3x5", {45000, 52500, 60000, 42500}, 1},
      {"MT46", "Entrance mat 4x6", {67500, 75000, 82500, 65000}, 1},
      {"MTLG", "Logo mat 3x10", {120000, 135000, 150000, 115000}, 1},
      {"MTAF", "Anti-fatigue mat 2x3", {39500, 45000, 50000, 37500}, 1}}},
    {"Towels & Wipers",
     {{"TWSH", "Shop towel", {900, 1000, 1200, 800}, 2},
      {"TWBR", "Bar towel", {1400, 1500, 1700, 1300}, 2},
      {"TWRL", "Roll towel", {39500, 42500, 45000, 37500}, 1},
      {"TWBA", "Bath towel", {3200, 3500, 3900, 3000}, 2}}},
    {"Mops",
     {{"MPDU", "Dust mop 24 in", {21000, 23500, 26000, 19500}, 1},
      {"MPWT", "Wet mop 24 oz", {18500, 20500, 22500, 17500}, 2}}},
    {"Aprons",
     {{"APBB", "Bib apron", {5500, 6000, 6500, 5000}, 2},
      {"APWA", "Waist apron", {4000, 4500, 5000, 3800}, 2}}},
};

const FlatProduct& flatProduct(std::string_view code) {
    for (const auto& g : kFlatGroups)
        for (const auto& p : g.Products)
            if (code == p.Code)
                return p;
    std::cerr << "kelvo-daygen: unknown flat good " << code << "\n";
    std::exit(2);
}

Price4 flatPrice(const FlatProduct& p, std::string_view frequency) {
    for (std::size_t i = 0; i < kFrequencies.size(); ++i)
        if (frequency == kFrequencies[i].Code)
            return p.Prices[i];
    return p.Prices[0];
}

struct SaleItem {
    const char* Code;
    const char* Description;
    Price4 Price;
};
const std::vector<SaleItem> kSaleItems = {{"HSOAP", "Hand soap refill 1 gal", 125000},
                                          {"AIRFR", "Air freshener refill", 37500},
                                          {"SANIT", "Hand sanitizer 500 ml", 42000},
                                          {"ABSRB", "Oil absorbent 25 lb", 149500}};

const SaleItem& saleItem(std::string_view code) {
    for (const auto& s : kSaleItems)
        if (code == s.Code)
            return s;
    std::cerr << "kelvo-daygen: unknown sale item " << code << "\n";
    std::exit(2);
}

// Per-customer lists that every wearer customer gets.
struct Department {
    int ID;
    const char* Description;
    char Active;
};
const std::vector<Department> kDepartments = {
    {10, "Workshop", 'Y'}, {20, "Warehouse", 'Y'}, {30, "Maintenance", 'Y'}, {40, "Office", 'N'}};
const std::vector<Department> kEmblemTemplates = {{1, "Company logo left chest", 'Y'},
                                                  {2, "Name and company logo", 'Y'},
                                                  {3, "Name only", 'Y'},
                                                  {4, "Old logo 2004", 'N'}};
const std::vector<Named> kFunctions = {
    {1, "Mechanic"}, {2, "Welder"}, {3, "Supervisor"}, {4, "Driver"}, {5, "Apprentice"}};

// The garments a wearer customer rents, with the finishing methods allowed for each.
struct CustomerProduct {
    int ProdID;
    std::vector<int> FinMethods;
};
const std::vector<std::vector<CustomerProduct>> kProductProfiles = {
    {{101, {1, 2}}, {103, {1, 2}}, {104, {1, 3}}, {105, {1}}},
    {{102, {1, 2}}, {103, {1, 2, 3}}, {105, {1}}, {108, {2}}},
    {{101, {1, 2}}, {103, {1, 2}}, {106, {1, 3}}, {107, {1, 2}}},
};

const char* const kPlantName = "Bright & Clean Linen";
const char* const kEnvCode = "ENV";  // environmental charge over the rent lines
// A rate that is a multiple of 0.16 % never gives an amount that ends in exactly half a cent, so
// the environmental charge is rounded the same way however the recomputation is carried out.
const int kEnvPercentage = 320;  // 3.20 %
const int kTaxPercentage = 750;  // 7.50 %

// ---------------------------------------------------------------------------------------------
// The day's model

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
};

struct Invoice {
    long long Number = 0;
    std::string ID, InvoiceDate;
    char COD = 'N';
    Cents MinimumInvoiceAmount = 0;
    std::vector<InvoiceLine> Items;

    // The prebilled amount of the invoice: the lines that count in its totals.
    Cents prebilled() const {
        Cents sum = 0;
        for (const auto& l : Items)
            if (l.Extend == 'Y')
                sum += l.PrebilledAmount;
        return sum;
    }
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
};

struct Route {
    std::string ID, Date;
    int RouteNumber = 0;
    std::string Description;
    std::vector<Stop> Stops;
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

struct WearerCustomer {
    long long CustID = 0;
    int Profile = 0;
    std::vector<Locker> Lockers;
    std::vector<Wearer> Wearers;  // in file order (by name)
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

// ---------------------------------------------------------------------------------------------
// Builders

// Call identifier: route date, route number (4), stop number (4), customer number (12) and the
// running number of the call within the stop (2), all padded with zeros: 30 characters.
std::string callId(const Route& route, const Stop& stop, int sequence) {
    return route.Date + padZeros(std::to_string(route.RouteNumber), 4) +
           padZeros(std::to_string(stop.StopNumber), 4) +
           padZeros(std::to_string(stop.Cust.CustomerNumber), 12) +
           padZeros(std::to_string(sequence), 2);
}

void addCall(const Route& route, Stop& stop, unsigned person, const char* category, int status,
             std::string notes, std::string followup = "") {
    Call call;
    call.CallID = callId(route, stop, static_cast<int>(stop.Calls.size()) + 1);
    call.NewDate = route.Date;
    call.Person = person;
    call.Category = category;
    call.Status = status;
    call.Notes = std::move(notes);
    call.FollowupNotes = std::move(followup);
    stop.Calls.push_back(std::move(call));
}

// Builds a wearer customer's lockers and wearers. Wearers are listed by name, as the back office
// prints them, so their numbers are not in order in the file. Wearers whose index is in
// `inactive` have quit the service ('N').
WearerCustomer makeWearerCustomer(long long custId, int profile,
                                  const std::vector<std::pair<std::string, std::string>>& names,
                                  const std::vector<int>& numbers,
                                  const std::vector<std::size_t>& inactive, Rng& rng) {
    WearerCustomer c;
    c.CustID = custId;
    c.Profile = profile;
    const std::size_t lockerCount = std::max<std::size_t>(12, names.size() + 4);
    for (std::size_t i = 0; i < lockerCount; ++i) {
        std::string bank;
        std::size_t b = i / 12;
        do {
            bank.insert(bank.begin(), static_cast<char>('A' + b % 26));
            b /= 26;
        } while (b-- > 0);
        c.Lockers.push_back({static_cast<int>(i + 1), bank, format("%02zu", i % 12 + 1)});
    }
    const auto& offer = kProductProfiles[static_cast<std::size_t>(profile)];
    for (std::size_t i = 0; i < names.size(); ++i) {
        Wearer w;
        w.Nr = numbers[i];
        w.ID = format("W%lld-%05d", custId, w.Nr);
        w.FirstName = names[i].first;
        w.LastName = names[i].second;
        w.FName = w.FirstName + " " + w.LastName;
        w.EmblemName = w.FirstName;
        w.Admin = format("E%04d", 1000 + (w.Nr * 37) % 9000);
        w.Dpt = kDepartments[static_cast<std::size_t>(rng.between(0, 2))].ID;
        w.Fun = kFunctions[static_cast<std::size_t>(rng.between(0, 4))].ID;
        const Locker& locker = c.Lockers[i % c.Lockers.size()];
        w.LockID = locker.LockerID;
        w.Bank = locker.Bank;
        w.Lock = locker.Locker;
        w.Active = std::find(inactive.begin(), inactive.end(), i) != inactive.end() ? 'N' : 'Y';
        const int tid = rng.between(1, 3);
        // Shirts and pants for everybody; now and then the third garment of the profile.
        for (std::size_t k = 0; k < 3; ++k) {
            if (k == 2 && !rng.percent(40))
                continue;
            const CustomerProduct& cp = offer[k];
            const GarmentProduct& gp = product(cp.ProdID);
            const Size& size = rng.pick(gp.Sizes);
            w.Inventory.push_back({gp.ProductID, size.SizeID, gp.Quantity, gp.Quantity, tid,
                                   rng.pick(cp.FinMethods), gp.RentPrice});
        }
        c.Wearers.push_back(std::move(w));
    }
    std::stable_sort(c.Wearers.begin(), c.Wearers.end(), [](const Wearer& a, const Wearer& b) {
        return std::tie(a.LastName, a.FirstName) < std::tie(b.LastName, b.FirstName);
    });
    return c;
}

// Collects the lines of one invoice and closes it with its charge lines.
class InvoiceBuilder {
public:
    InvoiceBuilder(long long number, std::string date, char cod, bool taxable)
        : m_taxable(taxable) {
        m_invoice.Number = number;
        m_invoice.ID = format("I%lld", number);
        m_invoice.InvoiceDate = std::move(date);
        m_invoice.COD = cod;
    }

    // Sum of the lines that count towards the invoice's minimum amount.
    Cents subjectToMinimum() const {
        Cents sum = 0;
        for (const auto& l : m_invoice.Items)
            if (l.SubjectToMinimum == 'Y')
                sum += l.PrebilledAmount;
        return sum;
    }

    // A weekly rent line of one wearer's garment; the soiled garments are picked up (SER 2).
    void wearerRent(const Wearer& w, const WearerProduct& wp, bool environmental) {
        const GarmentProduct& gp = product(wp.PID);
        InvoiceLine& l = add(1, gp.Code, gp.Description);
        for (const auto& s : gp.Sizes)
            if (s.SizeID == wp.SID)
                l.SizeCode = s.Code;
        l.FinishingMethodCode = std::to_string(wp.FID);
        l.WearerNumber = w.Nr;
        l.WearerName = w.FName;
        l.WearerLocker = w.Bank.empty() ? "" : w.Bank + "-" + w.Lock;
        l.BillingMethod = 1;
        l.FrequencyCode = "1W";
        l.InventoryQuantity = l.FutureInv = l.PreBilledQuantity = wp.Qty;
        l.DeliveredQuantity = std::min(wp.Qty, 5);
        l.Price = wp.Price;
        l.PrebilledAmount = extend(wp.Price, wp.Qty);
        if (l.DeliveredQuantity > 0 && wp.Qty > 1) {
            l.SER = 2;
            l.QtyToPick = static_cast<int>(l.DeliveredQuantity);
        }
        if (environmental)
            l.SpecialChargeCode1 = kEnvCode;
    }

    // A product-level rent line of flat goods. With a minimum per visit the customer pays at
    // least `minimum` pieces; with `countPickUp` the driver must count the soiled goods (SER 1).
    void flatRent(const char* code, const char* frequency, int delivered, int minimum,
                  bool countPickUp, bool environmental) {
        const FlatProduct& fp = flatProduct(code);
        InvoiceLine& l = add(1, fp.Code, fp.Description);
        l.FrequencyCode = frequency;
        l.DeliveredQuantity = delivered;
        l.InventoryQuantity = l.FutureInv = std::max(delivered, minimum);
        l.PreBilledQuantity = std::max(delivered, minimum);
        l.Price = flatPrice(fp, frequency);
        l.PrebilledAmount = extend(l.Price, l.PreBilledQuantity);
        if (minimum > 0) {
            l.BillingMethod = 2;
            l.MinQty = minimum;
            l.MinFreq = 2;
        } else {
            l.BillingMethod = 1;
        }
        l.SER = countPickUp ? 1 : 2;
        l.QtyToPick = static_cast<int>(l.InventoryQuantity);
        if (environmental)
            l.SpecialChargeCode1 = kEnvCode;
    }

    // A product-level wash line billed per piece; `price` 0 takes the catalogue price.
    void wash(const char* code, const char* frequency, int quantity, Price4 price = 0) {
        const FlatProduct& fp = flatProduct(code);
        InvoiceLine& l = add(2, fp.Code, fp.Description);
        l.BillingMethod = 4;
        l.FrequencyCode = frequency;
        l.DeliveredQuantity = l.PreBilledQuantity = quantity;
        l.InventoryQuantity = l.FutureInv = quantity;
        l.Price = price != 0 ? price : flatPrice(fp, frequency);
        l.PrebilledAmount = extend(l.Price, quantity);
        l.SER = 2;
        l.QtyToPick = quantity;
    }

    // A sales line (no size, nothing to pick up).
    void sale(const char* code, int quantity) {
        const SaleItem& s = saleItem(code);
        InvoiceLine& l = add(5, s.Code, s.Description);
        l.SizeCode = "-";
        l.DeliveredQuantity = l.PreBilledQuantity = quantity;
        l.Price = s.Price;
        l.PrebilledAmount = extend(s.Price, quantity);
    }

    // A sold garment, for example one that replaces a lost one.
    void garmentSale(const Wearer& w, const WearerProduct& wp, Price4 price) {
        const GarmentProduct& gp = product(wp.PID);
        InvoiceLine& l = add(5, gp.Code, gp.Description);
        for (const auto& s : gp.Sizes)
            if (s.SizeID == wp.SID)
                l.SizeCode = s.Code;
        l.WearerNumber = w.Nr;
        l.WearerName = w.FName;
        l.WearerLocker = w.Bank + "-" + w.Lock;
        l.DeliveredQuantity = l.PreBilledQuantity = 1;
        l.Price = price;
        l.PrebilledAmount = extend(price, 1);
    }

    // Appends the charge lines in the order the handheld recomputes them (special charge,
    // minimum charge, tax) with the amounts its arithmetic gives for unadjusted lines, so that
    // recomputing any line without a change moves nothing.
    Invoice finish(bool environmental, std::optional<Cents> minimumInvoiceAmount, bool tax) {
        m_minimum = minimumInvoiceAmount;
        for (int attempt = 0;;) {
            Invoice invoice = m_invoice;
            bool tie = false;
            if (environmental) {
                Cents over = 0;
                for (const auto& l : invoice.Items)
                    if (l.SpecialChargeCode1 == kEnvCode)
                        over += l.PrebilledAmount;
                InvoiceLine& s = add(invoice, 16, kEnvCode, "Environmental charge 3.2%");
                s.SubjectToMinimum = 'N';
                s.Percentage = kEnvPercentage;
                s.OverAmount = over;
                s.PrebilledAmount = roundCents(kEnvPercentage / 100.0 * readBack2(over));
            }
            if (m_minimum) {
                Cents subject = 0;
                for (const auto& l : invoice.Items)
                    if (l.SubjectToMinimum == 'Y')
                        subject += l.PrebilledAmount;
                invoice.MinimumInvoiceAmount = *m_minimum;
                InvoiceLine& m = add(invoice, 17, "MIN", "Minimum invoice charge");
                m.SubjectToMinimum = 'N';
                m.PrebilledAmount = std::max<Cents>(0, *m_minimum - subject);
            }
            if (tax && m_taxable) {
                // The taxable base is summed as the handheld sums it: doubles in line order.
                double base = 0.0;
                Cents baseCents = 0;
                for (const auto& l : invoice.Items)
                    if (l.TaxType == 1) {
                        base += 0.0 + readBack2(l.PrebilledAmount);
                        baseCents += l.PrebilledAmount;
                    }
                InvoiceLine& t = add(invoice, 18, "TAX", "Sales tax 7.5%");
                t.SubjectToMinimum = 'N';
                t.Percentage = kTaxPercentage;
                t.OverAmount = baseCents;
                t.PrebilledAmount = roundCents(kTaxPercentage / 100.0 * base);
                // A base whose tax ends in exactly half a cent would be rounded up or down by
                // floating-point noise of the recomputation; one more piece on a line avoids it.
                tie = kTaxPercentage * baseCents % 10000 == 5000;
            }
            if (!tie || !breakTie(attempt++))
                return invoice;
        }
    }

private:
    InvoiceLine& add(int lineType, std::string code, std::string description) {
        return add(m_invoice, lineType, std::move(code), std::move(description));
    }

    InvoiceLine& add(Invoice& invoice, int lineType, std::string code, std::string description) {
        InvoiceLine l;
        l.LineNumber = static_cast<int>(invoice.Items.size()) + 1;
        l.LineID = format("%lld-%03d", invoice.Number, l.LineNumber);
        l.LineType = lineType;
        l.Code = std::move(code);
        l.Description = std::move(description);
        l.TaxType = m_taxable ? 1 : 0;
        l.SubjectToMinimum = 'Y';
        invoice.Items.push_back(std::move(l));
        return invoice.Items.back();
    }

    // Moves the taxable base off a half-cent tax. First adds one piece to one of the lines that
    // belong to no wearer (the wearer lines must match the wearer file), taking them in turn;
    // when that cannot move it (a piece of 0.40 moves a 7.5 % tax by whole cents, and a base
    // lifted to the minimum does not move at all) raises the minimum by 0.10 or a price by 0.01.
    // False when nothing is left to try.
    bool breakTie(int attempt) {
        std::vector<InvoiceLine*> candidates;
        for (auto& l : m_invoice.Items)
            if (l.WearerNumber == 0 && l.Price != 0)
                candidates.push_back(&l);
        const int n = static_cast<int>(candidates.size());
        if (attempt < 2 * n) {
            InvoiceLine& l = *candidates[static_cast<std::size_t>(attempt % n)];
            ++l.DeliveredQuantity;
            ++l.PreBilledQuantity;
            if (l.InventoryQuantity > 0)
                l.InventoryQuantity = l.FutureInv = l.PreBilledQuantity;
            if (l.SER != 0)
                l.QtyToPick = static_cast<int>(l.InventoryQuantity > 0 ? l.InventoryQuantity
                                                                       : l.DeliveredQuantity);
            l.PrebilledAmount = extend(l.Price, l.PreBilledQuantity);
            return true;
        }
        if (m_minimum && attempt < 2 * n + 3) {
            *m_minimum += 10;
            return true;
        }
        if (n > 0 && attempt < 2 * n + 13) {
            InvoiceLine& l = *candidates[static_cast<std::size_t>(attempt % n)];
            l.Price += 100;
            l.PrebilledAmount = extend(l.Price, l.PreBilledQuantity);
            return true;
        }
        return false;
    }

    Invoice m_invoice;
    bool m_taxable;
    std::optional<Cents> m_minimum;
};

Customer customer(long long custId, long long number, std::string name, std::string address1,
                  std::string address2, std::string city, std::string state, std::string zip,
                  std::string contact, std::string phone, std::string mobile) {
    return {custId,
            number,
            std::move(name),
            std::move(address1),
            std::move(address2),
            std::move(city),
            std::move(state),
            std::move(zip),
            std::move(contact),
            std::move(phone),
            std::move(mobile)};
}

Stop makeStop(const Route& route, unsigned number, Customer cust) {
    Stop s;
    s.StopNumber = number;
    s.StopID = format("%d-%03u", route.RouteNumber, number);
    s.Cust = std::move(cust);
    return s;
}

void setAging(Stop& s, Cents current, Cents d30, Cents d60, Cents d90, Cents credit,
              std::string date, std::string number, Cents amount) {
    s.AgingCurrent = current;
    s.Aging30 = d30;
    s.Aging60 = d60;
    s.Aging90 = d90;
    s.OpenCredit = credit;
    s.LastPaymentDate = std::move(date);
    s.LastPaymentNumber = std::move(number);
    s.LastPaymentAmount = amount;
}

void attach(Day& day, Stop& stop, Invoice invoice) {
    stop.Invoices.push_back(std::to_string(invoice.Number));
    day.Invoices[invoice.Number] = std::move(invoice);
}

const WearerCustomer& wearerCustomer(const Day& day, long long custId) {
    for (const auto& c : day.WearerCustomers)
        if (c.CustID == custId)
            return c;
    std::cerr << "kelvo-daygen: no wearers for customer " << custId << "\n";
    std::exit(2);
}

// Rent lines for every garment of the customer's active wearers.
void allWearerLines(InvoiceBuilder& b, const WearerCustomer& c, bool environmental) {
    std::vector<const Wearer*> byNumber;
    for (const auto& w : c.Wearers)
        if (w.Active == 'Y')
            byNumber.push_back(&w);
    std::sort(byNumber.begin(), byNumber.end(),
              [](const Wearer* a, const Wearer* x) { return a->Nr < x->Nr; });
    for (const Wearer* w : byNumber)
        for (const auto& wp : w->Inventory)
            b.wearerRent(*w, wp, environmental);
}

// Puts each list of a stop into the order in which the handheld keeps and writes it.
void normalise(Stop& s) {
    std::stable_sort(
        s.ContactPersons.begin(), s.ContactPersons.end(),
        [](const ContactPerson& a, const ContactPerson& b) { return a.Number < b.Number; });
    std::stable_sort(s.Invoices.begin(), s.Invoices.end());
}

void normalise(Route& r) {
    for (auto& s : r.Stops)
        normalise(s);
    std::stable_sort(r.Stops.begin(), r.Stops.end(), [](const Stop& a, const Stop& b) {
        if (a.StopNumber != b.StopNumber)
            return a.StopNumber < b.StopNumber;
        return a.Cust.CustomerNumber < b.Cust.CustomerNumber;
    });
}

// ---------------------------------------------------------------------------------------------
// The sample day: two routes of ten stops, hand-picked so that every case the screens and files
// know about occurs at least once.

Day sampleDay() {
    Day day;
    Rng rng(20061205);

    day.WearerCustomers.push_back(makeWearerCustomer(20117, 0,
                                                     {{"Tom", "Becker"},
                                                      {"Luis", "Alvarez"},
                                                      {"Nina", "Park"},
                                                      {"Jim", "O'Brien"},
                                                      {"Sam", "Keller"},
                                                      {"Ray", "Dunn"}},
                                                     {30, 5, 12, 7, 21, 3}, {3}, rng));
    day.WearerCustomers.push_back(makeWearerCustomer(20388, 1,
                                                     {{"Carlos", "Mendes"},
                                                      {"Pete", "Harlan"},
                                                      {"Anna", "Novak"},
                                                      {"Joe", "Fisher"},
                                                      {"Ken", "Ito"},
                                                      {"Bill", "Yates"}},
                                                     {14, 2, 9, 6, 11, 1}, {1}, rng));
    day.WearerCustomers.push_back(makeWearerCustomer(30214, 2,
                                                     {{"Maria", "Lopez"},
                                                      {"Greg", "Hunt"},
                                                      {"Dana", "White"},
                                                      {"Ivan", "Petrov"},
                                                      {"Lisa", "Chen"},
                                                      {"Mark", "Stone"},
                                                      {"Omar", "Farah"}},
                                                     {104, 101, 110, 103, 102, 108, 105}, {5},
                                                     rng));

    // Route 101, Tuesday 5 December 2006.
    Route r1;
    r1.ID = "RT101-20061205";
    r1.Date = "20061205";
    r1.RouteNumber = 101;
    r1.Description = "Harbor & Downtown";
    {
        const std::string d = r1.Date;

        // 1: charge customer with wearers, mats counted by the driver, one call.
        Stop s = makeStop(r1, 1,
                          customer(20117, 4711, "Harbor Marine Repair", "1200 Pier Road",
                                   "Building C", "Port Ellis", "CA", "94510", "Frank Moreno",
                                   "(707) 555-0141", "(707) 555-0198"));
        s.DeliveryInstructions = "Use the side gate on Pier Road.\r\nGarments go to locker room A.";
        s.DrivingInstructions = "From Harbor Blvd turn right at the crane & follow the fence.";
        s.LockerManagement = 'Y';
        s.SatisfactionSurvey = 'Y';
        setAging(s, 41237, 12050, 0, 0, 0, "20061120", "CHK 10452", 39810);
        s.ContactPersons = {{1, "Frank Moreno", "Shop manager"},
                            {2, "Julie Chang", "Accounts payable"},
                            {4, "Ed Sorensen", "Safety officer"}};
        addCall(r1, s, 2, "INV", 2,
                "Asks for a copy of the November statement.\r\nMail it to the office.");
        InvoiceBuilder b(100101, d, 'N', true);
        allWearerLines(b, wearerCustomer(day, 20117), true);
        b.flatRent("MT35", "1W", 3, 4, true, true);
        b.wash("TWSH", "1W", 150, 850);  // contract price below the catalogue's
        attach(day, s, b.finish(true, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        // 2: COD restaurant with a minimum invoice amount.
        Stop s =
            makeStop(r1, 2,
                     customer(20245, 5120, "Rosa's Kitchen & Grill", "88 Main Street", "",
                              "Port Ellis", "CA", "94510", "Rosa Delgado", "(707) 555-0122", ""));
        s.DeliveryInstructions = "Kitchen door only, never through the dining room.";
        s.SignatureRequired = 'Y';
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CASH", 3870);
        s.ContactPersons = {{1, "Rosa Delgado", "Owner"}, {3, "Mike Tran", "Head chef"}};
        InvoiceBuilder b(100102, r1.Date, 'Y', true);
        b.wash("TWBR", "1W", 60);
        b.wash("APBB", "1W", 12);
        b.sale("HSOAP", 1);
        attach(day, s, b.finish(false, Cents{4000}, true));
        r1.Stops.push_back(s);
    }
    {
        // 3: charge customer with wearers and a second, COD invoice for a replaced jacket.
        Stop s = makeStop(
            r1, 3,
            customer(20388, 3307, "Pacific Auto Body", "455 Industrial Way", "Unit 4", "Port Ellis",
                     "CA", "94512", "Gary Lindqvist", "(707) 555-0175", "(707) 555-0176"));
        s.DrivingInstructions = "Second driveway after the car wash.\r\nLow roof: max 11 ft.";
        s.LockerManagement = 'Y';
        setAging(s, 28814, 9920, 4410, 0, 0, "20061101", "CHK 2231", 27550);
        s.ContactPersons = {{1, "Gary Lindqvist", "Owner"}, {2, "Tina Ruiz", "Office"}};
        const WearerCustomer& wc = wearerCustomer(day, 20388);
        InvoiceBuilder b(100103, r1.Date, 'N', true);
        allWearerLines(b, wc, true);
        b.wash("TWSH", "1W", 200);
        b.sale("ABSRB", 2);
        attach(day, s, b.finish(true, std::nullopt, true));
        const Wearer& w = wc.Wearers.front();
        InvoiceBuilder lost(100104, r1.Date, 'Y', true);
        lost.garmentSale(w, WearerProduct{105, 3, 1, 1, 1, 1, 0}, 489500);
        attach(day, s, lost.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        // 4: charge customer whose invoice is lifted to its minimum amount.
        Stop s = makeStop(
            r1, 4,
            customer(20402, 6021, "Bayview Dental Clinic", "17 Bay Street", "Suite 200",
                     "Port Ellis", "CA", "94510", "Dr. Helen Okafor", "(707) 555-0110", ""));
        s.DeliveryInstructions = "Lab coats to room 2 (door code <4471>).";
        setAging(s, 6150, 0, 0, 0, 1500, "20061128", "ACH 88120", 6150);
        s.ContactPersons = {{1, "Helen Okafor", "Practice owner"}};
        InvoiceBuilder b(100105, r1.Date, 'N', true);
        b.flatRent("MT46", "2W", 1, 0, false, false);
        b.wash("TWBA", "1W", 40);
        attach(day, s, b.finish(false, Cents{5000}, true));
        r1.Stops.push_back(s);
    }
    {
        // 5: a visit without invoices (counts as settled), two open calls, three contacts.
        Stop s =
            makeStop(r1, 5,
                     customer(20519, 2290, "Seaside Hotel", "1 Ocean Drive", "", "Port Ellis", "CA",
                              "94511", "Karen Wills", "(707) 555-0100", "(707) 555-0109"));
        s.DeliveryInstructions = "Visit only: talk to housekeeping about the new linen contract.";
        s.DrivingInstructions = "Staff parking behind the hotel, entrance on Shell Lane.";
        s.SatisfactionSurvey = 'Y';
        s.SignatureRequired = 'N';
        setAging(s, 0, 0, 0, 0, 0, "", "", 0);
        s.ContactPersons = {{1, "Karen Wills", "Housekeeping manager"},
                            {2, "Paul Grant", "General manager"},
                            {5, "Amy Cole", "Purchasing"}};
        addCall(r1, s, 1, "SAL", 1, "Interested in bath towels & pool towels, 300 a week.");
        addCall(r1, s, 5, "CMP", 3, "Three torn sheets in last delivery.",
                "Credit promised by customer service.");
        r1.Stops.push_back(s);
    }
    {
        // 6: COD bakery; the aprons are counted by the driver.
        Stop s =
            makeStop(r1, 6,
                     customer(20633, 7415, "Golden Crust Bakery", "230 Mill Street", "",
                              "Port Ellis", "CA", "94510", "Hans Vogel", "(707) 555-0163", ""));
        s.DeliveryInstructions = "Before 6:00 only, bakery closes the back door at 6.";
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CASH", 5267);
        s.ContactPersons = {{1, "Hans Vogel", "Owner"}};
        InvoiceBuilder b(100106, r1.Date, 'Y', true);
        b.flatRent("MTAF", "1W", 2, 2, false, false);
        b.flatRent("APWA", "2X", 20, 20, true, false);
        b.sale("SANIT", 3);
        attach(day, s, b.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        // 7: tax-exempt charge customer with an older invoice re-sent: the invoice numbers
        // 100107 and 99874 are kept in text order, so 100107 comes first.
        Stop s = makeStop(r1, 7,
                          customer(20741, 1188, "Northgate School District", "900 School Road",
                                   "Maintenance Dept.", "Northgate", "CA", "94520", "Bob Jensen",
                                   "(707) 555-0190", "(707) 555-0191"));
        s.DrivingInstructions = "Buses leave at 7:45 - wait at the gym until they are gone.";
        s.SignatureRequired = 'Y';
        setAging(s, 21460, 21460, 19875, 8200, 0, "20061015", "WARR 556021", 19875);
        s.ContactPersons = {{2, "Bob Jensen", "Facilities"}, {3, "Lori Banks", "Business office"}};
        InvoiceBuilder b(100107, r1.Date, 'N', false);
        b.flatRent("MPDU", "1W", 12, 0, false, false);
        b.wash("MPWT", "1W", 20);
        b.flatRent("MTLG", "4W", 2, 0, false, false);
        attach(day, s, b.finish(false, std::nullopt, false));
        InvoiceBuilder old(99874, "20061128", 'N', false);
        old.flatRent("MPDU", "1W", 12, 0, false, false);
        old.wash("MPWT", "1W", 18);
        attach(day, s, old.finish(false, std::nullopt, false));
        r1.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r1, 8,
                     customer(20856, 8032, "Metro Print & Copy", "61 Commerce Drive", "",
                              "Port Ellis", "CA", "94512", "Wendy Shah", "(707) 555-0133", ""));
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CHK 771", 3322);
        InvoiceBuilder b(100108, r1.Date, 'Y', true);
        b.wash("TWSH", "1W", 100);
        b.flatRent("MT35", "1W", 1, 0, false, false);
        attach(day, s, b.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r1, 9,
                     customer(20962, 4460, "Riverside Brewery", "3 Levee Road", "", "Port Ellis",
                              "CA", "94513", "Jon Eriksen", "(707) 555-0150", "(707) 555-0151"));
        s.DeliveryInstructions = "Ring at the loading dock; forklift traffic!";
        setAging(s, 18840, 0, 0, 0, 0, "20061125", "CHK 9034", 17215);
        s.ContactPersons = {{1, "Jon Eriksen", "Brewmaster"}};
        InvoiceBuilder b(100109, r1.Date, 'N', true);
        b.flatRent("MTLG", "1W", 2, 0, false, true);
        b.flatRent("MTAF", "1W", 4, 4, false, true);
        b.wash("TWSH", "1W", 250);
        attach(day, s, b.finish(true, Cents{3000}, true));  // minimum below the lines: 0.00
        r1.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r1, 10,
                     customer(21078, 9301, "Quick Lube Express", "710 Airport Road", "",
                              "Port Ellis", "CA", "94510", "Dwayne Price", "(707) 555-0184", ""));
        s.SignatureRequired = 'N';
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CASH", 4811);
        InvoiceBuilder b(100110, r1.Date, 'Y', true);
        b.wash("TWSH", "1W", 300);
        b.sale("ABSRB", 1);
        attach(day, s, b.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }

    // Route 102, Wednesday 6 December 2006.
    Route r2;
    r2.ID = "RT102-20061206";
    r2.Date = "20061206";
    r2.RouteNumber = 102;
    r2.Description = "Industrial Park North";
    {
        Stop s =
            makeStop(r2, 1,
                     customer(30105, 2817, "Westfield Plastics", "40 Polymer Court", "",
                              "Northgate", "CA", "94521", "Irene Kovacs", "(707) 555-0211", ""));
        setAging(s, 15530, 0, 0, 0, 0, "20061129", "CHK 6610", 15530);
        s.ContactPersons = {{1, "Irene Kovacs", "Plant manager"}};
        InvoiceBuilder b(100201, r2.Date, 'N', true);
        b.flatRent("MT46", "1W", 4, 4, false, true);
        b.wash("TWSH", "1W", 400);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        // 2: charge customer with wearers and a follow-up call.
        Stop s = makeStop(r2, 2,
                          customer(30214, 3350, "Eastfield Manufacturing", "2500 Foundry Road",
                                   "Gate 3", "Northgate", "CA", "94521", "Steve Marsh",
                                   "(707) 555-0230", "(707) 555-0239"));
        s.DeliveryInstructions =
            "Check in at security (badge needed).\r\nUniforms to the laundry cage in hall 2.";
        s.DrivingInstructions = "Trucks use gate 3 on Foundry Road, not the main entrance.";
        s.LockerManagement = 'Y';
        s.SatisfactionSurvey = 'Y';
        setAging(s, 52110, 31280, 0, 0, 2500, "20061117", "ACH 90311", 48930);
        s.ContactPersons = {{1, "Steve Marsh", "HR manager"},
                            {2, "Kim Albrecht", "Purchasing"},
                            {3, "Tony Russo", "Shift supervisor"}};
        addCall(r2, s, 3, "SRV", 2, "Two new lab coats size L for the quality lab.");
        InvoiceBuilder b(100202, r2.Date, 'N', true);
        allWearerLines(b, wearerCustomer(day, 30214), true);
        b.flatRent("MTAF", "1W", 6, 6, true, true);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s = makeStop(r2, 3,
                          customer(30322, 5567, "Corner Cafe", "5 Station Road", "", "Northgate",
                                   "CA", "94520", "Ella Brooks", "(707) 555-0245", ""));
        s.DeliveryInstructions = "Back alley entrance.\r\nIf closed call:\r\n(707) 555-0246";
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CASH", 3500);
        s.ContactPersons = {{1, "Ella Brooks", "Owner"}};
        InvoiceBuilder b(100203, r2.Date, 'Y', true);
        b.wash("TWBR", "1W", 30);
        b.wash("APWA", "1W", 8);
        attach(day, s, b.finish(false, Cents{4000}, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 4,
                     customer(30431, 6678, "Summit Medical Lab", "77 Research Parkway", "Lab B",
                              "Northgate", "CA", "94522", "Priya Nair", "(707) 555-0252", ""));
        setAging(s, 9870, 0, 0, 0, 0, "20061129", "ACH 90377", 9870);
        InvoiceBuilder b(100204, r2.Date, 'N', true);
        b.wash("TWBA", "1W", 120);
        b.flatRent("MT35", "1W", 2, 0, false, true);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        // 5: two COD invoices at one stop.
        Stop s = makeStop(
            r2, 5,
            customer(30540, 7781, "Lakeside Marina", "12 Lake Shore Drive", "", "Northgate", "CA",
                     "94523", "Rick Hale", "(707) 555-0260", "(707) 555-0261"));
        s.DrivingInstructions = "Gravel road after the boat ramp; keep left.";
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CASH", 7240);
        s.ContactPersons = {{1, "Rick Hale", "Harbor master"}};
        InvoiceBuilder b(100205, r2.Date, 'Y', true);
        b.wash("TWSH", "1W", 120);
        attach(day, s, b.finish(false, std::nullopt, true));
        InvoiceBuilder sales(100206, r2.Date, 'Y', true);
        sales.sale("ABSRB", 2);
        sales.sale("HSOAP", 1);
        attach(day, s, sales.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 6,
                     customer(30659, 1023, "Parkview Senior Living", "400 Park Avenue", "",
                              "Northgate", "CA", "94520", "Martha Quinn", "(707) 555-0270", ""));
        s.DeliveryInstructions = "Quiet please: residents rest until 8:00.";
        s.SatisfactionSurvey = 'Y';
        setAging(s, 34400, 17200, 0, 0, 0, "20061110", "CHK 40021", 17200);
        s.ContactPersons = {{1, "Martha Quinn", "Administrator"}, {2, "Joe Reyes", "Maintenance"}};
        InvoiceBuilder b(100207, r2.Date, 'N', false);
        b.wash("TWBA", "2X", 200);
        b.flatRent("MT46", "1W", 3, 0, false, false);
        attach(day, s, b.finish(false, std::nullopt, false));
        r2.Stops.push_back(s);
    }
    {
        // 7: a charge invoice and a COD invoice at the same stop.
        Stop s =
            makeStop(r2, 7,
                     customer(30768, 8890, "Tri-County Towing", "95 Salvage Lane", "", "Northgate",
                              "CA", "94523", "Vic Ortega", "(707) 555-0288", "(707) 555-0289"));
        s.DrivingInstructions = "Dogs in the yard: honk and wait.";
        setAging(s, 11200, 5600, 5600, 2800, 0, "20061006", "CHK 1187", 5600);
        s.ContactPersons = {{1, "Vic Ortega", "Owner"}, {2, "Sue Ortega", "Bookkeeper"}};
        InvoiceBuilder b(100208, r2.Date, 'N', true);
        b.wash("TWSH", "1W", 150);
        b.flatRent("MT35", "1W", 2, 2, false, true);
        attach(day, s, b.finish(true, Cents{3000}, true));
        InvoiceBuilder cod(100209, r2.Date, 'Y', true);
        cod.sale("AIRFR", 4);
        attach(day, s, cod.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s = makeStop(r2, 8,
                          customer(30877, 4120, "Fresh Market Deli", "18 Station Road", "",
                                   "Northgate", "CA", "94520", "Gina Russo", "(707) 555-0293", ""));
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CASH", 2915);
        InvoiceBuilder b(100210, r2.Date, 'Y', true);
        b.wash("APBB", "1W", 15);
        b.wash("TWBR", "1W", 25);
        b.sale("SANIT", 2);
        attach(day, s, b.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 9,
                     customer(30986, 2299, "Ironworks Fabrication", "3100 Foundry Road", "Shop 1",
                              "Northgate", "CA", "94521", "Hal Brenner", "(707) 555-0301", ""));
        setAging(s, 22980, 0, 0, 0, 0, "20061122", "CHK 3301", 20115);
        s.ContactPersons = {{1, "Hal Brenner", "Foreman"}};
        InvoiceBuilder b(100211, r2.Date, 'N', true);
        b.wash("TWSH", "1W", 500);
        b.flatRent("MTAF", "1W", 3, 0, false, true);
        b.sale("ABSRB", 3);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 10,
                     customer(31095, 6601, "Hilltop Veterinary", "250 Ridge Road", "", "Northgate",
                              "CA", "94524", "Dr. Sara Lind", "(707) 555-0315", ""));
        s.DeliveryInstructions = "Use the staff door; animals in the waiting room.";
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CHK 512", 4410);
        s.ContactPersons = {{1, "Sara Lind", "Veterinarian"}};
        InvoiceBuilder b(100212, r2.Date, 'Y', true);
        b.wash("TWBA", "1W", 60);
        b.wash("TWSH", "1W", 50);
        attach(day, s, b.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }

    day.Routes.push_back(std::move(r1));
    day.Routes.push_back(std::move(r2));
    for (auto& r : day.Routes)
        normalise(r);
    return day;
}

// ---------------------------------------------------------------------------------------------
// Generated days of any size

struct Options {
    int Routes = 2;
    int Stops = 10;
    int InvoicesPerStop = 1;
    int LinesPerInvoice = 12;
    int WearersPerCustomer = 6;
    int WearerCustomers = 3;
    std::uint64_t Seed = 1;
};

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

// Every tenth stop (stop 5, 15, 25, ...) is a visit without invoices, as on real routes.
bool visitOnly(unsigned stopNumber) {
    return stopNumber % 10 == 5;
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
                    numbers, inactive, rng));
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

// ---------------------------------------------------------------------------------------------
// Writers. Each returns the whole file content.

struct Totals {
    Cents Charge = 0, COD = 0;
    unsigned Settled = 0;
};

Totals routeTotals(const Route& r, const std::map<long long, Invoice>& invoices) {
    Totals t;
    for (const auto& s : r.Stops) {
        if (s.Invoices.empty())
            ++t.Settled;
        for (const auto& n : s.Invoices) {
            const Invoice& inv = invoices.at(std::stoll(n));
            (inv.COD == 'Y' ? t.COD : t.Charge) += inv.prebilled();
        }
    }
    return t;
}

std::string stopXml(const Stop& s, const std::map<long long, Invoice>& invoices) {
    Cents payTotal = 0;
    for (const auto& n : s.Invoices)
        payTotal += invoices.at(std::stoll(n)).prebilled();
    auto line = [](const char* tag, const std::string& value) {
        return format("\r\n\t\t\t<%s>%s</%s>", tag, value.c_str(), tag);
    };
    std::string x = "\r\n\t\t<Stop>";
    x += line("StopID", esc(s.StopID));
    x += line("StopNumber", format("%d", static_cast<int>(s.StopNumber)));
    x += line("CustID", format("%.0f", static_cast<double>(s.Cust.CustID)));
    x += line("CustomerNumber", format("%.0f", static_cast<double>(s.Cust.CustomerNumber)));
    x += line("CustomerName", esc(s.Cust.Name));
    x += line("CustomerAddress1", esc(s.Cust.Address1));
    x += line("CustomerAddress2", esc(s.Cust.Address2));
    x += line("CustomerCity", esc(s.Cust.City));
    x += line("CustomerState", esc(s.Cust.State));
    x += line("CustomerZipcode", esc(s.Cust.Zipcode));
    x += line("ContactPersonName", esc(s.Cust.ContactName));
    x += line("ContactPersonPhone", esc(s.Cust.Phone));
    x += line("ContactPersonMobile", esc(s.Cust.Mobile));
    x += line("DeliveryInstructions", esc(s.DeliveryInstructions));
    x += line("DrivingInstructions", esc(s.DrivingInstructions));
    x += line("UndeliverReasonCode", "");
    x += line("ArrivalTime", "00:00");
    x += line("DepartureTime", "00:00");
    x += line("TravelMinutes", "0");
    x += line("VisitMinutes", "0");
    x += line("PayTotal", format("%.2f", dollars(payTotal)));
    x += line("TotalCashCollected", format("%.2f", 0.0));
    x += line("SatisfactionSurvey", format("%c", s.SatisfactionSurvey));
    x += line("SignatureRequired", format("%c", s.SignatureRequired));
    x += line("AgingCurrent", format("%.2f", dollars(s.AgingCurrent)));
    x += line("Aging30", format("%.2f", dollars(s.Aging30)));
    x += line("Aging60", format("%.2f", dollars(s.Aging60)));
    x += line("Aging90", format("%.2f", dollars(s.Aging90)));
    x += line("OpenCredit", format("%.2f", dollars(s.OpenCredit)));
    x += line("LastPaymentDate", esc(s.LastPaymentDate));
    x += line("LastPaymentNumber", esc(s.LastPaymentNumber));
    x += line("LastPaymentAmount", format("%.2f", dollars(s.LastPaymentAmount)));
    x += line("LockerManagement", format("%c", s.LockerManagement));
    x += "\r\n\t\t\t<ContactPersons>";
    for (const auto& p : s.ContactPersons) {
        x += "\r\n\t\t\t\t<ContactPerson>";
        x += format("\r\n\t\t\t\t\t<Number>%d</Number>", static_cast<int>(p.Number));
        x += "\r\n\t\t\t\t\t<Name>" + esc(p.Name) + "</Name>";
        x += "\r\n\t\t\t\t\t<Function>" + esc(p.Function) + "</Function>";
        x += "\r\n\t\t\t\t</ContactPerson>";
    }
    x += "\r\n\t\t\t</ContactPersons>";
    x += "\r\n\t\t\t<Calls>";
    for (const auto& c : s.Calls)
        x += "\r\n\t\t\t\t<Call>" + c.CallID + "</Call>";
    x += "\r\n\t\t\t</Calls>";
    x += "\r\n\t\t\t<SignedInvoices>0</SignedInvoices>";
    x += "\r\n\t\t\t<Invoices>";
    for (const auto& n : s.Invoices)
        x += "\r\n\t\t\t\t<Invoice>" + esc(n) + "</Invoice>";
    x += "\r\n\t\t\t</Invoices>\r\n\t\t</Stop>";
    return x;
}

// A route as delivered: not started, nothing collected; the pay-this amounts equal the prebilled
// amounts; a stop without invoices counts as settled.
std::string routeXml(const Route& r, const std::map<long long, Invoice>& invoices) {
    const Totals t = routeTotals(r, invoices);
    std::string x = "<Route>";
    x += "\r\n\t<ID>" + esc(r.ID) + "</ID>";
    x += "\r\n\t<Date>" + esc(r.Date) + "</Date>";
    x += format("\r\n\t<RouteNumber>%d</RouteNumber>", r.RouteNumber);
    x += "\r\n\t<RouteDescription>" + esc(r.Description) + "</RouteDescription>";
    x += format("\r\n\t<PrebilledAmountCharge>%.2f</PrebilledAmountCharge>", dollars(t.Charge));
    x += format("\r\n\t<PrebilledAmountCOD>%.2f</PrebilledAmountCOD>", dollars(t.COD));
    x += format("\r\n\t<PlusAdjustmentsCharge>%.2f</PlusAdjustmentsCharge>", 0.0);
    x += format("\r\n\t<PlusAdjustmentsCOD>%.2f</PlusAdjustmentsCOD>", 0.0);
    x += format("\r\n\t<MinusAdjustmentsCharge>%.2f</MinusAdjustmentsCharge>", 0.0);
    x += format("\r\n\t<MinusAdjustmentsCOD>%.2f</MinusAdjustmentsCOD>", 0.0);
    x += format("\r\n\t<TotalUndeliveredCharge>%.2f</TotalUndeliveredCharge>", 0.0);
    x += format("\r\n\t<TotalUndeliveredCOD>%.2f</TotalUndeliveredCOD>", 0.0);
    x += format("\r\n\t<PayThisAmountCharge>%.2f</PayThisAmountCharge>", dollars(t.Charge));
    x += format("\r\n\t<PayThisAmountCOD>%.2f</PayThisAmountCOD>", dollars(t.COD));
    x += format("\r\n\t<TotalCollectionsCharge>%.2f</TotalCollectionsCharge>", 0.0);
    x += format("\r\n\t<TotalCollectionsCOD>%.2f</TotalCollectionsCOD>", 0.0);
    x += format("\r\n\t<VoucherAmount>%.2f</VoucherAmount>", 0.0);
    x += "\r\n\t<StartTime></StartTime>";
    x += "\r\n\t<EndTime></EndTime>";
    x += format("\r\n\t<StartMileage>%.1f</StartMileage>", 0.0);
    x += format("\r\n\t<EndMileage>%.1f</EndMileage>", 0.0);
    x += format("\r\n\t<TotalStops>%d</TotalStops>", static_cast<int>(r.Stops.size()));
    x += format("\r\n\t<SettledStops>%d</SettledStops>", static_cast<int>(t.Settled));
    x += "\r\n\t<SafetyRemarks></SafetyRemarks>";
    x += "\r\n\t<Stops>";
    for (const auto& s : r.Stops)
        x += stopXml(s, invoices);
    x += "\r\n\t</Stops>\r\n</Route>";
    return x;
}

std::string itemXml(const InvoiceLine& l) {
    std::string x = "\r\n\t\t<Invoice-Item>";
    x += "\r\n\t\t\t<LineID>" + esc(l.LineID) + "</LineID>";
    x += format("\r\n\t\t\t<LineNumber>%d</LineNumber>", l.LineNumber);
    x += format("\r\n\t\t\t<LineType>%d</LineType>", l.LineType);
    x += "\r\n\t\t\t<Code>" + esc(l.Code) + "</Code>";
    x += "\r\n\t\t\t<Description>" + esc(l.Description) + "</Description>";
    x += "\r\n\t\t\t<SizeCode>" + esc(l.SizeCode) + "</SizeCode>";
    x += "\r\n\t\t\t<FinishingMethodCode>" + esc(l.FinishingMethodCode) + "</FinishingMethodCode>";
    x += format("\r\n\t\t\t<WearerNumber>%d</WearerNumber>", l.WearerNumber);
    x += "\r\n\t\t\t<WearerName>" + esc(l.WearerName) + "</WearerName>";
    x += "\r\n\t\t\t<WearerLocker>" + esc(l.WearerLocker) + "</WearerLocker>";
    x += format("\r\n\t\t\t<TaxType>%d</TaxType>", l.TaxType);
    x += format("\r\n\t\t\t<BillingMethod>%d</BillingMethod>", l.BillingMethod);
    x += "\r\n\t\t\t<FrequencyCode>" + esc(l.FrequencyCode) + "</FrequencyCode>";
    x += format("\r\n\t\t\t<DeliveredQuantity>%.0f</DeliveredQuantity>",
                static_cast<double>(l.DeliveredQuantity));
    x += format("\r\n\t\t\t<InventoryQuantity>%.0f</InventoryQuantity>",
                static_cast<double>(l.InventoryQuantity));
    x += format("\r\n\t\t\t<PreBilledQuantity>%.0f</PreBilledQuantity>",
                static_cast<double>(l.PreBilledQuantity));
    x += format("\r\n\t\t\t<PrebilledAmount>%.2f</PrebilledAmount>", dollars(l.PrebilledAmount));
    x += format("\r\n\t\t\t<AdjustmentQuantity>%.0f</AdjustmentQuantity>", 0.0);
    x += format("\r\n\t\t\t<AdjustmentDeliveredQuantity>%.0f</AdjustmentDeliveredQuantity>", 0.0);
    x += format("\r\n\t\t\t<AdjustmentAmount>%.2f</AdjustmentAmount>", 0.0);
    x += format("\r\n\t\t\t<Price>%.4f</Price>", unitPrice(l.Price));
    x += format("\r\n\t\t\t<Percentage>%.2f</Percentage>", l.Percentage / 100.0);
    x += format("\r\n\t\t\t<OverAmount>%.2f</OverAmount>", dollars(l.OverAmount));
    x += "\r\n\t\t\t<AdjustmentReasonCode></AdjustmentReasonCode>";
    x += format("\r\n\t\t\t<Extend>%c</Extend>", l.Extend);
    x += format("\r\n\t\t\t<SubjectToMinimum>%c</SubjectToMinimum>", l.SubjectToMinimum);
    x += format("\r\n\t\t\t<MinimumAmount>%.2f</MinimumAmount>", 0.0);
    x += format("\r\n\t\t\t<MaximumAmount>%.2f</MaximumAmount>", 0.0);
    x += "\r\n\t\t\t<SpecialChargeCode1>" + esc(l.SpecialChargeCode1) + "</SpecialChargeCode1>";
    x += "\r\n\t\t\t<SpecialChargeCode2></SpecialChargeCode2>";
    x += "\r\n\t\t\t<SpecialChargeCode3></SpecialChargeCode3>";
    x += "\r\n\t\t\t<SpecialChargeCode4></SpecialChargeCode4>";
    x += "\r\n\t\t\t<SpecialChargeCode5></SpecialChargeCode5>";
    x += "\r\n\t\t\t<OrderingReasonCode></OrderingReasonCode>";
    x += format("\r\n\t\t\t<OrderQty>%.0f</OrderQty>", 0.0);
    x += format("\r\n\t\t\t<MinQty>%.2f</MinQty>", static_cast<double>(l.MinQty));
    x += format("\r\n\t\t\t<MinFreq>%d</MinFreq>", l.MinFreq);
    x += format("\r\n\t\t\t<MinPerc>%.2f</MinPerc>", static_cast<double>(l.MinPerc));
    x += format("\r\n\t\t\t<SER>%d</SER>", l.SER);
    x += format("\r\n\t\t\t<QtyToPick>%d</QtyToPick>", l.QtyToPick);
    x += "\r\n\t\t\t<PickUpQty></PickUpQty>";
    x += format("\r\n\t\t\t<FutureInv>%.0f</FutureInv>", static_cast<double>(l.FutureInv));
    x += "\r\n\t\t</Invoice-Item>";
    return x;
}

// An invoice as delivered: no adjustments, nothing collected, not settled.
std::string invoiceXml(const Invoice& inv) {
    const Cents prebilled = inv.prebilled();
    std::string x = "<Invoice>";
    x += "\r\n\t<ID>" + esc(inv.ID) + "</ID>";
    x += "\r\n\t<InvoiceDate>" + esc(inv.InvoiceDate) + "</InvoiceDate>";
    x += format("\r\n\t<CODInvoice>%c</CODInvoice>", inv.COD);
    x += format("\r\n\t<PrebilledAmount>%.2f</PrebilledAmount>", dollars(prebilled));
    x += format("\r\n\t<TotalPlusAdjustments>%.2f</TotalPlusAdjustments>", 0.0);
    x += format("\r\n\t<TotalMinusAdjustments>%.2f</TotalMinusAdjustments>", 0.0);
    x += format("\r\n\t<PayThisAmount>%.2f</PayThisAmount>", dollars(prebilled));
    x += format("\r\n\t<CashCollected>%.2f</CashCollected>", 0.0);
    x += "\r\n\t<UndeliverReasonCode></UndeliverReasonCode>";
    x += "\r\n\t<PersonIdentification></PersonIdentification>";
    x += format("\r\n\t<MinimumInvoiceAmount>%.2f</MinimumInvoiceAmount>",
                dollars(inv.MinimumInvoiceAmount));
    x += "\r\n\t<Status></Status>";
    x += "\r\n\t<CheckNumber></CheckNumber>";
    x += "\r\n\t<Invoice-Items>";
    for (const auto& l : inv.Items)
        x += itemXml(l);
    x += "\r\n\t</Invoice-Items>\r\n</Invoice>";
    return x;
}

std::string callXml(const Call& c) {
    return format(
               "<Call>\r\n\t<NewDate>%s</NewDate>\r\n\t<Person>%d</Person>\r\n\t<Category>%s</"
               "Category>\r\n\t<Status>%d</Status>\r\n\t<Notes>%s</Notes>\r\n\t<FollowupNotes>%s</"
               "FollowupNotes>",
               esc(c.NewDate).c_str(), static_cast<int>(c.Person), esc(c.Category).c_str(),
               c.Status, esc(c.Notes).c_str(), esc(c.FollowupNotes).c_str()) +
           "\r\n</Call>";
}

// The truck's checklist, every item still unanswered.
std::string safetyXml(const Config& conf) {
    std::string x = "<SafetyChecks>";
    x += "\r\n\t<TruckID>" + esc(conf.TruckCode) + "</TruckID>";
    for (const auto& item : kSafetyItems)
        x += format(
            "\r\n\t<SafetyCheck>\r\n\t\t<Code>%s</Code>\r\n\t\t<Description>%s</"
            "Description>\r\n\t\t<Ok>%c</Ok>\r\n\t\t<NeedMaintenance>%c</NeedMaintenance>\r\n\t</"
            "SafetyCheck>",
            esc(item.Code).c_str(), esc(item.Text).c_str(), 'N', 'N');
    x += "\r\n</SafetyChecks>";
    return x;
}

std::string configXml(const Config& conf) {
    XmlText x("Config");
    x.leaf("FileVersion", "10.00");
    x.leaf("PlantName", kPlantName);
    x.leaf("PlantAddress", "2200 Laundry Lane");
    x.leaf("PlantCity", "Port Ellis");
    x.leaf("PlantState", "CA");
    x.leaf("PlantZip", "94510");
    x.leaf("PriceDecimals", 2);
    x.leaf("RouteManNumber", conf.RouteManNumber);
    x.leaf("RouteManName", conf.RouteManName);
    x.leaf("TruckCode", conf.TruckCode);
    x.leaf("TruckDescription", conf.TruckDescription);
    x.leaf("PlantNumber", "04");
    x.leaf("AllowAdjustmentDelQty", "Y");
    x.leaf("GarmentOrderingActive", "Y");
    x.leaf("WearerInventoryPrice", "Y");
    x.open("IDCodeLengths");
    x.leaf("IDCodeLength", 8);
    x.leaf("IDCodeLength", 10);
    x.close();
    x.leaf("LaundryCode", "BCL");
    x.leaf("AllowInvoiceAdjust", "Y");
    x.leaf("VoiceRecording", "Y");
    // 1: the add-wearer screen proposes the lowest free wearer number of the customer.
    x.leaf("DefaultWearernr", 1);
    return x.finish();
}

using FileSet = std::map<std::string, std::string>;

void addReferenceLists(FileSet& files) {
    {
        XmlText x("AdjReasons");
        const char* groups[] = {"UndeliverableReason", "InventoryAdjReason", "LossChargeReason",
                                "BillingAdjReason", "OrderingReason"};
        for (const auto& r : kAdjReasons) {
            x.open("AdjReason");
            x.leaf("ReasonCode", r.Code);
            x.leaf("ReasonDescription", r.Description);
            for (int g = 0; g < 5; ++g)
                x.leaf(groups[g], std::string(1, r.Groups[g]));
            x.close();
        }
        files["AdjReason.xml"] = x.finish();
    }
    {
        XmlText x("ContactCategories");
        for (const auto& c : kContactCategories) {
            x.open("ContactCategory");
            x.leaf("Code", c.Code);
            x.leaf("Description", c.Text);
            x.close();
        }
        files["ContactCategory.xml"] = x.finish();
    }
    {
        XmlText x("FinishingMethods");
        for (const auto& f : kFinishingMethods) {
            x.open("FinishingMethod");
            x.leaf("ID", f.ID);
            x.leaf("Desc", f.Description);
            x.close();
        }
        files["FinishingMethods.xml"] = x.finish();
    }
    {
        XmlText x("Flags");
        for (const auto& f : kFlags) {
            x.open("Flag");
            x.leaf("FlagID", f.ID);
            x.leaf("Description", f.Description);
            x.close();
        }
        files["Flags.xml"] = x.finish();
    }
    {
        XmlText x("Frequencies");
        for (const auto& f : kFrequencies) {
            x.open("Frequency");
            x.leaf("code", f.Code);
            x.leaf("desc", f.Text);
            x.close();
        }
        files["Frequency.xml"] = x.finish();
    }
    {
        XmlText x("Products");
        for (const auto& p : kProducts) {
            x.open("Product");
            x.leaf("ProductID", p.ProductID);
            x.leaf("Code", p.Code);
            x.leaf("Description", p.Description);
            if (!p.Sizes.empty()) {
                x.open("Sizes");
                for (const auto& s : p.Sizes) {
                    x.open("Size");
                    x.leaf("Code", s.Code);
                    x.leaf("SizeID", s.SizeID);
                    x.close();
                }
                x.close();
            }
            x.close();
        }
        files["Products.xml"] = x.finish();
    }
    {
        XmlText x("Trucks");
        for (const char* t : kTrucks)
            x.leaf("Truck", t);
        files["Trucks.xml"] = x.finish();
    }
    {
        XmlText x("Flatgoodproducts");
        for (const auto& g : kFlatGroups) {
            x.open("productgroup");
            x.leaf("pgdesc", g.Description);
            x.open("products");
            for (const auto& p : g.Products) {
                x.open("product");
                x.leaf("pcode", p.Code);
                x.leaf("pdesc", p.Description);
                x.open("prices");
                for (std::size_t i = 0; i < kFrequencies.size(); ++i) {
                    x.open("productprice");
                    x.leaf("price", format("%.2f", unitPrice(p.Prices[i])));
                    x.leaf("fcode", kFrequencies[i].Code);
                    x.close();
                }
                x.close();
                x.close();
            }
            x.close();
            x.close();
        }
        files["Flatgoodproducts.xml"] = x.finish();
    }
}

void addCustomerLists(FileSet& files, const WearerCustomer& c) {
    const std::string id = format("%.0f", static_cast<double>(c.CustID));
    {
        XmlText x("Departments");
        for (const auto& d : kDepartments) {
            x.open("Department");
            x.leaf("DeptID", d.ID);
            x.leaf("Description", d.Description);
            x.leaf("Active", std::string(1, d.Active));
            x.close();
        }
        files["Department_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("EmblemTemplates");
        for (const auto& e : kEmblemTemplates) {
            x.open("EmblemTemplate");
            x.leaf("EmblemTemplateID", e.ID);
            x.leaf("Description", e.Description);
            x.leaf("Active", std::string(1, e.Active));
            x.close();
        }
        files["EmblemTemplate_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("Functions");
        for (const auto& f : kFunctions) {
            x.open("Function");
            x.leaf("FunctionID", f.ID);
            x.leaf("Description", f.Description);
            x.close();
        }
        files["Function_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("Lockers");
        for (const auto& l : c.Lockers) {
            x.open("Locker");
            x.leaf("LockerID", l.LockerID);
            x.leaf("Bank", l.Bank);
            x.leaf("Locker", l.Locker);
            x.close();
        }
        files["Locker_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("CustomerProducts");
        for (const auto& cp : kProductProfiles[static_cast<std::size_t>(c.Profile)]) {
            x.open("CustomerProduct");
            x.leaf("ProdID", cp.ProdID);
            x.open("FinMethods");
            for (const int f : cp.FinMethods)
                x.leaf("FinMethod", f);
            x.close();
            x.close();
        }
        files["CustomerProduct_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("Wearers");
        for (const auto& w : c.Wearers) {
            x.open("Wearer");
            x.leaf("ID", w.ID);
            x.leaf("Nr", w.Nr);
            x.leaf("FName", w.FName);
            x.leaf("FirstName", w.FirstName);
            x.leaf("EmblemName", w.EmblemName);
            x.leaf("Admin", w.Admin);
            x.leaf("Dpt", w.Dpt);
            x.leaf("Fun", w.Fun);
            x.leaf("LockID", w.LockID);
            x.leaf("Bank", w.Bank);
            x.leaf("Lock", w.Lock);
            x.leaf("Active", std::string(1, w.Active));
            x.open("Inventory");
            for (const auto& p : w.Inventory) {
                x.open("Product");
                x.leaf("PID", p.PID);
                x.leaf("SID", p.SID);
                x.leaf("FID", p.FID);
                x.leaf("Qty", p.Qty);
                x.leaf("Chg", p.Chg);
                x.leaf("TID", p.TID);
                x.leaf("Price", format("%.2f", unitPrice(p.Price)));
                x.close();
            }
            x.close();
            x.close();
        }
        files["Wearer_" + id + ".xml"] = x.finish();
    }
}

FileSet render(const Day& day) {
    FileSet files;
    files["Config.xml"] = configXml(day.Conf);
    for (const auto& r : day.Routes) {
        files[format("Route_%d_%s.xml", r.RouteNumber, r.Date.c_str())] = routeXml(r, day.Invoices);
        for (const auto& s : r.Stops)
            for (const auto& c : s.Calls)
                files["Call_" + c.CallID + ".xml"] = callXml(c);
    }
    for (const auto& [number, inv] : day.Invoices)
        files[format("Inv_%.0f.xml", static_cast<double>(number))] = invoiceXml(inv);
    addReferenceLists(files);
    for (const auto& c : day.WearerCustomers)
        addCustomerLists(files, c);
    files["Safety.xml"] = safetyXml(day.Conf);
    files["ZZDepartureCheck.xml"] = "<DepartureCheck>\r\n</DepartureCheck>";
    return files;
}

// ---------------------------------------------------------------------------------------------
// Self-check of the model before anything is written: what the handheld relies on.

bool selfCheck(const Day& day) {
    bool ok = true;
    auto fail = [&ok](const std::string& what) {
        std::cerr << "kelvo-daygen: inconsistent day: " << what << "\n";
        ok = false;
    };
    std::map<std::string, int> callIds;
    for (const auto& r : day.Routes) {
        for (std::size_t i = 1; i < r.Stops.size(); ++i)
            if (r.Stops[i - 1].StopNumber > r.Stops[i].StopNumber)
                fail("stops out of order");
        for (const auto& s : r.Stops) {
            for (const auto& n : s.Invoices)
                if (!day.Invoices.count(std::stoll(n)))
                    fail("missing invoice " + n);
            if (!std::is_sorted(s.Invoices.begin(), s.Invoices.end()))
                fail("invoice numbers out of text order at stop " + s.StopID);
            for (const auto& c : s.Calls) {
                if (c.CallID.size() != 30)
                    fail("call identifier length " + c.CallID);
                if (++callIds[c.CallID] > 1)
                    fail("duplicate call " + c.CallID);
            }
        }
    }
    for (const auto& [number, inv] : day.Invoices) {
        for (std::size_t i = 0; i < inv.Items.size(); ++i) {
            const InvoiceLine& l = inv.Items[i];
            if (i > 0 && inv.Items[i - 1].LineNumber >= l.LineNumber)
                fail(format("invoice %lld: lines out of order", number));
            if (l.PrebilledAmount < 0)
                fail(format("invoice %lld: negative line", number));
        }
        for (const auto& l : inv.Items)
            if ((l.LineType == 16 || l.LineType == 18) &&
                l.Percentage * l.OverAmount % 10000 == 5000)
                fail(format("invoice %lld: charge line %d ends in half a cent", number,
                            l.LineNumber));
        if (inv.prebilled() <= 0 && !inv.Items.empty())
            fail(format("invoice %lld: nothing to pay", number));
    }
    return ok;
}

// ---------------------------------------------------------------------------------------------
// Command line

void usage() {
    std::cerr
        << "usage: kelvo-daygen OUTDIR [--routes N] [--stops N] [--invoices N] [--lines N]\n"
           "                           [--wearers N] [--wearer-customers N] [--seed N]\n"
           "       kelvo-daygen OUTDIR --sample [--compare]\n"
           "\n"
           "Writes a whole day of back-office data into OUTDIR.\n"
           "  --routes N            routes, one per day from 5 Dec 2006 (default 2)\n"
           "  --stops N             stops per route, at most 9999 (default 10);\n"
           "                        stops 5, 15, 25, ... are visits without invoices\n"
           "  --invoices N          invoices per stop (default 1)\n"
           "  --lines N             lines per invoice, charge lines included (default 12)\n"
           "  --wearers N           wearers per wearer customer (default 6)\n"
           "  --wearer-customers N  customers with wearer files (default 3)\n"
           "  --seed N              random seed; the same seed gives the same day (default 1)\n"
           "  --sample              the hand-made sample day instead of a generated one\n"
           "  --compare             compare OUTDIR with what would be written, write nothing\n";
}

bool parseNumber(const char* text, long long low, long long high, long long& out) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < low || value > high)
        return false;
    out = value;
    return true;
}

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int compare(const std::filesystem::path& dir, const FileSet& files) {
    int differences = 0;
    for (const auto& [name, content] : files) {
        const auto existing = readFile(dir / name);
        if (!existing) {
            std::cerr << "missing: " << name << "\n";
            ++differences;
        } else if (*existing != content) {
            std::cerr << "differs: " << name << "\n";
            ++differences;
        }
    }
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file() && !files.count(entry.path().filename().string())) {
            std::cerr << "extra: " << entry.path().filename().string() << "\n";
            ++differences;
        }
    if (ec) {
        std::cerr << "kelvo-daygen: cannot read " << dir << "\n";
        return 1;
    }
    if (differences == 0)
        std::cout << files.size() << " files are current\n";
    return differences == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') {
        usage();
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    Options o;
    bool sample = false;
    bool compareOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sample") {
            sample = true;
            continue;
        }
        if (arg == "--compare") {
            compareOnly = true;
            continue;
        }
        long long value = 0;
        auto number = [&](long long low, long long high) {
            if (i + 1 >= argc || !parseNumber(argv[i + 1], low, high, value)) {
                std::cerr << "kelvo-daygen: " << arg << " needs a number from " << low << " to "
                          << high << "\n";
                std::exit(2);
            }
            ++i;
            return value;
        };
        if (arg == "--routes")
            o.Routes = static_cast<int>(number(1, 999));
        else if (arg == "--stops")
            o.Stops = static_cast<int>(number(1, 9999));
        else if (arg == "--invoices")
            o.InvoicesPerStop = static_cast<int>(number(0, 99));
        else if (arg == "--lines")
            o.LinesPerInvoice = static_cast<int>(number(1, 999));
        else if (arg == "--wearers")
            o.WearersPerCustomer = static_cast<int>(number(0, 99999));
        else if (arg == "--wearer-customers")
            o.WearerCustomers = static_cast<int>(number(0, 9999999));
        else if (arg == "--seed")
            o.Seed = static_cast<std::uint64_t>(number(0, 0x7fffffffffffffffLL));
        else {
            usage();
            return 2;
        }
    }
    int billedStops = 0;
    for (int i = 1; i <= o.Stops; ++i)
        billedStops += visitOnly(static_cast<unsigned>(i)) ? 0 : 1;
    if (!sample && o.WearerCustomers > o.Routes * billedStops) {
        std::cerr << "kelvo-daygen: more wearer customers than stops with invoices\n";
        return 2;
    }

    const Day day = sample ? sampleDay() : generatedDay(o);
    if (!selfCheck(day))
        return 1;
    const FileSet files = render(day);
    if (compareOnly)
        return compare(outDir, files);

    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    for (const auto& [name, content] : files) {
        std::ofstream out(outDir / name, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) {
            std::cerr << "kelvo-daygen: cannot write " << (outDir / name).string() << "\n";
            return 1;
        }
    }
    std::cout << files.size() << " files written to " << outDir.string() << "\n";
    return 0;
}
