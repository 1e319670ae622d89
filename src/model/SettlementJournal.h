#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

class DeviceFs;

// What a settlement of one invoice is about to write, recorded in the data folder before its
// first file (the signature picture) and removed after its last (the receipt): a program that
// dies in between finds at its next start exactly which settlement to complete, and completes
// it once. The journal is the program's own: its name starts with a dot, so that no listing of
// the data folder takes it for data (export, import, restore, storage moves, the day check).
struct CSettlementJournal {
    std::int32_t RouteNumber = 0;
    std::string Date;             // the route's date, "yyyyMMdd"
    std::int32_t StopIndex = -1;  // the stop's place in the route
    double InvoiceNumber = 0;
    std::int32_t SignedInvoices = 0;  // the stop's signed invoices before this settlement
    double CashCollected = 0;
    std::string CheckNumber;           // "" for cash
    std::string PersonIdentification;  // the initials; "" without a signature
    char Signature = 'N';              // 'Y': a signature picture belongs to the settlement
    std::string SettledDate;           // "yyyyMMdd"
    std::string SettledTime;           // "HH:mm:ss"

    // The journal's device path in the data folder of a data root ("" or "\" + location).
    static std::string Path(std::string_view dataRoot);

    // The file's content.
    std::string ToXml() const;
    // Writes the journal (atomically: the old one or this one). False when it could not be.
    [[nodiscard]] bool Save(const DeviceFs& fs, const std::string& path) const;

    enum class Found { None, Read, Damaged };
    // Reads the journal at path into `journal`: None when there is no journal, Damaged when
    // there is one that cannot be read (not well formed, or naming no route and invoice).
    static Found Load(const DeviceFs& fs, const std::string& path, CSettlementJournal& journal);

    bool operator==(const CSettlementJournal&) const = default;
};

}  // namespace kelvo
