#include "model/Route.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kLine = "\r\n\t";

// Stop order: StopNumber, then CustomerNumber.
bool stopBefore(const CStop& a, const CStop& b) {
    if (a.StopNumber != b.StopNumber) {
        return a.StopNumber < b.StopNumber;
    }
    return a.CustomerNumber < b.CustomerNumber;
}

}  // namespace

CRoute::CRoute() = default;
CRoute::~CRoute() = default;

CStop& CRoute::AddStop(CStop stop) {
    m_Stops.push_back(std::move(stop));
    return PlaceLastStop();
}

CStop& CRoute::PlaceLastStop() {
    // After every stop that is not greater: equal stops stay in file order. Stops usually come
    // in order, and the last one stays where it is.
    const auto last = std::prev(m_Stops.end());
    const auto at = std::upper_bound(m_Stops.begin(), last, *last, stopBefore);
    std::rotate(at, last, m_Stops.end());
    return *at;
}

void CRoute::SetStoragePath(std::string_view storageLocation) {
    m_StoragePath = dataRoot(storageLocation);
}

std::string CRoute::FilePath() const {
    // The date part of the name is at most 9 characters, as the device always named the
    // files; it must not lead the path out of the data folder.
    const std::string datePart = m_Date.substr(0, 9);
    if (!isSafeNamePart(datePart)) {
        return {};
    }
    return m_StoragePath + "\\VexXml\\Route_" + format("%d", m_RouteNumber) + "_" + datePart +
           ".xml";
}

bool CRoute::Load(const DeviceFs& fs, std::int32_t routeNumber, const std::string& date) {
    m_clampedNumbers = 0;
    if (m_holdsRoute && routeNumber == m_RouteNumber && date == m_Date) {
        return true;
    }
    // Until the file is read, what is in memory is not this route: a second Load reads
    // again instead of taking it for this route, and Save does not write it under this name.
    m_RouteNumber = routeNumber;
    m_Date = date;
    m_holdsRoute = false;
    m_loadFailed = true;
    const std::string path = FilePath();
    if (path.empty()) {
        return false;
    }
    WaitCursor wait;
    XmlDocument doc;
    // A damaged file (not well formed) is treated like a missing one rather than read as a
    // route without stops: the driver must not work on, and then save over, an empty route
    // where the back office sent a full one.
    if (!doc.load(fs, path) || !doc.wellFormed()) {
        return false;
    }
    ReadFrom(doc.root());
    m_clampedNumbers = doc.clampedNumbers();
    m_holdsRoute = true;
    m_loadFailed = false;
    return true;
}

void CRoute::ReadFrom(const XmlElement& r) {
    m_Stops.clear();
    // Number and date stay the ones asked for, which name the file: a Date inside the file
    // that disagrees with its name must not make the next save write another file.
    m_ID = r.text("ID");
    m_RouteDescription = r.text("RouteDescription");
    ReadTotals(r);
    m_StartTime = r.text("StartTime");
    m_EndTime = r.text("EndTime");
    m_SafetyRemarks = normaliseLineBreaks(r.text("SafetyRemarks"));
    const XmlElement stops = r.child("Stops");
    m_Stops.reserve(stops.childCount());
    stops.forEachChild([this](const XmlElement& stop) {
        m_Stops.push_back(CStop::Read(stop, m_Date, m_RouteNumber));
    });
    // Sorted once (stable: the order AddStop gives one by one), so that stops that come in
    // descending order cost no more than stops in order; those, the usual case, are not moved.
    if (!std::is_sorted(m_Stops.begin(), m_Stops.end(), stopBefore)) {
        std::stable_sort(m_Stops.begin(), m_Stops.end(), stopBefore);
    }
}

bool CRoute::Save(const DeviceFs& fs) const {
    if (m_loadFailed) {
        return false;
    }
    const std::string path = FilePath();
    return !path.empty() && writeFileAtomic(fs, path, ToXml());
}

std::string CRoute::ToXml() const {
    std::string out;
    // A stop takes 1.5 to 2.5 kB: one allocation for the usual route, no copy while growing.
    out.reserve(1024 + 3072 * m_Stops.size());
    out.append("<Route>");
    appendTextElement(out, kLine, "ID", m_ID);
    appendTextElement(out, kLine, "Date", m_Date);
    appendWholeElement(out, kLine, "RouteNumber", m_RouteNumber);
    appendTextElement(out, kLine, "RouteDescription", m_RouteDescription);
    appendFixedElement(out, kLine, "PrebilledAmountCharge", m_PrebilledAmountCharge, 2);
    appendFixedElement(out, kLine, "PrebilledAmountCOD", m_PrebilledAmountCOD, 2);
    appendFixedElement(out, kLine, "PlusAdjustmentsCharge", m_PlusAdjustmentsCharge, 2);
    appendFixedElement(out, kLine, "PlusAdjustmentsCOD", m_PlusAdjustmentsCOD, 2);
    appendFixedElement(out, kLine, "MinusAdjustmentsCharge", m_MinusAdjustmentsCharge, 2);
    appendFixedElement(out, kLine, "MinusAdjustmentsCOD", m_MinusAdjustmentsCOD, 2);
    appendFixedElement(out, kLine, "TotalUndeliveredCharge", m_TotalUndeliveredCharge, 2);
    appendFixedElement(out, kLine, "TotalUndeliveredCOD", m_TotalUndeliveredCOD, 2);
    appendFixedElement(out, kLine, "PayThisAmountCharge", m_PayThisAmountCharge, 2);
    appendFixedElement(out, kLine, "PayThisAmountCOD", m_PayThisAmountCOD, 2);
    appendFixedElement(out, kLine, "TotalCollectionsCharge", m_TotalCollectionsCharge, 2);
    appendFixedElement(out, kLine, "TotalCollectionsCOD", m_TotalCollectionsCOD, 2);
    appendFixedElement(out, kLine, "VoucherAmount", m_VoucherAmount, 2);
    appendTextElement(out, kLine, "StartTime", m_StartTime);
    appendTextElement(out, kLine, "EndTime", m_EndTime);
    appendFixedElement(out, kLine, "StartMileage", m_StartMileage, 1);
    appendFixedElement(out, kLine, "EndMileage", m_EndMileage, 1);
    appendWholeElement(out, kLine, "TotalStops", static_cast<std::int32_t>(m_TotalStops));
    appendWholeElement(out, kLine, "SettledStops", static_cast<std::int32_t>(m_SettledStops));
    appendTextElement(out, kLine, "SafetyRemarks", m_SafetyRemarks);
    out.append("\r\n\t<Stops>");
    for (const CStop& stop : m_Stops) {
        stop.AppendXml(out);
    }
    out.append("\r\n\t</Stops>\r\n</Route>");
    return out;
}

void CRoute::Reset() {
    static_cast<CRouteSummary&>(*this) = CRouteSummary();
    m_ID.clear();
    m_RouteDescription.clear();
    m_StartTime.clear();
    m_EndTime.clear();
    m_Stops.clear();
    m_holdsRoute = false;
    m_loadFailed = false;
}

}  // namespace kelvo
