#pragma once

#include <string>

namespace kelvo {

// What the invoice list of a stop shows of one invoice, read from the head of its file.
struct CInvoiceHeader {
    double InvoiceNumber = 0.0;  // a whole number; names the file
    std::string InvoiceDate;     // "yyyyMMdd"
    char COD = 'N';              // 'Y': cash on delivery; anything else: charged to the account
    double PayThisAmount = 0.0;
    std::string Status;  // "Settled" once settled
    std::string UndeliverReasonCode;
    std::string CheckNumber;
};

}  // namespace kelvo
