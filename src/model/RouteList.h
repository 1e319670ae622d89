#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/RouteSummary.h"

namespace kelvo {

class DeviceFs;
class Prompter;

// The routes on the device: one summary per route file of the data folder, ordered by date
// and then by route number. Owns its entries.
class CRouteList {
public:
    // The data root of the route files: "" for an empty storage location, else "\" + it.
    void SetStoragePath(std::string_view storageLocation);
    const std::string& StoragePath() const { return m_StoragePath; }

    // Rebuilds the list from every "Route_*.xml" of the data folder and counts the settled
    // routes again. A file that cannot be opened ("Error Opening Route XML: " + its path), or
    // that is not well formed or has no 8-character Date ("The route file is damaged and is
    // left out: " + its path), is reported (caption "Load Error") and left out. Returns the
    // number of routes listed.
    std::size_t Load(const DeviceFs& fs, Prompter& prompter);

    // Number of entries.
    std::size_t Count() const { return m_Entries.size(); }
    // The entry at a list position (0 <= index < Count(), else std::out_of_range).
    CRouteSummary& At(std::size_t index) { return m_Entries.at(index); }
    const CRouteSummary& At(std::size_t index) const { return m_Entries.at(index); }

    // Makes the entry of this route (found by number and date) hold the route's totals as they
    // are now, and counts the settled routes again. False when no entry is the route's.
    bool Refresh(const CRouteSummary& route);

    // Number of settled routes, shown beside "Routes Settled."; counted by Load and Refresh.
    std::int32_t SettledRoutes() const { return m_SettledRoutes; }

private:
    std::vector<CRouteSummary> m_Entries;
    std::int32_t m_SettledRoutes = 0;
    std::string m_StoragePath;
};

}  // namespace kelvo
