#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/RouteSummary.h"

namespace kelvo {

class DeviceFs;

// A route file that Load left out, or listed with numbers cut to what a file carries.
struct RouteFileProblem {
    enum class Kind {
        Unopened,      // cannot be opened: left out
        Damaged,       // not well formed, or without an 8-character Date: left out
        UnsafeDate,    // its Date cannot name a file: left out
        NumbersCut,    // listed; clampedNumbers numbers were larger than a file can hold
    };
    Kind kind = Kind::Unopened;
    std::string path;
    std::string date;               // UnsafeDate: the date read
    std::size_t clampedNumbers = 0;  // NumbersCut: how many
};

// What rebuilding the route list found: the number of routes listed, and the route files
// left out or cut, in the order read.
struct RouteListLoad {
    std::size_t count = 0;
    std::vector<RouteFileProblem> problems;
};

// The routes on the device: one summary per route file of the data folder, ordered by date
// and then by route number. Owns its entries.
class CRouteList {
public:
    // The data root of the route files: "" for an empty storage location, else "\" + it.
    void SetStoragePath(std::string_view storageLocation);
    const std::string& StoragePath() const { return m_StoragePath; }

    // Rebuilds the list from every "Route_*.xml" of the data folder and counts the settled
    // routes again. A file that cannot be opened, is not well formed, has no 8-character Date
    // or a Date that cannot name a file is left out; each such file, and each listed one whose
    // numbers were cut, is among the problems returned for the caller to report.
    RouteListLoad Load(const DeviceFs& fs);

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
