#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/InvoiceFile.h"
#include "model/InvoiceHeader.h"

namespace kelvo {

class CInvoice;
class DeviceFs;

// What loading a stop's invoice headers found: how many headers the list holds, and each file
// not read, in the order met.
struct InvoicesLoad {
    std::size_t count = 0;
    std::vector<InvoiceFileProblem> problems;
};

// The invoice headers of the current stop, in ascending InvoiceNumber (equal numbers in the
// order of the stop's list). Owns its entries.
class CInvoices {
public:
    // The data root: "" for an empty storage location, else "\" + it.
    void SetPath(std::string_view storageLocation);
    const std::string& StoragePath() const { return m_StoragePath; }

    // Loads the headers of the stop's invoice numbers (texts, each naming its file
    // "Inv_<text>.xml"). When the list holds as many headers as there are numbers and each
    // header's number ("%.0f") equals the text at its position, nothing is read. Otherwise the
    // list is rebuilt: a number that cannot name a file is left out (Refused); a file that
    // cannot be opened (Missing) ends the loading, the headers read so far staying; a damaged
    // file (Damaged) is listed with its number only. Each is among the problems returned, for
    // the caller to report.
    InvoicesLoad Load(const DeviceFs& fs, std::span<const std::string> numbers);

    // Number of headers.
    std::size_t Count() const { return m_Entries.size(); }
    // The header at a list position (0 <= index < Count(), else std::out_of_range).
    const CInvoiceHeader& At(std::size_t index) const { return m_Entries.at(index); }
    // The first header with this number; nullptr when there is none.
    const CInvoiceHeader* Find(double invoiceNumber) const;
    // How many headers have Status "Settled".
    std::int32_t SettledCount() const { return m_SettledCount; }

    // Copies what the open invoice changed (PayThisAmount, Status, UndeliverReasonCode,
    // CheckNumber) into its header, when listed, and counts the settled headers again. Called
    // after an invoice is adjusted, settled or made undeliverable, since Load does not reread
    // the same numbers.
    void Update(const CInvoice& invoice);

private:
    void CountSettled();

    std::vector<CInvoiceHeader> m_Entries;
    std::int32_t m_SettledCount = 0;
    std::string m_StoragePath;
};

}  // namespace kelvo
