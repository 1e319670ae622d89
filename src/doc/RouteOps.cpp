#include "doc/RouteOps.h"

#include "doc/KelvoDoc.h"
#include "common/Text.h"
#include "common/Translate.h"

namespace kelvo {

CRouteSummary* selectedRouteEntry(CKelvoDoc& doc) {
    const int i = doc.CurrentRouteIndex();
    if (i < 0 || static_cast<std::size_t>(i) >= doc.Routes().Count()) {
        return nullptr;
    }
    return &doc.Routes().At(static_cast<std::size_t>(i));
}

bool loadSelectedRoute(CKelvoDoc& doc) {
    const CRouteSummary* entry = selectedRouteEntry(doc);
    if (!entry) {
        return false;
    }
    doc.Route().SetStoragePath(doc.StorageLocation());
    return doc.Route().Load(doc.Fs(), entry->RouteNumber(), entry->Date());
}

bool routeStarted(CKelvoDoc& doc) {
    const CRouteSummary* entry = selectedRouteEntry(doc);
    return entry && entry->StartMileage() > 0.0;
}

bool endRefused(CKelvoDoc& doc) {
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
    return mileage > 0.0 ? std::string() : tr("Mileage should be greater than Zero.");
}

std::string endMileageRefusal(double mileage, double startMileage) {
    if (!(mileage > 0.0)) {
        return tr("Mileage should be greater than Zero.");
    }
    if (!(mileage > startMileage)) {
        return replaceAll(tr("Mileage should be greater than Mileage at the start (%.1f) of Route."),
                          "%.1f", formatPrice(startMileage, 1));
    }
    return {};
}

void recordRouteStart(CKelvoDoc& doc, double mileage, const std::string& time) {
    CRouteSummary* entry = selectedRouteEntry(doc);
    if (!entry || !loadSelectedRoute(doc)) {
        return;
    }
    doc.Route().SetStartMileage(mileage);
    doc.Route().SetStartTime(time);
    doc.Route().Save(doc.Fs());
    entry->SetStartMileage(mileage);
}

void recordRouteEnd(CKelvoDoc& doc, double mileage, const std::string& time) {
    CRouteSummary* entry = selectedRouteEntry(doc);
    // The route already held is not read again: what is in memory is the route to end.
    if (!entry || !loadSelectedRoute(doc)) {
        return;
    }
    doc.Route().SetEndMileage(mileage);
    doc.Route().SetEndTime(time);
    doc.Route().Save(doc.Fs());
    entry->SetEndMileage(mileage);
}

void recordVoucherAmount(CKelvoDoc& doc, double amount) {
    CRouteSummary* entry = selectedRouteEntry(doc);
    if (!entry || !loadSelectedRoute(doc)) {
        return;
    }
    doc.Route().SetVoucherAmount(amount);
    doc.Route().Save(doc.Fs());
    entry->SetVoucherAmount(amount);
}

bool recordSafetyRemarks(CKelvoDoc& doc, std::size_t index, const std::string& remarks) {
    if (index >= doc.Routes().Count()) {
        return false;
    }
    CRouteSummary& entry = doc.Routes().At(index);
    CRoute& route = doc.Route();
    route.SetStoragePath(doc.StorageLocation());
    if (!route.Load(doc.Fs(), entry.RouteNumber(), entry.Date())) {
        return false;
    }
    route.SetSafetyRemarks(remarks);
    entry.SetSafetyRemarks(remarks);
    route.Save(doc.Fs());
    return true;
}

}  // namespace kelvo
