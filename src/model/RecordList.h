#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/DataPaths.h"
#include "model/CustomerFile.h"

namespace kelvo {

class DeviceFs;
class XmlElement;

// Reads a data file under the wait cursor and calls each(record) for every child element of
// its document element. False when the file cannot be opened; a file that does not parse has
// no records.
bool forEachRecord(const DeviceFs& fs, const std::string& devicePath,
                   const std::function<void(const XmlElement&)>& each);

// Whether a list's file serves the whole route or exists once per customer.
enum class RecordScope { Shared, PerCustomer };

// A reference list: one file of the data folder, read into small records and never written.
// Every child element of the document element is one record whatever its tag; the list's
// reader fills the record from the child's fields. A per-customer list reads
// data root + "\VexXml\" + prefix + customer id ("%.0f") + ".xml" and remembers the customer,
// so that loading the same customer again does not reread the file.
//
// This is the common part of the concrete lists (CAdjReasons, CProducts, ...), which give it
// the file name, the record reader and the order to keep.
template <class Record, RecordScope Scope = RecordScope::Shared>
class RecordList {
public:
    using const_iterator = typename std::vector<Record>::const_iterator;

    // Data root "" for an empty storage location, else "\" + storage location. A change of
    // root forgets the customer loaded, so the next load reads from the new place.
    void SetPath(const std::string& storageLocation) {
        const std::string root = dataRoot(storageLocation);
        if (root != m_DataRoot) {
            m_DataRoot = root;
            m_CustID = kNoCustomer;
        }
    }
    // The data root the list reads from.
    const std::string& DataRoot() const { return m_DataRoot; }

    // Reads the list's file; false (silently) when it cannot be opened, and the list then
    // keeps what it held. A successful load replaces the records; a file that does not
    // parse gives an empty list.
    bool Load(const DeviceFs& fs) requires(Scope == RecordScope::Shared) {
        return ReadFile(fs, m_DataRoot + "\\VexXml\\" + m_fileName);
    }

    // Reads the customer's file unless the list already holds that customer's records (then
    // true without reading). When the file cannot be opened the list is left empty and
    // forgets the customer: another customer's records must never be shown as this one's,
    // and a later load tries the file again. False in that case, silently.
    bool Load(const DeviceFs& fs, double custId) requires(Scope == RecordScope::PerCustomer) {
        if (custId == m_CustID) {
            return true;
        }
        m_records.clear();
        m_CustID = kNoCustomer;
        const std::string path = customerFilePath(m_DataRoot, m_fileName, custId);
        if (path.empty() || !ReadFile(fs, path)) {
            return false;
        }
        m_CustID = custId;
        return true;
    }

    // The customer whose records the list holds; -1 before the first successful load.
    double CustID() const requires(Scope == RecordScope::PerCustomer) { return m_CustID; }

    // Number of records.
    std::size_t Count() const { return m_records.size(); }
    // True when the list holds no record.
    bool IsEmpty() const { return m_records.empty(); }
    // Record i (0 <= i < Count(); std::out_of_range otherwise). References stay valid until
    // the next load that reads a file.
    const Record& At(std::size_t i) const { return m_records.at(i); }
    // The records in list order.
    const_iterator begin() const { return m_records.begin(); }
    const_iterator end() const { return m_records.end(); }

    // First record in list order for which pred(record) holds; nullptr when there is none.
    template <class Pred>
    const Record* Find(Pred pred) const {
        const auto it = std::find_if(m_records.begin(), m_records.end(), pred);
        return it == m_records.end() ? nullptr : &*it;
    }

    // First record whose field equals value, e.g. FindBy(&CProduct::ProductID, 12.0);
    // nullptr when there is none. Texts compare exactly (case-sensitive).
    template <class Field, class Value>
    const Record* FindBy(Field Record::*field, const Value& value) const {
        return Find([&](const Record& r) { return r.*field == value; });
    }

    // Every record for which pred(record) holds, in list order (pointers into the list).
    template <class Pred>
    std::vector<const Record*> Select(Pred pred) const {
        std::vector<const Record*> out;
        for (const Record& r : m_records) {
            if (pred(r)) {
                out.push_back(&r);
            }
        }
        return out;
    }

protected:
    // One record read from one child element of the document element.
    using Reader = Record (*)(const XmlElement& element);
    // Strict order of the list (records for which neither goes first keep file order);
    // nullptr keeps file order.
    using Before = bool (*)(const Record& a, const Record& b);

    // fileName: the whole name ("Flags.xml"), or for a per-customer list the part before the
    // customer id ("Department_").
    RecordList(const char* fileName, Reader read, Before before = nullptr)
        : m_fileName(fileName), m_read(read), m_before(before) {}
    ~RecordList() = default;
    RecordList(const RecordList&) = default;
    RecordList& operator=(const RecordList&) = default;

private:
    static constexpr double kNoCustomer = -1;

    bool ReadFile(const DeviceFs& fs, const std::string& path) {
        std::vector<Record> records;
        if (!forEachRecord(fs, path, [&](const XmlElement& e) { records.push_back(m_read(e)); })) {
            return false;
        }
        if (m_before != nullptr) {
            std::stable_sort(records.begin(), records.end(), m_before);
        }
        m_records = std::move(records);
        return true;
    }

    const char* m_fileName;
    Reader m_read;
    Before m_before;
    std::string m_DataRoot;
    double m_CustID = kNoCustomer;
    std::vector<Record> m_records;
};

}  // namespace kelvo
