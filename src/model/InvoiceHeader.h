#pragma once

#include <string>

namespace kelvo {

// The Status an invoice file carries once the invoice is settled.
inline constexpr const char* kSettledStatus = "Settled";

// What the invoice list of a stop shows of one invoice, read from the head of its file.
struct CInvoiceHeader {
    double InvoiceNumber = 0.0;  // a whole number; names the file
    std::string InvoiceDate;     // "yyyyMMdd"
    char COD = 'N';              // 'Y': cash on delivery; anything else: charged to the account
    double PayThisAmount = 0.0;
    std::string Status;  // kSettledStatus once settled
    std::string UndeliverReasonCode;
    std::string CheckNumber;

    // True once the invoice is settled.
    bool IsSettled() const { return Status == kSettledStatus; }
};

}  // namespace kelvo
