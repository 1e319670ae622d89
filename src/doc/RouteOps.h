#pragma once

#include <cstddef>
#include <string>

namespace kelvo {

class CKelvoDoc;
class CRouteSummary;

// Operations of the route selection: which route is selected, its start and end, the voucher.
// Every change is made on the current route, saved at once and copied into the route list.

// The route-list entry the driver selected, or nullptr when none is.
CRouteSummary* selectedRouteEntry(CKelvoDoc& doc);

// Makes the selected entry's route the current route (read unless it is already held).
// False when nothing is selected or the route file cannot be read.
bool loadSelectedRoute(CKelvoDoc& doc);

// True once the selected route has a start mileage.
bool routeStarted(CKelvoDoc& doc);

// True when the selected route may not be ended: it has ended already, or it is not settled
// and some stop of the current route is neither settled nor undelivered.
bool endRefused(CKelvoDoc& doc);

// Why a start mileage is refused ("" when it is accepted).
std::string startMileageRefusal(double mileage);
// Why an end mileage is refused against the route's start mileage ("" when it is accepted).
std::string endMileageRefusal(double mileage, double startMileage);

// Records the start of the selected route: mileage and "HH:mm" time; saves the route file.
void recordRouteStart(CKelvoDoc& doc, double mileage, const std::string& time);
// Records the end of the selected route; saves the route file.
void recordRouteEnd(CKelvoDoc& doc, double mileage, const std::string& time);
// Stores the voucher amount the driver typed on the selected route; saves the route file.
void recordVoucherAmount(CKelvoDoc& doc, double amount);

// Stores the truck safety check's remarks on route-list entry `index` and its route file.
// False when that route file cannot be read (the remarks of another route are never touched).
bool recordSafetyRemarks(CKelvoDoc& doc, std::size_t index, const std::string& remarks);

}  // namespace kelvo
