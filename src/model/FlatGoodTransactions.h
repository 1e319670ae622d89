#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/CustomerFile.h"
#include "model/FlatGoodTrans.h"

namespace kelvo {

class DeviceFs;

// The flat-good services added for one customer, "\VexXml\FlatGoodTransactions_<customer>.xml",
// in the order they were added; at most one for each product and frequency. Prices are written
// with the configuration's PriceDecimals.
class CFlatGoodTransactions {
public:
    using const_iterator = std::vector<CFlatGoodTrans>::const_iterator;

    // Data root "" for an empty storage location, else "\" + storage location.
    void SetPath(const std::string& storageLocation) { m_file.SetPath(storageLocation); }

    // Reads the customer's file unless the list holds it already (then Unchanged without
    // reading); numbers keep the values the file gives (Save rounds them as it writes). A
    // missing or empty file gives an empty list. When it cannot be read (Damaged, Refused) the
    // list is empty and nothing is written to that file. Says nothing: the caller reports it.
    FileRead Load(const DeviceFs& fs, double custId);
    // Writes the customer's file from the list. False when the file could not be read at the
    // last Load (it is kept as it is) or could not be written.
    [[nodiscard]] bool Save(const DeviceFs& fs, int decimals) const;
    // The file content Save writes.
    std::string Content(int decimals) const;

    // True when a transaction has this product code and this frequency code.
    bool Contains(std::string_view prodcode, std::string_view freqcode) const;
    // Appends the transaction and writes the file. Refused (Duplicate) for a product and
    // frequency already there, and (Unreadable) when the last Load could not read the file.
    // When the file cannot be written the transaction is taken out again.
    [[nodiscard]] FileChange Add(const DeviceFs& fs, CFlatGoodTrans trans, int decimals);
    // Removes transaction i (0 <= i < Count(); std::out_of_range otherwise) and writes the file;
    // refused (Unreadable) as Add. When the file cannot be written the transaction is put back.
    [[nodiscard]] FileChange Remove(const DeviceFs& fs, std::size_t i, int decimals);

    // The file: its path ("" when the customer cannot name one) and whether it may be written.
    const CustomerFile& File() const { return m_file; }

    // Number of transactions.
    std::size_t Count() const { return m_trans.size(); }
    // Transaction i (0 <= i < Count(); std::out_of_range otherwise).
    const CFlatGoodTrans& At(std::size_t i) const { return m_trans.at(i); }
    // The transactions in list order.
    const_iterator begin() const { return m_trans.begin(); }
    const_iterator end() const { return m_trans.end(); }

private:
    CustomerFile m_file{"FlatGoodTransactions_"};
    std::vector<CFlatGoodTrans> m_trans;
};

}  // namespace kelvo
