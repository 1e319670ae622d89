#pragma once

#include <string_view>
#include <vector>

#include "daygen/Text.h"

// The master data every day shares: products, flat goods, sale items, reference lists.
namespace daygen {

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

struct Named {
    int ID;
    const char* Description;
};

struct CodeText {
    const char* Code;
    const char* Text;
};

struct AdjReason {
    const char* Code;
    const char* Description;
    const char* Groups;  // Undeliverable, InventoryAdj, LossCharge, BillingAdj, Ordering
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

struct SaleItem {
    const char* Code;
    const char* Description;
    Price4 Price;
};

// Per-customer lists that every wearer customer gets.
struct Department {
    int ID;
    const char* Description;
    char Active;
};

// The garments a wearer customer rents, with the finishing methods allowed for each.
struct CustomerProduct {
    int ProdID;
    std::vector<int> FinMethods;
};

extern const std::vector<Size> kShirtSizes;
extern const std::vector<Size> kPantsSizes;
extern const std::vector<GarmentProduct> kProducts;
extern const std::vector<Named> kFinishingMethods;
extern const std::vector<Named> kFlags;
extern const std::vector<CodeText> kContactCategories;
extern const std::vector<CodeText> kFrequencies;
extern const std::vector<const char*> kTrucks;
extern const std::vector<CodeText> kSafetyItems;
extern const std::vector<AdjReason> kAdjReasons;
extern const std::vector<FlatGroup> kFlatGroups;
extern const std::vector<SaleItem> kSaleItems;
extern const std::vector<Department> kDepartments;
extern const std::vector<Department> kEmblemTemplates;
extern const std::vector<Named> kFunctions;
extern const std::vector<std::vector<CustomerProduct>> kProductProfiles;

// The garment product, flat good or sale item of an id or code; an unknown one stops the tool.
const GarmentProduct& product(int id);
const FlatProduct& flatProduct(std::string_view code);
// The flat good's price at a frequency (the first price for an unknown frequency).
Price4 flatPrice(const FlatProduct& p, std::string_view frequency);
const SaleItem& saleItem(std::string_view code);

inline constexpr const char* kPlantName = "Bright & Clean Linen";
inline constexpr const char* kEnvCode = "ENV";  // environmental charge over the rent lines
// A rate that is a multiple of 0.16 % never gives an amount that ends in exactly half a cent, so
// the environmental charge is rounded the same way however the recomputation is carried out.
inline constexpr int kEnvPercentage = 320;  // 3.20 %
inline constexpr int kTaxPercentage = 750;  // 7.50 %

}  // namespace daygen
