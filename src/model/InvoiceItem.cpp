#include "model/InvoiceItem.h"

#include <string_view>

#include "common/FileValues.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kItemField = "\r\n\t\t\t";

constexpr const char* kSpecialChargeTags[] = {"SpecialChargeCode1", "SpecialChargeCode2",
                                              "SpecialChargeCode3", "SpecialChargeCode4",
                                              "SpecialChargeCode5"};

// Index: the line type.
constexpr const char* kLineTypeNames[] = {"",
                                          "Rent",
                                          "Wash",
                                          "Soil Weight",
                                          "Clean Weight",
                                          "Sales",
                                          "Repair",
                                          "Replacement",
                                          "Auto Replacement",
                                          "Loss Charge",
                                          "Residual Value",
                                          "Garment Insurance",
                                          "Prep & Emblem",
                                          "Finance Charge",
                                          "Cash Delay",
                                          "Miscellaneous",
                                          "Special Charge",
                                          "Minimum Charge",
                                          "Tax",
                                          "Emblem Rent",
                                          "Locker Rent",
                                          "Locker Service",
                                          "Lease",
                                          "Stock Charge"};

constexpr const char* kTaxTypeNames[] = {"Non Taxable", "Sales Tax", "Rent Tax",
                                         "Miscellaneous Tax"};

constexpr const char* kBillingMethodNames[] = {
    "", "Flat Rated Rent", "Minimum Based", "Circulating Inv.", "Piece Rate", "Lease"};

constexpr const char* kMinFreqSuffixes[] = {"", "(/Week)", "(/Visit)", "(/Month)", "/(Delivery)"};

// names[code]; a code beyond the table gives names[rest], or "" when rest < 0.
template <std::size_t N>
std::string nameOf(const char* const (&names)[N], int code, int rest) {
    const bool known = code >= 0 && static_cast<std::size_t>(code) < N;
    if (!known && rest < 0) {
        return {};
    }
    return tr(names[known ? code : rest]);
}

std::int16_t readShort(const XmlElement& e, const char* tag) {
    return static_cast<std::int16_t>(e.whole(tag));  // the low 16 bits
}

}  // namespace

CInvoiceItem CInvoiceItem::Read(const XmlElement& e) {
    CInvoiceItem l;
    l.LineID = e.text("LineID");
    l.LineNumber = e.whole("LineNumber");
    l.LineType = readShort(e, "LineType");
    l.Code = e.text("Code");
    l.Description = e.text("Description");
    l.SizeCode = e.text("SizeCode");
    l.FinishingMethodCode = e.text("FinishingMethodCode");
    l.WearerNumber = e.whole("WearerNumber");
    l.WearerName = e.text("WearerName");
    l.WearerLocker = e.text("WearerLocker");
    l.TaxType = readShort(e, "TaxType");
    l.BillingMethod = readShort(e, "BillingMethod");
    l.FrequencyCode = e.text("FrequencyCode");
    l.DeliveredQuantity = e.number("DeliveredQuantity");
    l.InventoryQuantity = e.number("InventoryQuantity");
    l.FutureInv = e.number("FutureInv");
    l.PreBilledQuantity = e.number("PreBilledQuantity");
    l.PrebilledAmount = e.number("PrebilledAmount");
    l.AdjustmentQuantity = e.number("AdjustmentQuantity");
    l.AdjustmentDeliveredQuantity = e.number("AdjustmentDeliveredQuantity");
    l.AdjustmentAmount = e.number("AdjustmentAmount");
    l.Price = e.number("Price");
    l.Percentage = e.number("Percentage");
    l.OverAmount = e.number("OverAmount");
    l.AdjustmentReasonCode = e.text("AdjustmentReasonCode");
    l.Extend = e.flag("Extend", 'N');
    l.SubjectToMinimum = e.flag("SubjectToMinimum", 'N');
    l.MinimumAmount = e.number("MinimumAmount");
    l.MaximumAmount = e.number("MaximumAmount");
    for (std::size_t k = 0; k < l.SpecialChargeCode.size(); ++k) {
        l.SpecialChargeCode[k] = e.text(kSpecialChargeTags[k]);
    }
    l.OrderQty = e.number("OrderQty");
    l.OrderingReasonCode = e.text("OrderingReasonCode");
    l.MinQty = e.number("MinQty");
    l.MinPerc = e.number("MinPerc");
    l.MinFreq = e.whole("MinFreq");
    l.SER = e.whole("SER");
    l.QtyToPick = e.whole("QtyToPick");
    l.PickUpQty = e.text("PickUpQty");
    return l;
}

