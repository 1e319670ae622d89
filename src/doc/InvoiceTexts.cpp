#include "doc/InvoiceTexts.h"

#include <algorithm>

#include "common/DateText.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "model/AdjReasons.h"
#include "model/ConfigData.h"
#include "model/InvoiceHeader.h"
#include "model/InvoiceItem.h"

namespace kelvo {

namespace {

bool minimumBasedRent(const CInvoiceItem& line) {
    constexpr std::int16_t kMinimumBased = 2;
    return line.LineType == LineTypes::Rent && line.BillingMethod == kMinimumBased;
}

}  // namespace

std::string productText(const CInvoiceItem& line) {
    if (line.SizeCode == "-" || line.SizeCode == "*") {
        return line.Code;
    }
    return line.Code + " " + line.SizeCode;
}

std::string billingText(const CInvoiceItem& line) {
    std::string text = BillingMethodName(line.BillingMethod);
    if (minimumBasedRent(line)) {
        text += MinFreqSuffix(line.MinFreq);
    }
    return text;
}

std::string minimumText(const CInvoiceItem& line) {
    if (!minimumBasedRent(line)) {
        return {};
    }
    std::string text = formatPrice(line.MinQty, 0);
    if (line.MinPerc != 0.0) {
        text += " (" + formatPrice(line.MinPerc, 0) + "%)";
    }
    return text;
}

std::string priceText(double price, const ConfigData& config) {
    return formatPrice(price, std::clamp<int>(config.PriceDecimals(), 0, 4));
}

std::array<std::string, 7> detailRow(const CInvoiceItem& line, const CAdjReasons& reasons) {
    return {productText(line),
            line.Description,
            formatPrice(line.DeliveredQuantity + line.AdjustmentDeliveredQuantity, 0),
            formatPrice(line.PreBilledQuantity + line.AdjustmentQuantity, 0),
            line.Extend == 'Y' ? formatPrice(line.PrebilledAmount + line.AdjustmentAmount, 2) : "",
            line.AdjustmentAmount != 0.0 ? formatPrice(line.AdjustmentAmount, 2) : "",
            reasons.DescriptionOf(line.AdjustmentReasonCode)};
}

std::array<std::string, 5> invoiceRow(const CInvoiceHeader& header) {
    // The file's Status "Settled" is shown in the driver's language; the file keeps its word.
    return {format("%.0f", header.InvoiceNumber), header.COD == 'Y' ? tr("COD") : tr("CHG"),
            formatPrice(header.PayThisAmount, 2),
            header.IsSettled() ? tr("Settled") : header.Status,
            dayMonthDate(header.InvoiceDate)};
}

}  // namespace kelvo
