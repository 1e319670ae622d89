#include "model/PendingTransaction.h"

#include <utility>

#include "model/ProductSize.h"
#include "model/Products.h"

namespace kelvo {

CInventory& CPendingTransaction::Begin(double custId, std::int32_t code, std::string WID) {
    m_transaction.emplace();
    m_transaction->Code = code;
    m_transaction->WID = std::move(WID);
    m_CustID = custId;
    return *m_transaction;
}

void CPendingTransaction::Abandon() {
    m_transaction.reset();
    m_CustID = kNoCustomer;
}

std::size_t CPendingTransaction::AddModelProducts(const std::vector<CWearerProduct>& model,
                                                  const CProducts& products) {
    if (!m_transaction) {
        return 0;
    }
    std::size_t added = 0;
    for (const CWearerProduct& p : model) {
        const CProduct* product = products.FindBy(&CProduct::ProductID, p.PID);
        if (product == nullptr) {
            continue;
        }
        m_transaction->AddLine(p.PID, 0, p.Qty, p.Chg, p.TID, p.FID, p.Price, 0, 0, product->Code);
        ++added;
    }
    return added;
}

bool CPendingTransaction::ChooseSize(std::size_t line, const CProductSize& size) {
    if (!m_transaction || line >= m_transaction->Lines.size()) {
        return false;
    }
    CInventoryLine& l = m_transaction->Lines[line];
    l.SizeKey = size.Code;
    l.SID = size.SizeID;
    return true;
}

}  // namespace kelvo
