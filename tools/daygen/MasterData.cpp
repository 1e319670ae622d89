#include "daygen/MasterData.h"

#include <cstdlib>
#include <iostream>

namespace daygen {

// Master data shared by every generated day

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

const std::vector<Named> kFinishingMethods = {
    {1, "Hanger"}, {2, "Folded"}, {3, "Hanger with poly bag"}};
const std::vector<Named> kFlags = {{1, "Stain"},         {2, "Torn"},         {3, "Missing button"},
                                   {4, "Broken zipper"}, {5, "Emblem loose"}, {6, "Faded colour"}};

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

const std::vector<AdjReason> kAdjReasons = {
    {"CL", "Customer closed", "YNNNN"},  {"NA", "No access to premises", "YNNNN"},
    {"RF", "Delivery refused", "YNNNN"}, {"DM", "Damaged goods", "NNNYN"},
    {"SD", "Short delivery", "NNNYY"},   {"PC", "Price correction", "NNNYN"},
    {"XD", "Extra demand", "NNNNY"},     {"SZ", "Size change", "NYNNN"},
    {"NE", "New employee", "NYNNN"},     {"LE", "Employee left", "NYNNN"},
    {"LG", "Lost garment", "NNYNN"},     {"DG", "Destroyed garment", "NNYNN"},
    {"WO", "Worn out", "NNNNN"},         {"RP", "Repair & return", "NNNNN"},
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

const std::vector<Department> kDepartments = {
    {10, "Workshop", 'Y'}, {20, "Warehouse", 'Y'}, {30, "Maintenance", 'Y'}, {40, "Office", 'N'}};
const std::vector<Department> kEmblemTemplates = {{1, "Company logo left chest", 'Y'},
                                                  {2, "Name and company logo", 'Y'},
                                                  {3, "Name only", 'Y'},
                                                  {4, "Old logo 2004", 'N'}};
const std::vector<Named> kFunctions = {
    {1, "Mechanic"}, {2, "Welder"}, {3, "Supervisor"}, {4, "Driver"}, {5, "Apprentice"}};

const std::vector<std::vector<CustomerProduct>> kProductProfiles = {
    {{101, {1, 2}}, {103, {1, 2}}, {104, {1, 3}}, {105, {1}}},
    {{102, {1, 2}}, {103, {1, 2, 3}}, {105, {1}}, {108, {2}}},
    {{101, {1, 2}}, {103, {1, 2}}, {106, {1, 3}}, {107, {1, 2}}},
};

}  // namespace daygen
