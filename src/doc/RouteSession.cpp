#include "doc/RouteSession.h"

#include <utility>

namespace kelvo {

const CRouteSummary* RouteSession::SelectedRouteEntry() const {
    if (m_routeIndex < 0 || static_cast<std::size_t>(m_routeIndex) >= m_routeList.Count()) {
        return nullptr;
    }
    return &m_routeList.At(static_cast<std::size_t>(m_routeIndex));
}

CRouteSummary* RouteSession::SelectedRouteEntry() {
    return const_cast<CRouteSummary*>(std::as_const(*this).SelectedRouteEntry());
}

bool RouteSession::selectRoute(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_routeList.Count()) {
        return false;
    }
    m_routeIndex = row;
    return true;
}

bool RouteSession::readRoute(const DeviceFs& fs, const std::string& storageLocation,
                             std::int32_t routeNumber, const std::string& date) {
    if (!m_route.HoldsRoute() || m_route.RouteNumber() != routeNumber || m_route.Date() != date) {
        m_stopIndex = -1;
        m_lastDepartedIndex = -1;
    }
    m_route.SetStoragePath(storageLocation);
    return m_route.Load(fs, routeNumber, date);
}

const CStop* RouteSession::SelectedStop() const {
    // The stops of a route that could not be read belong to another route.
    if (!m_route.HoldsRoute() || m_stopIndex < 0 ||
        static_cast<std::size_t>(m_stopIndex) >= m_route.StopCount()) {
        return nullptr;
    }
    return &m_route.Stop(static_cast<std::size_t>(m_stopIndex));
}

CStop* RouteSession::SelectedStop() {
    return const_cast<CStop*>(std::as_const(*this).SelectedStop());
}

bool RouteSession::selectStop(int row) {
    if (row < -1 || (row >= 0 && (!m_route.HoldsRoute() ||
                                  static_cast<std::size_t>(row) >= m_route.StopCount()))) {
        return false;
    }
    m_stopIndex = row;
    return true;
}

void RouteSession::leaveSelectedStop() {
    if (SelectedStop()) {
        m_lastDepartedIndex = m_stopIndex;
    }
}

void RouteSession::forgetSelection() {
    m_routeIndex = -1;
    m_stopIndex = -1;
    m_lastDepartedIndex = -1;
}

}  // namespace kelvo
