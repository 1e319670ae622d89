#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/InvoiceHeader.h"

namespace kelvo {

class CInvoice;
class DeviceFs;
class Prompter;

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
    // list is rebuilt: a number that cannot name a file is reported (naming `source`, where
    // the numbers came from) and left out; a file that cannot be opened is reported
    // ("Error Opening Invoice XML:" + path, caption "Load Error") and ends the loading, the
    // headers read so far staying; a damaged file is reported and listed with its number only.
    // Returns the number of headers held.
    std::size_t Load(const DeviceFs& fs, Prompter& prompter, std::span<const std::string> numbers,
                     std::string_view source = {});

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
