#pragma once

#include <cstdint>
#include <string>

#include "model/Route.h"
#include "model/RouteList.h"

namespace kelvo {

class DeviceFs;

// What the stop information screen shows: the stop's instructions or its account's aging.
enum class StopInfoPage { Instructions, Aging };

// The route session: the day's route list, the route held in memory (the one the driver works
// on), the selected row of the list, the selected stop of the route held, the stop last
// departed from, whether today's truck safety check is done, and the page the stop information
// screen shows. Its methods keep the selection consistent, so that no caller has to: a
// selected stop is a stop of the route held or none, and another route forgets the stops of
// the one before.
class RouteSession {
public:
    CRouteList& Routes() { return m_routeList; }
    const CRouteList& Routes() const { return m_routeList; }
    // The route held; its stops are the ones a stop selection means.
    CRoute& Route() { return m_route; }
    const CRoute& Route() const { return m_route; }

    // The selected row of the route list; -1 when none.
    int SelectedRouteIndex() const { return m_routeIndex; }
    // The route-list entry of the selected row; nullptr when none is selected.
    const CRouteSummary* SelectedRouteEntry() const;
    CRouteSummary* SelectedRouteEntry();
    // The driver chose row `row` of the route list; false (nothing changes) when the list has
    // no such row. The route itself is read by readRoute.
    bool selectRoute(int row);
    // The list has nothing to choose: no row is selected.
    void selectNoRoute() { m_routeIndex = -1; }

    // Reads route `routeNumber` of `date` into the route held. Another route than the one held
    // forgets the selected stop and the stop last departed from (their positions mean nothing
    // on it: a route the driver turns to starts at its first stop, and its first travel at its
    // start). False when its file could not be read.
    bool readRoute(const DeviceFs& fs, const std::string& storageLocation, std::int32_t routeNumber,
                   const std::string& date);

    // The position of the selected stop in the route held; -1 when none.
    int SelectedStopIndex() const { return m_stopIndex; }
    // The selected stop; nullptr when none is selected or the route file could not be read
    // (the stops in memory then belong to another route).
    const CStop* SelectedStop() const;
    CStop* SelectedStop();
    // The driver selected stop `row` of the route held (-1: none). False (nothing changes) for
    // a row that is not a stop of it.
    bool selectStop(int row);

    // The position of the stop the driver last left; -1 when none (the next travel counts from
    // the start of the route).
    int LastDepartedStopIndex() const { return m_lastDepartedIndex; }
    // The driver has left the selected stop (departed, or marked it undeliverable): the travel
    // to the next one counts from it. Nothing changes without a selected stop.
    void leaveSelectedStop();
    // The next travel counts from the start of the route: no stop is the one last left.
    void forgetDeparture() { m_lastDepartedIndex = -1; }

    // Forgets the selected route, stop and last departure (the day's data came in anew).
    void forgetSelection();

    // True once today's truck safety check counts as done.
    bool SafetyDone() const { return m_safetyDone; }
    // The checklist as the day started: done only when it is complete.
    void takeChecklist(bool complete) { m_safetyDone = complete; }
    // The checklist was saved or found complete: the check is done for the day.
    void markSafetyDone() { m_safetyDone = true; }

    // The page the stop information screen shows next.
    StopInfoPage StopInfo() const { return m_stopInfo; }
    void showStopInfo(StopInfoPage page) { m_stopInfo = page; }

private:
    CRouteList m_routeList;
    CRoute m_route;
    int m_routeIndex = -1;
    int m_stopIndex = -1;
    int m_lastDepartedIndex = -1;
    bool m_safetyDone = false;
    StopInfoPage m_stopInfo = StopInfoPage::Instructions;
};

}  // namespace kelvo
