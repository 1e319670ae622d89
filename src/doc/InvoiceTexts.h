#pragma once

#include <array>
#include <string>

namespace kelvo {

class CAdjReasons;
class ConfigData;
struct CInvoiceHeader;
struct CInvoiceItem;

// What the invoice screens show of headers and lines, composed from the records.

// The line's product: Code, then " " and the SizeCode unless the SizeCode is "-" or "*" (no
// size).
std::string productText(const CInvoiceItem& line);

// The billing method's name; a Rent line billed "Minimum Based" adds the period of its
// minimum ("Minimum Based/(Delivery)").
std::string billingText(const CInvoiceItem& line);

// The minimum of a Rent line billed "Minimum Based": MinQty without decimals, then
// " (<MinPerc>%)" when MinPerc is not 0; "" for other lines.
std::string minimumText(const CInvoiceItem& line);

// A unit price with the configuration's PriceDecimals (held to 0 to 4: the invoice file keeps
// four).
std::string priceText(double price, const ConfigData& config);

// A row of the invoice details: product, description, delivered and billed quantity with
// their adjustments, amount (only for a line whose adjustment counts), adjustment (only when
// not 0) and the reason's description.
std::array<std::string, 7> detailRow(const CInvoiceItem& line, const CAdjReasons& reasons);

// A row of the invoice list: number, "COD" or "CHG", amount to pay, status and date
// ("dd-MMM").
std::array<std::string, 5> invoiceRow(const CInvoiceHeader& header);

}  // namespace kelvo
