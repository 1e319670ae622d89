#include "model/FlatGoodTransactions.h"

#include <algorithm>

#include "common/DeviceFs.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kTransactionField = "\r\n\t\t";

}  // namespace

FileRead CFlatGoodTransactions::Load(const DeviceFs& fs, double custId) {
    if (m_file.Holds(custId)) {
        return {};
    }
    const WaitCursor wait;
    m_trans.clear();
    return m_file.Read(fs, custId, [this](const XmlElement& e) {
        CFlatGoodTrans& t = m_trans.emplace_back();
        t.Prodcode = e.text("Prodcode");
        t.Freqcode = e.text("Freqcode");
        t.Qty = e.number("Qty");
        t.Price = e.number("Price");
    });
}

std::string CFlatGoodTransactions::Content(int decimals) const {
    std::string out;
    out.reserve(64 + 160 * m_trans.size());
    out.append("<FlatgoodTransactions>");
    for (const CFlatGoodTrans& t : m_trans) {
        out.append("\r\n\t<flatgoodtransaction>");
        appendTextElement(out, kTransactionField, "Prodcode", t.Prodcode);
        appendTextElement(out, kTransactionField, "Freqcode", t.Freqcode);
        appendFixedElement(out, kTransactionField, "Qty", t.Qty, 0);
        appendFixedElement(out, kTransactionField, "Price", t.Price, decimals);
        out.append("\r\n\t</flatgoodtransaction>");
    }
    out.append("\r\n</FlatgoodTransactions>");
    return out;
}

bool CFlatGoodTransactions::Save(const DeviceFs& fs, int decimals) const {
    const WaitCursor wait;
    return m_file.Write(fs, Content(decimals));
}

bool CFlatGoodTransactions::Contains(std::string_view prodcode, std::string_view freqcode) const {
    return std::any_of(m_trans.begin(), m_trans.end(), [&](const CFlatGoodTrans& t) {
        return t.Prodcode == prodcode && t.Freqcode == freqcode;
    });
}

FileChange CFlatGoodTransactions::Add(const DeviceFs& fs, CFlatGoodTrans trans, int decimals) {
    if (!m_file.Writable()) {
        return FileChange::Unreadable;
    }
    if (Contains(trans.Prodcode, trans.Freqcode)) {
        return FileChange::Duplicate;
    }
    m_trans.push_back(std::move(trans));
    if (!Save(fs, decimals)) {
        m_trans.pop_back();
        return FileChange::NotWritten;
    }
    return FileChange::Done;
}

FileChange CFlatGoodTransactions::Remove(const DeviceFs& fs, std::size_t i, int decimals) {
    CFlatGoodTrans removed = m_trans.at(i);
    if (!m_file.Writable()) {
        return FileChange::Unreadable;
    }
    const auto at = m_trans.erase(m_trans.begin() + static_cast<std::ptrdiff_t>(i));
    if (!Save(fs, decimals)) {
        m_trans.insert(at, std::move(removed));
        return FileChange::NotWritten;
    }
    return FileChange::Done;
}

}  // namespace kelvo
