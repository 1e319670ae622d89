#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Inventory.h"
#include "model/WearerProduct.h"

namespace kelvo {

class CProducts;
struct CProductSize;

// The inventory transaction a change screen is building, at most one. It reaches the
// customer's transaction list and file only through CInventoryTransactions::Commit; dropped
// (Abandon, or a new Begin) it leaves no trace.
class CPendingTransaction {
public:
    // Starts a transaction with this code about the wearer WID ("" for a wearer added here) of
    // customer custId, dropping one still being built. Returns it for the screen to fill.
    CInventory& Begin(double custId, std::int32_t code, std::string WID);
    // True while a transaction is being built.
    bool IsOpen() const { return m_transaction.has_value(); }
    // The transaction being built; nullptr when none.
    CInventory* Get() { return m_transaction ? &*m_transaction : nullptr; }
    const CInventory* Get() const { return m_transaction ? &*m_transaction : nullptr; }
    // The customer it is built for; -1 when none is being built.
    double CustID() const { return m_CustID; }
    // Drops the transaction being built.
    void Abandon();

    // Make-a-like: appends a line for every product of the model (see
    // CInventoryTransactions::ModelProducts) that the Products list knows, with the model's
    // quantity, changes, template, finishing method and price, the product's code as
    // ProductKey and no size yet (SID 0). Returns the number of lines added; 0 when no
    // transaction is open.
    std::size_t AddModelProducts(const std::vector<CWearerProduct>& model,
                                 const CProducts& products);
    // Make-a-like: the size chosen for line `line` (the screen lists the lines in order): its
    // SizeKey becomes the size's code and its SID the size's id. The line is named by its
    // place, not by its product code, since a model may wear one product in two sizes.
    // False when there is no such line.
    bool ChooseSize(std::size_t line, const CProductSize& size);

private:
    friend class CInventoryTransactions;

    static constexpr double kNoCustomer = -1;

    std::optional<CInventory> m_transaction;
    double m_CustID = kNoCustomer;
};

}  // namespace kelvo