std::string CInvoiceItem::PickUpShown() const {
    if (PickUpQty.empty() && PickUpMode() == PickUp::ToPick) {
        return format("%d", QtyToPick);
    }
    return PickUpQty;
}

void CInvoiceItem::AppendXml(std::string& out) const {
    out.append("\r\n\t\t<Invoice-Item>");
    appendTextElement(out, kItemField, "LineID", LineID);
    appendWholeElement(out, kItemField, "LineNumber", LineNumber);
    appendWholeElement(out, kItemField, "LineType", LineType);
    appendTextElement(out, kItemField, "Code", Code);
    appendTextElement(out, kItemField, "Description", Description);
    appendTextElement(out, kItemField, "SizeCode", SizeCode);
    appendTextElement(out, kItemField, "FinishingMethodCode", FinishingMethodCode);
    appendWholeElement(out, kItemField, "WearerNumber", WearerNumber);
    appendTextElement(out, kItemField, "WearerName", WearerName);
    appendTextElement(out, kItemField, "WearerLocker", WearerLocker);
    appendWholeElement(out, kItemField, "TaxType", TaxType);
    appendWholeElement(out, kItemField, "BillingMethod", BillingMethod);
    appendTextElement(out, kItemField, "FrequencyCode", FrequencyCode);
    appendFixedElement(out, kItemField, "DeliveredQuantity", DeliveredQuantity, 0);
    appendFixedElement(out, kItemField, "InventoryQuantity", InventoryQuantity, 0);
    appendFixedElement(out, kItemField, "PreBilledQuantity", PreBilledQuantity, 0);
    appendFixedElement(out, kItemField, "PrebilledAmount", PrebilledAmount, 2);
    appendFixedElement(out, kItemField, "AdjustmentQuantity", AdjustmentQuantity, 0);
    appendFixedElement(out, kItemField, "AdjustmentDeliveredQuantity", AdjustmentDeliveredQuantity,
                       0);
    appendFixedElement(out, kItemField, "AdjustmentAmount", AdjustmentAmount, 2);
    appendFixedElement(out, kItemField, "Price", Price, 4);
    appendFixedElement(out, kItemField, "Percentage", Percentage, 2);
    appendFixedElement(out, kItemField, "OverAmount", OverAmount, 2);
    appendTextElement(out, kItemField, "AdjustmentReasonCode", AdjustmentReasonCode);
    appendFlagElement(out, kItemField, "Extend", Extend);
    appendFlagElement(out, kItemField, "SubjectToMinimum", SubjectToMinimum);
    appendFixedElement(out, kItemField, "MinimumAmount", MinimumAmount, 2);
    appendFixedElement(out, kItemField, "MaximumAmount", MaximumAmount, 2);
    for (std::size_t k = 0; k < SpecialChargeCode.size(); ++k) {
        appendTextElement(out, kItemField, kSpecialChargeTags[k], SpecialChargeCode[k]);
    }
    appendTextElement(out, kItemField, "OrderingReasonCode", OrderingReasonCode);
    appendFixedElement(out, kItemField, "OrderQty", OrderQty, 0);
    appendFixedElement(out, kItemField, "MinQty", MinQty, 2);
    appendWholeElement(out, kItemField, "MinFreq", MinFreq);
    appendFixedElement(out, kItemField, "MinPerc", MinPerc, 2);
    appendWholeElement(out, kItemField, "SER", SER);
    appendWholeElement(out, kItemField, "QtyToPick", QtyToPick);
    appendTextElement(out, kItemField, "PickUpQty", PickUpQty);
    appendFixedElement(out, kItemField, "FutureInv", FutureInv, 0);
    out.append("\r\n\t\t</Invoice-Item>");
}

std::string LineTypeName(std::int16_t lineType) {
    return nameOf(kLineTypeNames, lineType, -1);
}

std::string TaxTypeName(std::int16_t taxType) {
    return nameOf(kTaxTypeNames, taxType, 3);
}

std::string BillingMethodName(std::int16_t billingMethod) {
    return nameOf(kBillingMethodNames, billingMethod, 5);
}

std::string MinFreqSuffix(std::int32_t minFreq) {
    return nameOf(kMinFreqSuffixes, minFreq, -1);
}

}  // namespace kelvo
