#include "model/InventoryTransactions.h"

#include <algorithm>
#include <utility>

#include "common/FileValues.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "model/PendingTransaction.h"
#include "model/Wearer.h"

namespace kelvo {

namespace {

constexpr const char* kOpening = "<Transactions>";
constexpr const char* kClosing = "\r\n</Transactions>";

bool delivers(std::int32_t code) {
    return code == kAddWearer || code == kAddProduct || code == kExchangeProduct ||
           code == kQuantityUp;
}

}  // namespace

CInventoryTransactions::CInventoryTransactions() = default;
CInventoryTransactions::~CInventoryTransactions() = default;

void CInventoryTransactions::SetPath(std::string_view storageLocation) {
    const std::string before = m_file.DataRoot();
    m_file.SetPath(std::string(storageLocation));
    if (m_file.DataRoot() != before) {
        Clear();
    }
}

std::string CInventoryTransactions::FilePath(double custId) const {
    return m_file.Path(custId);
}

LoadResult CInventoryTransactions::Load(const DeviceFs& fs, double custId, int priceDecimals) {
    if (m_file.Holds(custId)) {
        return LoadResult::Unchanged;
    }
    Clear();
    const WaitCursor wait;
    XmlDocument doc;
    const LoadResult result = m_file.Open(fs, custId, doc);
    if (result == LoadResult::Damaged || result == LoadResult::Refused) {
        return result;
    }
    m_priceDecimals = priceDecimals;
    doc.root().forEachChild([this](const XmlElement& e) {
        m_list.push_back(std::make_unique<CInventory>(CInventory::Read(e)));
    });
    Reindex();
    return result;
}

ChangeResult CInventoryTransactions::Commit(const DeviceFs& fs, CPendingTransaction& pending) {
    if (!pending.IsOpen()) {
        return ChangeResult::NotFound;
    }
    if (!m_file.Writable()) {
        return ChangeResult::Refused;
    }
    if (pending.CustID() != m_file.CustID()) {
        return ChangeResult::OtherCustomer;
    }
    auto committed = std::make_unique<CInventory>(*pending.Get());
    committed->ToFileTexts();
    if (!Write(fs, Compose(committed.get()))) {
        return ChangeResult::WriteFailed;
    }
    m_byWID[committed->WID].push_back(committed.get());
    m_list.push_back(std::move(committed));
    pending.Abandon();
    return ChangeResult::Saved;
}

ChangeResult CInventoryTransactions::CancelWearer(const DeviceFs& fs, const std::string& WID,
                                                  double Nr) {
    if (!m_file.Writable()) {
        return ChangeResult::Refused;
    }
    // Numbers compare as the file writes them.
    const double number = fileNumber(Nr, 0);
    const auto it = std::find_if(m_list.begin(), m_list.end(), [&](const auto& t) {
        return t->WID == WID && fileNumber(t->Nr, 0) == number;
    });
    if (it == m_list.end()) {
        return ChangeResult::NotFound;
    }
    const std::size_t at = std::size_t(it - m_list.begin());
    std::unique_ptr<CInventory> removed = std::move(*it);
    m_list.erase(it);
    if (!Write(fs, Compose(nullptr))) {
        m_list.insert(m_list.begin() + std::ptrdiff_t(at), std::move(removed));
        return ChangeResult::WriteFailed;
    }
    Reindex();
    return ChangeResult::Saved;
}

ChangeResult CInventoryTransactions::CancelProduct(const DeviceFs& fs, const std::string& WID,
                                                   double PID, double SID, double Nr,
                                                   int& linesLeft) {
    linesLeft = -1;
    if (!m_file.Writable()) {
        return ChangeResult::Refused;
    }
    for (std::size_t at = 0; at < m_list.size(); ++at) {
        CInventory& t = *m_list[at];
        const bool qualifies =
            t.WID == WID &&
            (t.Code > kQuitWearer || (WID.empty() && t.Code == kAddWearer && t.Nr == Nr));
        if (!qualifies) {
            continue;
        }
        const auto line = std::find_if(t.Lines.begin(), t.Lines.end(), [&](const auto& l) {
            return (l.PID == PID && l.SID == SID) ||
                   (t.Code == kExchangeProduct && l.OrgPID == PID && l.OrgSID == SID);
        });
        if (line == t.Lines.end()) {
            continue;
        }
        const std::size_t lineAt = std::size_t(line - t.Lines.begin());
        const CInventoryLine removedLine = *line;
        t.Lines.erase(line);
        std::unique_ptr<CInventory> removed;
        if (t.Lines.empty()) {
            removed = std::move(m_list[at]);
            m_list.erase(m_list.begin() + std::ptrdiff_t(at));
        }
        if (!Write(fs, Compose(nullptr))) {
            if (removed) {
                m_list.insert(m_list.begin() + std::ptrdiff_t(at), std::move(removed));
            }
            m_list[at]->Lines.insert(m_list[at]->Lines.begin() + std::ptrdiff_t(lineAt),
                                     removedLine);
            return ChangeResult::WriteFailed;
        }
        linesLeft = removed ? 0 : static_cast<int>(t.Lines.size());
        Reindex();
        return ChangeResult::Saved;
    }
    return ChangeResult::NotFound;
}

ChangeResult CInventoryTransactions::Save(const DeviceFs& fs) const {
    if (!m_file.Writable()) {
        return ChangeResult::Refused;
    }
    return Write(fs, Compose(nullptr)) ? ChangeResult::Saved : ChangeResult::WriteFailed;
}

std::string CInventoryTransactions::ToXml() const {
    return Compose(nullptr);
}

std::string CInventoryTransactions::Compose(const CInventory* extra) const {
    std::string out;
    out.reserve(64 + 1024 * (m_list.size() + 1));
    out.append(kOpening);
    for (const auto& t : m_list) {
        t->AppendXml(out, m_priceDecimals);
    }
    if (extra != nullptr) {
        extra->AppendXml(out, m_priceDecimals);
    }
    out.append(kClosing);
    return out;
}

bool CInventoryTransactions::Write(const DeviceFs& fs, const std::string& content) const {
    return m_file.Write(fs, content);
}

const std::vector<const CInventory*>& CInventoryTransactions::OfWearer(
    const std::string& WID) const {
    static const std::vector<const CInventory*> kNone;
    const auto it = m_byWID.find(WID);
    return it == m_byWID.end() ? kNone : it->second;
}

const CInventory* CInventoryTransactions::FindByNumber(double Nr) const {
    const auto it =
        std::find_if(m_list.begin(), m_list.end(), [Nr](const auto& t) { return t->Nr == Nr; });
    return it == m_list.end() ? nullptr : it->get();
}

const CInventory* CInventoryTransactions::Find(const std::string& WID, std::int32_t code) const {
    for (const CInventory* t : OfWearer(WID)) {
        if (t->Code == code) {
            return t;
        }
    }
    return nullptr;
}

std::int32_t CInventoryTransactions::ProductStatus(const std::string& WID, double PID,
                                                   double SID) const {
    for (const CInventory* t : OfWearer(WID)) {
        if (t->Code < kAddWearer || t->Code > kQuantityUp) {
            continue;  // a code the program does not know stands for no change
        }
        if (t->HasLine(PID, SID)) {
            return t->Code;
        }
        if ((t->Code == kExchangeProduct && t->HasOriginalLine(PID, SID)) ||
            t->Code == kQuitWearer) {
            return t->Code;
        }
    }
    return 0;
}

const CInventoryLine* CInventoryTransactions::FindLineOf(const std::string& WID, std::int32_t code,
                                                         double PID, double SID) const {
    for (const CInventory* t : OfWearer(WID)) {
        if (t->Code == code) {
            if (const CInventoryLine* l = t->FindLine(PID, SID)) {
                return l;
            }
        }
    }
    return nullptr;
}

bool CInventoryTransactions::IsProductQuit(const std::string& WID, double PID, double SID) const {
    return FindLineOf(WID, kQuitProduct, PID, SID) != nullptr;
}

bool CInventoryTransactions::IsProductAdded(const std::string& WID, double PID, double SID) const {
    return FindLineOf(WID, kAddProduct, PID, SID) != nullptr;
}

const CInventoryLine* CInventoryTransactions::FindExchangeLine(const std::string& WID, double PID,
                                                               double SID) const {
    for (const CInventory* t : OfWearer(WID)) {
        if (t->Code == kExchangeProduct) {
            if (const CInventoryLine* l = t->FindOriginalLine(PID, SID)) {
                return l;
            }
        }
    }
    return nullptr;
}

const CInventoryLine* CInventoryTransactions::FindQuantityLine(const std::string& WID, double PID,
                                                               double SID) const {
    for (const CInventory* t : OfWearer(WID)) {
        if (t->Code > kExchangeProduct) {
            if (const CInventoryLine* l = t->FindLine(PID, SID)) {
                return l;
            }
        }
    }
    return nullptr;
}

double CInventoryTransactions::MaxNumber() const {
    double highest = 0;
    for (std::size_t i = 0; i < m_list.size(); ++i) {
        highest = i == 0 ? m_list[i]->Nr : std::max(highest, m_list[i]->Nr);
    }
    return highest;
}

std::size_t CInventoryTransactions::CountDeliveries() const {
    return std::size_t(std::count_if(m_list.begin(), m_list.end(),
                                     [](const auto& t) { return delivers(t->Code); }));
}

bool CInventoryTransactions::WearerFree(const std::string& WID) const {
    return !IsAdded(WID) && !IsQuit(WID);
}

bool CInventoryTransactions::ProductFree(const std::string& WID, double PID, double SID) const {
    for (const CInventory* t : OfWearer(WID)) {
        if (t->Code == kAddWearer || t->Code == kQuitWearer || t->HasLine(PID, SID) ||
            (t->Code == kExchangeProduct && t->HasOriginalLine(PID, SID))) {
            return false;
        }
    }
    return true;
}

std::vector<CWearerProduct> CInventoryTransactions::ModelProducts(const CWearer& wearer) const {
    std::vector<CWearerProduct> model;
    model.reserve(wearer.Inventory.size());
    for (const CWearerProduct& p : wearer.Inventory) {
        if (const CInventoryLine* ex = FindExchangeLine(wearer.ID, p.PID, p.SID)) {
            model.push_back({ex->PID, ex->SID, p.Qty, p.Chg, ex->TID, ex->FID, ex->Price});
        } else {
            model.push_back(p);
        }
    }
    return model;
}

std::vector<CWearerProduct> CInventoryTransactions::ModelProducts(const CInventory& addWearer) {
    std::vector<CWearerProduct> model;
    model.reserve(addWearer.Lines.size());
    for (const CInventoryLine& l : addWearer.Lines) {
        model.push_back({l.PID, l.SID, l.Qty, l.Chg, l.TID, l.FID, l.Price});
    }
    return model;
}

void CInventoryTransactions::Clear() {
    m_file.Forget();
    m_list.clear();
    m_byWID.clear();
}

void CInventoryTransactions::Reindex() {
    m_byWID.clear();
    for (const auto& t : m_list) {
        m_byWID[t->WID].push_back(t.get());
    }
}

}  // namespace kelvo
