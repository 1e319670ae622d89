#include "model/InvoiceItem.h"

#include <string_view>

#include "common/FileValues.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kField = "\r\n\t\t\t";

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
    l.LineID = fileText(e.text("LineID"));
    l.LineNumber = e.whole("LineNumber");
    l.LineType = readShort(e, "LineType");
    l.Code = fileText(e.text("Code"));
    l.Description = fileText(e.text("Description"));
    l.SizeCode = fileText(e.text("SizeCode"));
    l.FinishingMethodCode = fileText(e.text("FinishingMethodCode"));
    l.WearerNumber = e.whole("WearerNumber");
    l.WearerName = fileText(e.text("WearerName"));
    l.WearerLocker = fileText(e.text("WearerLocker"));
    l.TaxType = readShort(e, "TaxType");
    l.BillingMethod = readShort(e, "BillingMethod");
    l.FrequencyCode = fileText(e.text("FrequencyCode"));
    l.DeliveredQuantity = fileQuantity(e.number("DeliveredQuantity"));
    l.InventoryQuantity = fileQuantity(e.number("InventoryQuantity"));
    l.FutureInv = fileQuantity(e.number("FutureInv"));
    l.PreBilledQuantity = fileQuantity(e.number("PreBilledQuantity"));
    l.PrebilledAmount = fileAmount(e.number("PrebilledAmount"), 2);
    l.AdjustmentQuantity = fileQuantity(e.number("AdjustmentQuantity"));
    l.AdjustmentDeliveredQuantity = fileQuantity(e.number("AdjustmentDeliveredQuantity"));
    l.AdjustmentAmount = fileAmount(e.number("AdjustmentAmount"), 2);
    l.Price = fileAmount(e.number("Price"), 4);
    l.Percentage = fileAmount(e.number("Percentage"), 2);
    l.OverAmount = fileAmount(e.number("OverAmount"), 2);
    l.AdjustmentReasonCode = fileText(e.text("AdjustmentReasonCode"));
    l.Extend = fileFlag(e.flag("Extend"));
    l.SubjectToMinimum = fileFlag(e.flag("SubjectToMinimum"));
    l.MinimumAmount = fileAmount(e.number("MinimumAmount"), 2);
    l.MaximumAmount = fileAmount(e.number("MaximumAmount"), 2);
    for (std::size_t k = 0; k < l.SpecialChargeCode.size(); ++k) {
        l.SpecialChargeCode[k] = fileText(e.text(kSpecialChargeTags[k]));
    }
    l.OrderQty = fileQuantity(e.number("OrderQty"));
    l.OrderingReasonCode = fileText(e.text("OrderingReasonCode"));
    l.MinQty = fileAmount(e.number("MinQty"), 2);
    l.MinPerc = fileAmount(e.number("MinPerc"), 2);
    l.MinFreq = e.whole("MinFreq");
    l.SER = e.whole("SER");
    l.QtyToPick = e.whole("QtyToPick");
    l.PickUpQty = fileText(e.text("PickUpQty"));
    return l;
}

void CInvoiceItem::AppendXml(std::string& out) const {
    out.append("\r\n\t\t<Invoice-Item>");
    appendTextElement(out, kField, "LineID", LineID);
    appendWholeElement(out, kField, "LineNumber", LineNumber);
    appendWholeElement(out, kField, "LineType", LineType);
    appendTextElement(out, kField, "Code", Code);
    appendTextElement(out, kField, "Description", Description);
    appendTextElement(out, kField, "SizeCode", SizeCode);
    appendTextElement(out, kField, "FinishingMethodCode", FinishingMethodCode);
    appendWholeElement(out, kField, "WearerNumber", WearerNumber);
    appendTextElement(out, kField, "WearerName", WearerName);
    appendTextElement(out, kField, "WearerLocker", WearerLocker);
    appendWholeElement(out, kField, "TaxType", TaxType);
    appendWholeElement(out, kField, "BillingMethod", BillingMethod);
    appendTextElement(out, kField, "FrequencyCode", FrequencyCode);
    appendQuantityElement(out, kField, "DeliveredQuantity", DeliveredQuantity);
    appendQuantityElement(out, kField, "InventoryQuantity", InventoryQuantity);
    appendQuantityElement(out, kField, "PreBilledQuantity", PreBilledQuantity);
    appendAmountElement(out, kField, "PrebilledAmount", PrebilledAmount, 2);
    appendQuantityElement(out, kField, "AdjustmentQuantity", AdjustmentQuantity);
    appendQuantityElement(out, kField, "AdjustmentDeliveredQuantity", AdjustmentDeliveredQuantity);
    appendAmountElement(out, kField, "AdjustmentAmount", AdjustmentAmount, 2);
    appendAmountElement(out, kField, "Price", Price, 4);
    appendAmountElement(out, kField, "Percentage", Percentage, 2);
    appendAmountElement(out, kField, "OverAmount", OverAmount, 2);
    appendTextElement(out, kField, "AdjustmentReasonCode", AdjustmentReasonCode);
    appendFlagElement(out, kField, "Extend", Extend);
    appendFlagElement(out, kField, "SubjectToMinimum", SubjectToMinimum);
    appendAmountElement(out, kField, "MinimumAmount", MinimumAmount, 2);
    appendAmountElement(out, kField, "MaximumAmount", MaximumAmount, 2);
    for (std::size_t k = 0; k < SpecialChargeCode.size(); ++k) {
        appendTextElement(out, kField, kSpecialChargeTags[k], SpecialChargeCode[k]);
    }
    appendTextElement(out, kField, "OrderingReasonCode", OrderingReasonCode);
    appendQuantityElement(out, kField, "OrderQty", OrderQty);
    appendAmountElement(out, kField, "MinQty", MinQty, 2);
    appendWholeElement(out, kField, "MinFreq", MinFreq);
    appendAmountElement(out, kField, "MinPerc", MinPerc, 2);
    appendWholeElement(out, kField, "SER", SER);
    appendWholeElement(out, kField, "QtyToPick", QtyToPick);
    appendTextElement(out, kField, "PickUpQty", PickUpQty);
    appendQuantityElement(out, kField, "FutureInv", FutureInv);
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
