#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/CustomerFile.h"

namespace kelvo {

class DeviceFs;
class XmlElement;

// The scanned garments of one customer and their file: entries kept in ascending order of
// their garment code ID (text comparison; equal codes in the order they were added), read and
// written whole. The common part of CGarmentFlags and CGarmentsToReplace, which give it the
// file, the entry's reader and writer and what makes two entries the same (GarmentList.cpp
// instantiates it for their entries).
template <class Entry>
class GarmentList {
public:
    using const_iterator = typename std::vector<Entry>::const_iterator;

    // Data root "" for an empty storage location, else "\" + storage location.
    void SetPath(const std::string& storageLocation) { m_file.SetPath(storageLocation); }

    // Reads the customer's file unless the list holds it already (then Unchanged without
    // reading). A missing or empty file gives an empty list. When it cannot be read (Damaged,
    // Refused) the list is empty and nothing is written to that file. Says nothing: the caller
    // reports what was found.
    FileRead Load(const DeviceFs& fs, double custId);

    // Writes the customer's file from the list. False when the file could not be read at the
    // last Load (it is kept as it is) or could not be written.
    [[nodiscard]] bool Save(const DeviceFs& fs) const { return m_file.Write(fs, Content()); }
    // The file content Save writes.
    std::string Content() const;

    // Adds the entry in code order and writes the file. Refused (Duplicate) when the list holds
    // the same entry (same code, same flag or reason), and (Unreadable) when the last Load could
    // not read the file. When the file cannot be written the entry is taken out again.
    [[nodiscard]] FileChange Store(const DeviceFs& fs, Entry entry);

    // The file: its path ("" when the customer cannot name one) and whether it may be written.
    const CustomerFile& File() const { return m_file; }

    // Number of entries.
    std::size_t Count() const { return m_entries.size(); }
    // Entry i (0 <= i < Count(); std::out_of_range otherwise).
    const Entry& At(std::size_t i) const { return m_entries.at(i); }
    // The entries in code order.
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }

protected:
    using Reader = Entry (*)(const XmlElement& element);
    using Writer = void (*)(std::string& out, const Entry& entry);
    using Same = bool (*)(const Entry& a, const Entry& b);

    // prefix: the file name before the customer; rootTag: the file's document element.
    GarmentList(const char* prefix, const char* rootTag, Reader read, Writer write, Same same)
        : m_file(prefix), m_rootTag(rootTag), m_read(read), m_write(write), m_same(same) {}
    ~GarmentList() = default;
    GarmentList(const GarmentList&) = default;
    GarmentList& operator=(const GarmentList&) = default;

private:
    static bool before(const Entry& a, const Entry& b) { return a.ID < b.ID; }

    CustomerFile m_file;
    const char* m_rootTag;
    Reader m_read;
    Writer m_write;
    Same m_same;
    std::vector<Entry> m_entries;
};

}  // namespace kelvo
