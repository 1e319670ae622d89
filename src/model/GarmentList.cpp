#include "model/GarmentList.h"

#include <algorithm>

#include "common/DeviceFs.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "model/GarmentFlag.h"
#include "model/GarmentReplace.h"

namespace kelvo {

template <class Entry>
FileRead GarmentList<Entry>::Load(const DeviceFs& fs, double custId) {
    if (m_file.Holds(custId)) {
        return {};
    }
    const WaitCursor wait;
    m_entries.clear();
    const FileRead read =
        m_file.Read(fs, custId, [this](const XmlElement& e) { m_entries.push_back(m_read(e)); });
    std::stable_sort(m_entries.begin(), m_entries.end(), before);
    return read;
}

template <class Entry>
std::string GarmentList<Entry>::Content() const {
    std::string out;
    out.reserve(64 + 128 * m_entries.size());
    out.append("<").append(m_rootTag).append(">");
    for (const Entry& entry : m_entries) {
        out.append("\r\n\t<Garment>");
        m_write(out, entry);
        out.append("\r\n\t</Garment>");
    }
    out.append("\r\n</").append(m_rootTag).append(">");
    return out;
}

template <class Entry>
FileChange GarmentList<Entry>::Store(const DeviceFs& fs, Entry entry) {
    if (!m_file.Writable()) {
        return FileChange::Unreadable;
    }
    const auto [first, last] = std::equal_range(m_entries.begin(), m_entries.end(), entry, before);
    if (std::any_of(first, last, [&](const Entry& e) { return m_same(e, entry); })) {
        return FileChange::Duplicate;
    }
    const auto at = m_entries.insert(last, std::move(entry));
    if (!Save(fs)) {
        m_entries.erase(at);
        return FileChange::NotWritten;
    }
    return FileChange::Done;
}

template class GarmentList<CGarmentFlag>;
template class GarmentList<CGarmentReplace>;

}  // namespace kelvo
