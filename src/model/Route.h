#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/RouteSummary.h"
#include "model/Stop.h"

namespace kelvo {

class DeviceFs;
class XmlElement;

// The current route: one route file read in full with its stops, changed by the workflow
// and written back whole after every change. Owns its stops.
class CRoute : public CRouteSummary {
public:
    CRoute();
    ~CRoute();
    CRoute(const CRoute&) = delete;
    CRoute& operator=(const CRoute&) = delete;

    // Route identifier from the host (carried, never interpreted).
    const std::string& ID() const { return m_ID; }
    void SetID(std::string v) { m_ID = std::move(v); }
    // Route description.
    const std::string& RouteDescription() const { return m_RouteDescription; }
    void SetRouteDescription(std::string v) { m_RouteDescription = std::move(v); }
    // "HH:mm" at which the route was started / ended; "" until then.
    const std::string& StartTime() const { return m_StartTime; }
    void SetStartTime(std::string v) { m_StartTime = std::move(v); }
    const std::string& EndTime() const { return m_EndTime; }
    void SetEndTime(std::string v) { m_EndTime = std::move(v); }

    // Number of stops.
    std::size_t StopCount() const { return m_Stops.size(); }
    // The stop at a list position (0 <= index < StopCount(), else std::out_of_range).
    CStop& Stop(std::size_t index) { return m_Stops.at(index); }
    const CStop& Stop(std::size_t index) const { return m_Stops.at(index); }
    // Takes a stop into the list in stop order: before the first stop with a greater
    // StopNumber, or the same StopNumber and a greater CustomerNumber. Returns the stop (valid
    // until the next AddStop or Load).
    CStop& AddStop(CStop stop);

    // The data root of the route file: "" for an empty storage location, else "\" + it.
    void SetStoragePath(std::string_view storageLocation);
    const std::string& StoragePath() const { return m_StoragePath; }
    // Data root + "\VexXml\Route_<number>_<date>.xml" from the number and date held; ""
    // when the date is empty or cannot be part of a file name.
    std::string FilePath() const;

    // Makes the route with this number and date the current route. When it is the route
    // already held (same number, same date text) returns true without reading, so changes in
    // memory stay. Otherwise takes number and date and reads the file; false when the date
    // is empty or the file cannot be opened or is not well formed: the previous header and
    // stops then stay in memory, the next Load reads again and Save refuses to write them.
    bool Load(const DeviceFs& fs, std::int32_t routeNumber, const std::string& date);
    // Rewrites the route file from memory (atomically). False when it could not be written,
    // or when the last Load failed (what is in memory belongs to another route).
    [[nodiscard]] bool Save(const DeviceFs& fs) const;
    // The route file's content.
    std::string ToXml() const;

    // Numbers of the file read by the last Load that were beyond what a file carries and were
    // clamped (0 when that Load did not read).
    std::size_t ClampedNumbers() const { return m_clampedNumbers; }

    // Forgets the route: header and stops cleared; the next Load always reads.
    void Reset();
    // True after a successful Load, until Reset or a failed Load.
    bool HoldsRoute() const { return m_holdsRoute; }

private:
    void ReadFrom(const XmlElement& route);
    // Moves the last stop of the list to its place in stop order.
    CStop& PlaceLastStop();

    std::string m_ID;
    std::string m_RouteDescription;
    std::string m_StartTime;
    std::string m_EndTime;
    std::vector<CStop> m_Stops;
    std::string m_StoragePath;
    bool m_holdsRoute = false;
    bool m_loadFailed = false;
    std::size_t m_clampedNumbers = 0;
};

}  // namespace kelvo
