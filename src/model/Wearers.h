#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/CustomerFile.h"
#include "model/Wearer.h"

namespace kelvo {

class DeviceFs;

// The wearers of one customer, from the customer's wearer file "\VexXml\Wearer_<customer>.xml"
// (read only: the handheld never writes it), kept in ascending order of Nr; wearers with
// equal numbers keep file order. References stay valid until the next load that reads.
class CWearers {
public:
    using const_iterator = std::vector<CWearer>::const_iterator;

    // Data root "" for an empty storage location, else "\" + storage location. A change of
    // root forgets the customer loaded, so that the next load reads from the new place.
    void SetPath(std::string_view storageLocation);
    // The wearer file of a customer; "" when the customer number cannot name a file.
    std::string FilePath(double custId) const;

    // Reads the customer's wearer file unless the list holds that customer already
    // (Unchanged). Read: the list holds the file's wearers. Otherwise the list is empty:
    // Missing (no file; the customer is remembered), Damaged or Refused (the customer is
    // forgotten, so the next load tries again).
    LoadResult Load(const DeviceFs& fs, double custId);
    // The customer the list was loaded for; -1 before the first load and after a failed one.
    double CustID() const { return m_file.Writable() ? m_file.CustID() : -1; }

    // Number of wearers.
    std::size_t Count() const { return m_wearers.size(); }
    // Wearer i in number order (0 <= i < Count(), else std::out_of_range).
    const CWearer& At(std::size_t i) const { return m_wearers.at(i); }
    // The wearers in number order.
    const_iterator begin() const { return m_wearers.begin(); }
    const_iterator end() const { return m_wearers.end(); }

    // The first wearer whose Nr equals number exactly; nullptr when none.
    const CWearer* Find(double number) const;
    // The first wearer (in number order) whose ID is id; nullptr when none.
    const CWearer* FindByID(const std::string& id) const;
    // The highest Nr; 0 for an empty list.
    double MaxNumber() const { return m_wearers.empty() ? 0 : m_wearers.back().Nr; }

private:
    void Clear();

    CustomerFile m_file{"Wearer_"};
    std::vector<CWearer> m_wearers;
    std::unordered_map<std::string, std::size_t> m_byID;  // first wearer of each ID
};

}  // namespace kelvo
