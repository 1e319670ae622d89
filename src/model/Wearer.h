#pragma once

#include <string>
#include <vector>

#include "model/WearerProduct.h"

namespace kelvo {

// One wearer of the customer's wearer file with the products the wearer has, in file order.
// The handheld never changes a wearer: its changes are inventory transactions.
struct CWearer {
    std::string ID;  // key in the back office; the WID of every transaction about the wearer
    double Nr = 0;   // wearer number shown to the driver
    std::string FName;
    std::string FirstName;
    std::string EmblemName;
    std::string Admin;
    double Dpt = 0;     // department identifier
    double Fun = 0;     // function identifier
    double LockID = 0;  // locker identifier
    std::string Bank;
    std::string Lock;
    char Active = '\0';  // 'N' for a wearer who has left; '\0' when the file gives none
    std::vector<CWearerProduct> Inventory;

    // False only for Active 'N': a wearer whose file says nothing is taken as active, as the
    // back office lists only wearers in service unless it marks them otherwise.
    bool IsActive() const { return Active != 'N'; }

    // The first product line with exactly this product and size; nullptr when there is none.
    const CWearerProduct* FindProduct(double PID, double SID) const {
        for (const CWearerProduct& p : Inventory) {
            if (p.PID == PID && p.SID == SID) {
                return &p;
            }
        }
        return nullptr;
    }
    // True when the wearer has a line with exactly this product and size.
    bool HasProduct(double PID, double SID) const { return FindProduct(PID, SID) != nullptr; }
    // Appends a product line at the end of the inventory.
    void AddProduct(double PID, double SID, double Qty, double Chg, double TID, double FID,
                    double Price) {
        Inventory.push_back({PID, SID, Qty, Chg, TID, FID, Price});
    }

    bool operator==(const CWearer&) const = default;
};

}  // namespace kelvo
