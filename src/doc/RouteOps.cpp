#include "doc/RouteOps.h"

#include <utility>

#include "common/FileValues.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/Commands.h"
#include "doc/KelvoDoc.h"

namespace kelvo {

CRouteSummary* selectedRouteEntry(CKelvoDoc& doc) {
    return doc.Routing().SelectedRouteEntry();
}

const CRouteSummary* selectedRouteEntry(const CKelvoDoc& doc) {
    return doc.Routing().SelectedRouteEntry();
}

bool loadSelectedRoute(CKelvoDoc& doc) {
    const CRouteSummary* entry = selectedRouteEntry(doc);
    if (!entry) {
        return false;
    }
    RouteSession& routing = doc.Routing();
    if (!routing.readRoute(doc.Fs(), doc.StorageLocation(), entry->RouteNumber(), entry->Date())) {
        return false;
    }
    reportClampedNumbers(doc.Prompt(), routing.Route().FilePath(),
                         routing.Route().ClampedNumbers());
    return true;
}

bool selectRoute(CKelvoDoc& doc, int row) {
    return doc.Routing().selectRoute(row) && loadSelectedRoute(doc);
}

int openRouteSelection(CKelvoDoc& doc, int previousScreen) {
    // A complete checklist counts as done; a saved checklist was counted already.
    if (doc.SafetyChecks().IsComplete()) {
        doc.Routing().markSafetyDone();
    }
    const CRouteList& routes = doc.Routes();
    if (routes.Count() == 0) {
        doc.Routing().selectNoRoute();
        return -1;
    }
    int row = 0;
    const CRoute& held = doc.Route();
    if ((previousScreen == screen::StopSelect || previousScreen == screen::Safety) &&
        held.HoldsRoute()) {
        for (std::size_t i = 0; i < routes.Count(); ++i) {
            const CRouteSummary& e = routes.At(i);
            if (e.RouteNumber() == held.RouteNumber() && e.Date() == held.Date()) {
                row = static_cast<int>(i);
                break;
            }
        }
    }
    doc.Routing().selectRoute(row);
    return row;
}

bool routeStarted(const CKelvoDoc& doc) {
    const CRouteSummary* entry = selectedRouteEntry(doc);
    return entry && entry->StartMileage() > 0.0;
}

bool routeInProgress(const CKelvoDoc& doc) {
    return routeStarted(doc) && !(selectedRouteEntry(doc)->EndMileage() > 0.0);
}

bool endRefused(const CKelvoDoc& doc) {
    const CRouteSummary* entry = selectedRouteEntry(doc);
    if (!entry || entry->EndMileage() > 0.0) {
        return true;
    }
    if (entry->IsSettled()) {
        return false;
    }
    const CRoute& route = doc.Route();
    for (std::size_t i = 0; i < route.StopCount(); ++i) {
        if (route.Stop(i).Status().empty()) {
            return true;  // a stop still to visit
        }
    }
    return false;
}

std::string startMileageRefusal(double mileage) {
    if (!(mileage > 0.0)) {
        return tr("Mileage should be greater than Zero.");
    }
    if (mileage > kMaxMileage) {
        return tr("Please enter a mileage between 0 and 999999999.9.");
    }
    return {};
}

std::string endMileageRefusal(double mileage, double startMileage) {
    std::string refusal = startMileageRefusal(mileage);
    if (!refusal.empty()) {
        return refusal;
    }
    if (!(mileage > startMileage)) {
        return replaceAll(
            tr("Mileage should be greater than Mileage at the start (%.1f) of Route."), "%.1f",
            formatPrice(startMileage, 1));
    }
    return {};
}

namespace {

// Changes the selected route: in memory (read unless it is held already: what is in memory is
// the route being worked on), in its file, and in its route-list entry. Not done when there is
// no selected route to read; done even when its file could not be written (saveRoute says so,
// and the change goes with the next save).
template <class Change>
Outcome changeSelectedRoute(CKelvoDoc& doc, Change change) {
    if (!loadSelectedRoute(doc)) {
        return {};
    }
    change(doc.Route());
    return routeSaved(doc);
}

}  // namespace

bool saveRoute(CKelvoDoc& doc) {
    return saveRoute(doc, doc.Route());
}

Outcome routeSaved(CKelvoDoc& doc) {
    Outcome outcome{true, {}, {}};
    if (saveRoute(doc)) {
        outcome.written.push_back(doc.Route().FilePath());
    }
    return outcome;
}

bool saveRoute(CKelvoDoc& doc, const CRoute& route) {
    // The entry shows what memory holds, saved or not: a failed save keeps it for the next.
    doc.Routes().Refresh(route);
    if (route.Save(doc.Fs())) {
        return true;
    }
    // The old file stays whole; what changed stays in memory and goes with the next save.
    doc.Prompt().inform(
        tr("The route file could not be saved (the device may be full): ") + route.FilePath(),
        tr("Error data files"), MessageIcon::Warning);
    return false;
}

Outcome recordRouteStart(CKelvoDoc& doc, double mileage, const std::string& time) {
    return changeSelectedRoute(doc, [&](CRoute& route) {
        route.SetStartMileage(mileage);
        route.SetStartTime(time);
    });
}

Outcome recordRouteEnd(CKelvoDoc& doc, double mileage, const std::string& time) {
    return changeSelectedRoute(doc, [&](CRoute& route) {
        route.SetEndMileage(mileage);
        route.SetEndTime(time);
    });
}

Outcome recordVoucherAmount(CKelvoDoc& doc, double amount) {
    return changeSelectedRoute(doc, [&](CRoute& route) { route.SetVoucherAmount(amount); });
}

int loadSafetyRemarksRoute(CKelvoDoc& doc) {
    const CRouteList& routes = doc.Routes();
    int index = doc.Routing().SelectedRouteIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= routes.Count()) {
        if (routes.Count() != 1) {
            doc.Prompt().inform(routes.Count() == 0 ? tr("No route available for the remarks.")
                                                    : tr("Please select a route first."),
                                tr("Warning"), MessageIcon::Warning);
            return -1;
        }
        index = 0;
    }
    const CRouteSummary& entry = routes.At(static_cast<std::size_t>(index));
    const CRoute& route = doc.Route();
    if (!doc.Routing().readRoute(doc.Fs(), doc.StorageLocation(), entry.RouteNumber(),
                                 entry.Date())) {
        // The remarks of another route must not be shown or saved in its place.
        doc.Prompt().inform(tr("Error Opening Route XML: ") + route.FilePath(), tr("Load Error"),
                            MessageIcon::None);
        return -1;
    }
    return index;
}

Outcome recordSafetyRemarks(CKelvoDoc& doc, std::size_t index, const std::string& remarks) {
    if (index >= doc.Routes().Count()) {
        return {};
    }
    const CRouteSummary& entry = doc.Routes().At(index);
    if (!doc.Routing().readRoute(doc.Fs(), doc.StorageLocation(), entry.RouteNumber(),
                                 entry.Date())) {
        return {};
    }
    doc.Route().SetSafetyRemarks(remarks);
    return routeSaved(doc);
}

}  // namespace kelvo
