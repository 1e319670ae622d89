#include "model/Wearers.h"

#include <algorithm>
#include <utility>

#include "common/WaitCursor.h"
#include "common/XmlReader.h"

namespace kelvo {

namespace {

CWearerProduct readProduct(const XmlElement& e) {
    CWearerProduct p;
    p.PID = e.number("PID");
    p.SID = e.number("SID");
    p.FID = e.number("FID");
    p.Qty = e.number("Qty");
    p.Chg = e.number("Chg");
    p.TID = e.number("TID");
    p.Price = e.number("Price");
    return p;
}

void readWearer(const XmlElement& e, CWearer& w) {
    w.ID = e.text("ID");
    w.Nr = e.number("Nr");
    w.FName = e.text("FName");
    w.FirstName = e.text("FirstName");
    w.EmblemName = e.text("EmblemName");
    w.Admin = e.text("Admin");
    w.Dpt = e.number("Dpt");
    w.Fun = e.number("Fun");
    w.LockID = e.number("LockID");
    w.Bank = e.text("Bank");
    w.Lock = e.text("Lock");
    w.Active = e.flag("Active");
    const XmlElement inventory = e.child("Inventory");
    w.Inventory.reserve(inventory.childCount());
    inventory.forEachChild([&w](const XmlElement& p) { w.Inventory.push_back(readProduct(p)); });
}

}  // namespace

void CWearers::SetPath(std::string_view storageLocation) {
    m_file.SetPath(std::string(storageLocation));
}

std::string CWearers::FilePath(double custId) const {
    return m_file.Path(custId);
}

LoadResult CWearers::Load(const DeviceFs& fs, double custId) {
    if (m_file.Holds(custId)) {
        return LoadResult::Unchanged;
    }
    Clear();
    const WaitCursor wait;
    XmlDocument doc;
    const LoadResult result = m_file.Open(fs, custId, doc);
    if (result != LoadResult::Read) {
        return result;
    }
    const XmlElement root = doc.root();
    std::vector<CWearer> inFileOrder(root.childCount());
    std::size_t i = 0;
    root.forEachChild([&](const XmlElement& e) { readWearer(e, inFileOrder[i++]); });
    // The numbers are sorted and each wearer is then moved once into its place: a sort of the
    // wearers themselves moves each of them many times.
    std::vector<std::pair<double, std::size_t>> order(inFileOrder.size());
    for (std::size_t w = 0; w < order.size(); ++w) {
        order[w] = {inFileOrder[w].Nr, w};
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    m_wearers.reserve(order.size());
    for (const auto& [nr, w] : order) {
        m_wearers.push_back(std::move(inFileOrder[w]));
    }
    m_byID.reserve(m_wearers.size());
    for (std::size_t w = 0; w < m_wearers.size(); ++w) {
        m_byID.emplace(m_wearers[w].ID, w);
    }
    return LoadResult::Read;
}

const CWearer* CWearers::Find(double number) const {
    const auto it = std::lower_bound(m_wearers.begin(), m_wearers.end(), number,
                                     [](const CWearer& w, double n) { return w.Nr < n; });
    return it != m_wearers.end() && it->Nr == number ? &*it : nullptr;
}

const CWearer* CWearers::FindByID(const std::string& id) const {
    const auto it = m_byID.find(id);
    return it == m_byID.end() ? nullptr : &m_wearers[it->second];
}

void CWearers::Clear() {
    m_file.Forget();
    m_wearers.clear();
    m_byID.clear();
}

}  // namespace kelvo
