#pragma once

#include <cstddef>
#include <string>

#include "doc/Outcome.h"

namespace kelvo {

class CKelvoDoc;
class CRoute;
class CRouteSummary;

// Operations of the route selection: which route is selected, its start and end, the voucher.
// Every change is made on the current route, saved at once and copied into the route list.

// The route-list entry the driver selected (RouteSession::SelectedRouteEntry), or nullptr when
// none is.
CRouteSummary* selectedRouteEntry(CKelvoDoc& doc);
const CRouteSummary* selectedRouteEntry(const CKelvoDoc& doc);

// Makes the selected entry's route the current route (read unless it is already held); another
// route than the one held opens with no stop selected or last left. False when nothing is
// selected or the route file cannot be read.
bool loadSelectedRoute(CKelvoDoc& doc);

// The driver selected route-list row `row`: it becomes the selected route and its route the
// current one (see loadSelectedRoute). False, selecting nothing new, for a row outside the
// list; false as well when the route file cannot be read (the row stays selected).
bool selectRoute(CKelvoDoc& doc, int row);

// When the route selection opens: a complete safety checklist counts as done, and the route
// to select is chosen. Coming back from the stops or the safety check (previousScreen) it is
// the route being worked on, found by number and date (two days may each hold a route of the
// same number); otherwise the first. Selects it and returns its row; -1 without routes.
int openRouteSelection(CKelvoDoc& doc, int previousScreen);

// True once the selected route has a start mileage.
bool routeStarted(const CKelvoDoc& doc);
// True while the selected route has started and not ended: the driver stays on the routes.
bool routeInProgress(const CKelvoDoc& doc);

// True when the selected route may not be ended: it has ended already, or it is not settled
// and some stop of the current route is neither settled nor undelivered.
bool endRefused(const CKelvoDoc& doc);

// Largest mileage an odometer can show.
inline constexpr double kMaxMileage = 999999999.9;

// Why a start mileage is refused ("" when it is accepted).
std::string startMileageRefusal(double mileage);
// Why an end mileage is refused against the route's start mileage ("" when it is accepted).
std::string endMileageRefusal(double mileage, double startMileage);

// Records the start of the selected route: mileage and "HH:mm" time; saves the route file.
// Not done when no route is selected or its file cannot be read. Done, the change kept in
// memory, when the file could not be written (saveRoute told the driver); written: the route
// file when it was.
Outcome recordRouteStart(CKelvoDoc& doc, double mileage, const std::string& time);
// Records the end of the selected route; saves the route file (done and written as the start).
Outcome recordRouteEnd(CKelvoDoc& doc, double mileage, const std::string& time);
// Stores the voucher amount the driver typed on the selected route; saves the route file (done
// and written as the start).
Outcome recordVoucherAmount(CKelvoDoc& doc, double amount);

// The route-list entry the truck's safety remarks belong to, with its route file loaded as
// the current route: the selected route, else the day's only route (the checklist is usually
// answered before a route is chosen, and a driver has one route a day). -1 after telling the
// driver why there is none: no route, several and none selected, or a file that cannot be read.
int loadSafetyRemarksRoute(CKelvoDoc& doc);

// Stores the truck safety check's remarks on route-list entry `index` and its route file.
// Not done when that route file cannot be read (the remarks of another route are never
// touched); written: the route file when it could be saved (saveRoute says when not).
Outcome recordSafetyRemarks(CKelvoDoc& doc, std::size_t index, const std::string& remarks);

// Saves the current route: its route-list entry takes the route's totals (the one place they
// are copied), then the route file is written; when it cannot be written, tells the driver
// (the old file stays whole, the changes stay in memory for the next save) and returns false.
bool saveRoute(CKelvoDoc& doc);
// saveRoute as a step of an operation: done, with the route file written when it could be
// (saveRoute has told the driver when not; the change stands and goes with the next save).
Outcome routeSaved(CKelvoDoc& doc);
// The same for another route read from its file.
bool saveRoute(CKelvoDoc& doc, const CRoute& route);

}  // namespace kelvo
