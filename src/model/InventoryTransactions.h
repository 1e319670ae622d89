#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/CustomerFile.h"
#include "model/Inventory.h"
#include "model/WearerProduct.h"

namespace kelvo {

class CPendingTransaction;
class DeviceFs;
struct CWearer;

// The inventory transactions of one customer in the order they were committed, with their
// file "\VexXml\InventoryTransaction_<customer>.xml". The list changes only through Commit
// and the cancels, each of which rewrites the whole file; the file therefore always holds
// exactly what the list holds. Transactions stay at their address until they are cancelled
// or the list is reloaded. Texts compare exactly, numbers exactly.
class CInventoryTransactions {
public:
    CInventoryTransactions();
    ~CInventoryTransactions();
    CInventoryTransactions(const CInventoryTransactions&) = delete;
    CInventoryTransactions& operator=(const CInventoryTransactions&) = delete;

    // Data root "" for an empty storage location, else "\" + storage location. A change of
    // root forgets the customer loaded, so that the next load reads from the new place.
    void SetPath(std::string_view storageLocation);
    // The transaction file of a customer; "" when the customer number cannot name a file.
    std::string FilePath(double custId) const;

    // Reads the customer's transaction file unless the list holds that customer already
    // (Unchanged). Numbers keep the values the file gives; prices are written with
    // priceDecimals decimals (the configuration's PriceDecimals). Read: the list holds the
    // file's transactions;
    // Missing: the list is empty and the first commit creates the file. Damaged, Refused:
    // the list is empty, every change is refused (the file is never overwritten) and the
    // next load tries again.
    LoadResult Load(const DeviceFs& fs, double custId, int priceDecimals);
    // The customer the list was loaded for; -1 before the first load and after a failed one.
    double CustID() const { return m_file.Writable() ? m_file.CustID() : -1; }
    // True when changes may be written: the customer's file was read or is missing.
    bool IsWritable() const { return m_file.Writable(); }

    // Appends the pending transaction, rewrites the file and closes the pending slot. Only
    // when the file was written: otherwise (result other than Saved) the list and file are
    // unchanged and the transaction stays pending. The committed transaction (the list's
    // last) holds its texts as the file carries them (see CInventory::ToFileTexts).
    [[nodiscard]] ChangeResult Commit(const DeviceFs& fs, CPendingTransaction& pending);
    // Removes the first transaction whose WID is WID and whose Nr is written as Nr is
    // ("%.0f"), and rewrites the file. NotFound when there is none.
    [[nodiscard]] ChangeResult CancelWearer(const DeviceFs& fs, const std::string& WID, double Nr);
    // Removes the line of one product: the first transaction, in list order, of the wearer
    // (WID with a code above 2; or for a wearer added here, WID "", code 1 and this Nr) that
    // has a line with this product and size (for an exchange also as the replaced product and
    // size) loses that line, and is removed when it has no line left; the file is rewritten.
    // linesLeft: the lines the transaction keeps (0 when it was removed), -1 when NotFound.
    [[nodiscard]] ChangeResult CancelProduct(const DeviceFs& fs, const std::string& WID, double PID,
                                             double SID, double Nr, int& linesLeft);
    // Rewrites the file from the list; Refused when the file was not read.
    [[nodiscard]] ChangeResult Save(const DeviceFs& fs) const;
    // The content of the transaction file.
    std::string ToXml() const;

    // Number of transactions.
    std::size_t Count() const { return m_list.size(); }
    // Transaction i in list order (0 <= i < Count(), else std::out_of_range).
    const CInventory& At(std::size_t i) const { return *m_list.at(i); }
    // The transactions of a wearer (by WID) in list order.
    const std::vector<const CInventory*>& OfWearer(const std::string& WID) const;

    // First transaction with this Nr; nullptr when none.
    const CInventory* FindByNumber(double Nr) const;
    // First transaction of WID with this code; nullptr when none.
    const CInventory* Find(const std::string& WID, std::int32_t code) const;
    // True when WID has a quit wearer / add wearer transaction.
    bool IsQuit(const std::string& WID) const { return Find(WID, kQuitWearer) != nullptr; }
    bool IsAdded(const std::string& WID) const { return Find(WID, kAddWearer) != nullptr; }
    // The code of the first transaction of WID that has a line with this product and size,
    // replaces them (exchange: 5) or quits the wearer (2); 0 when none. Transactions with a
    // code other than 1 to 7 are passed over.
    std::int32_t ProductStatus(const std::string& WID, double PID, double SID) const;
    // True when a quit product / add product transaction of WID has a line with PID and SID.
    bool IsProductQuit(const std::string& WID, double PID, double SID) const;
    bool IsProductAdded(const std::string& WID, double PID, double SID) const;
    // The line of an exchange of WID that replaces PID and SID; nullptr when none.
    const CInventoryLine* FindExchangeLine(const std::string& WID, double PID, double SID) const;
    // The line with PID and SID of a quantity change (code above 5) of WID; nullptr when none.
    const CInventoryLine* FindQuantityLine(const std::string& WID, double PID, double SID) const;
    // Highest Nr of all transactions; 0 for an empty list.
    double MaxNumber() const;
    // Number of transactions that deliver garments (codes 1, 3, 5, 7).
    std::size_t CountDeliveries() const;
    // False when WID has an add wearer or quit wearer transaction.
    bool WearerFree(const std::string& WID) const;
    // False when WID has any transaction.
    bool NoTransactions(const std::string& WID) const { return OfWearer(WID).empty(); }
    // False when WID has an add or quit wearer transaction, a line with PID and SID, or an
    // exchange that replaces them: another change of that product would contradict it.
    bool ProductFree(const std::string& WID, double PID, double SID) const;

    // What a wearer made like a wearer of the wearer file receives: the wearer file's product
    // lines with their quantities and changes, a line exchanged today as its new product (with
    // the exchange's template, finishing method and price). Today's other changes (added
    // products, quantities, quits) are the model's own and are not copied.
    std::vector<CWearerProduct> ModelProducts(const CWearer& wearer) const;
    // What a wearer made like a wearer added here receives: its add wearer transaction's lines.
    static std::vector<CWearerProduct> ModelProducts(const CInventory& addWearer);

private:
    void Clear();
    void Reindex();
    // The file's content with `extra` appended when it is not null.
    std::string Compose(const CInventory* extra) const;
    [[nodiscard]] bool Write(const DeviceFs& fs, const std::string& content) const;
    // The first line with PID and SID of a transaction of WID with code `code`.
    const CInventoryLine* FindLineOf(const std::string& WID, std::int32_t code, double PID,
                                     double SID) const;

    CustomerFile m_file{"InventoryTransaction_"};
    int m_priceDecimals = 2;
    std::vector<std::unique_ptr<CInventory>> m_list;
    std::unordered_map<std::string, std::vector<const CInventory*>> m_byWID;
};

}  // namespace kelvo
