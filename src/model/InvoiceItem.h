#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvo {

class XmlElement;

// Line types with a role in the invoice arithmetic and on the screens.
namespace LineTypes {
inline constexpr std::int16_t Rent = 1;
inline constexpr std::int16_t Wash = 2;
inline constexpr std::int16_t Sales = 5;
inline constexpr std::int16_t SpecialCharge = 16;
inline constexpr std::int16_t MinimumCharge = 17;
inline constexpr std::int16_t Tax = 18;
}  // namespace LineTypes

// How a line's pick-up quantity comes about (its SER): nothing is picked up, the quantity
// to pick is the default, or the driver enters it.
enum class PickUp { None, ToPick, Entered };

// One line of an invoice: a rented or sold product (optionally of one wearer), a service, or a
// charge line (special charge, minimum charge, tax) that the invoice arithmetic recomputes.
// Fields carry the names of the <Invoice-Item> elements. A new line has empty texts, zero
// numbers and 'N' flags.
struct CInvoiceItem {
    std::string LineID;
    std::int32_t LineNumber = 0;  // first sort key, compared unsigned
    std::int16_t LineType = 0;
    std::string Code;  // second sort key; the key of a special charge line
    std::string Description;
    std::string SizeCode;  // "" on product-level lines; "-" and "*" mean no size
    std::string FinishingMethodCode;
    std::int32_t WearerNumber = 0;
    std::string WearerName;
    std::string WearerLocker;
    std::int16_t TaxType = 0;
    std::int16_t BillingMethod = 0;
    std::string FrequencyCode;
    double DeliveredQuantity = 0.0;
    double InventoryQuantity = 0.0;
    double FutureInv = 0.0;
    double PreBilledQuantity = 0.0;
    double PrebilledAmount = 0.0;
    double AdjustmentQuantity = 0.0;
    double AdjustmentDeliveredQuantity = 0.0;
    double AdjustmentAmount = 0.0;
    double Price = 0.0;
    double Percentage = 0.0;  // 7.5 means 7.5 %
    double OverAmount = 0.0;
    std::string AdjustmentReasonCode;
    char Extend = 'N';            // 'Y': the line's adjustment counts in the invoice totals
    char SubjectToMinimum = 'N';  // 'Y': the line counts towards the minimum invoice amount
    double MinimumAmount = 0.0;   // 0: no minimum
    double MaximumAmount = 0.0;   // 0: no maximum
    // SpecialChargeCode1 to SpecialChargeCode5, used in order up to the first empty one.
    std::array<std::string, 5> SpecialChargeCode;
    double OrderQty = 0.0;
    std::string OrderingReasonCode;
    double MinQty = 0.0;
    double MinPerc = 0.0;
    std::int32_t MinFreq = 0;
    std::int32_t SER = 0;  // pick-up mode: 0 none, 2 defaults to QtyToPick, else entered
    std::int32_t QtyToPick = 0;
    std::string PickUpQty;  // "" while not entered

    // The line read from an <Invoice-Item> element. Missing elements give "", 0 and 'N';
    // every value is kept as the file will carry it back (see common/FileValues.h).
    static CInvoiceItem Read(const XmlElement& element);
    // Appends the <Invoice-Item> block of the invoice file (starts with "\r\n\t\t").
    void AppendXml(std::string& out) const;

    // The pick-up mode SER stands for: 0 none, 2 the quantity to pick, any other entered.
    PickUp PickUpMode() const {
        return SER == 0 ? PickUp::None : SER == 2 ? PickUp::ToPick : PickUp::Entered;
    }
    // The pick-up quantity as it stands: the one entered, else QtyToPick where that is the
    // default; "" while the driver has still to enter it (and for a line without pick-up).
    std::string PickUpShown() const;

    // Field by field.
    bool operator==(const CInvoiceItem&) const = default;
};

// Name of a line type shown on the screens ("Rent", "Tax", ...); "" for 0 and for a type
// outside 0 to 23.
std::string LineTypeName(std::int16_t lineType);
// "Non Taxable", "Sales Tax", "Rent Tax"; "Miscellaneous Tax" for 3 and every other value.
std::string TaxTypeName(std::int16_t taxType);
// "" for 0, "Flat Rated Rent", "Minimum Based", "Circulating Inv.", "Piece Rate"; "Lease" for 5
// and every other value.
std::string BillingMethodName(std::int16_t billingMethod);
// Period shown after "Minimum Based": "(/Week)", "(/Visit)", "(/Month)", "/(Delivery)"; ""
// for any other value.
std::string MinFreqSuffix(std::int32_t minFreq);

}  // namespace kelvo
