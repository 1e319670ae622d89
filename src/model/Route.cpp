#include "model/Route.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"

namespace kelvo {

namespace {

constexpr std::string_view kLine = "\r\n\t";

// Appends line + "<tag>" + value + "</tag>" with the value as it stands.
void appendRaw(std::string& out, std::string_view line, std::string_view tag,
               std::string_view value) {
    out.append(line).append(1, '<').append(tag).append(1, '>');
    out.append(value);
    out.append("</").append(tag).append(1, '>');
}

// The same with a free text: XML-escaped (copied only when there is something to escape).
void appendText(std::string& out, std::string_view tag, std::string_view value) {
    if (value.find_first_of("&<>") == std::string_view::npos) {
        appendRaw(out, kLine, tag, value);
    } else {
        appendRaw(out, kLine, tag, xmlEscape(value));
    }
}

void appendAmount(std::string& out, std::string_view tag, double value) {
    appendRaw(out, kLine, tag, format("%.2f", value));
}

// Stop order: StopNumber, then CustomerNumber.
bool stopBefore(const std::unique_ptr<CStop>& a, const std::unique_ptr<CStop>& b) {
    if (a->StopNumber() != b->StopNumber()) {
        return a->StopNumber() < b->StopNumber();
    }
    return a->CustomerNumber() < b->CustomerNumber();
}

}  // namespace

CRoute::CRoute() = default;
CRoute::~CRoute() = default;

CStop& CRoute::AddStop(std::unique_ptr<CStop> stop) {
    // After every stop that is not greater: equal stops stay in file order.
    const auto at = std::upper_bound(m_Stops.begin(), m_Stops.end(), stop, stopBefore);
    return **m_Stops.insert(at, std::move(stop));
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
    m_PrebilledAmountCharge = r.number("PrebilledAmountCharge");
    m_PrebilledAmountCOD = r.number("PrebilledAmountCOD");
    m_PlusAdjustmentsCharge = r.number("PlusAdjustmentsCharge");
    m_PlusAdjustmentsCOD = r.number("PlusAdjustmentsCOD");
    m_MinusAdjustmentsCharge = r.number("MinusAdjustmentsCharge");
    m_MinusAdjustmentsCOD = r.number("MinusAdjustmentsCOD");
    m_TotalUndeliveredCharge = r.number("TotalUndeliveredCharge");
    m_TotalUndeliveredCOD = r.number("TotalUndeliveredCOD");
    m_PayThisAmountCharge = r.number("PayThisAmountCharge");
    m_PayThisAmountCOD = r.number("PayThisAmountCOD");
    m_TotalCollectionsCharge = r.number("TotalCollectionsCharge");
    m_TotalCollectionsCOD = r.number("TotalCollectionsCOD");
    m_VoucherAmount = r.number("VoucherAmount");
    m_StartTime = r.text("StartTime");
    m_EndTime = r.text("EndTime");
    m_TotalStops = static_cast<std::uint32_t>(r.whole("TotalStops"));
    m_SettledStops = static_cast<std::uint32_t>(r.whole("SettledStops"));
    m_StartMileage = r.number("StartMileage");
    m_EndMileage = r.number("EndMileage");
    m_SafetyRemarks = normaliseLineBreaks(r.text("SafetyRemarks"));
    XmlRecordLayout stops;
    r.child("Stops").forEachChild([this, &stops](const XmlElement& stop) {
        AddStop(CStop::ReadFrom(stop, m_Date, m_RouteNumber, stops));
    });
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
    appendText(out, "ID", m_ID);
    appendText(out, "Date", m_Date);
    appendRaw(out, kLine, "RouteNumber", format("%d", m_RouteNumber));
    appendText(out, "RouteDescription", m_RouteDescription);
    appendAmount(out, "PrebilledAmountCharge", m_PrebilledAmountCharge);
    appendAmount(out, "PrebilledAmountCOD", m_PrebilledAmountCOD);
    appendAmount(out, "PlusAdjustmentsCharge", m_PlusAdjustmentsCharge);
    appendAmount(out, "PlusAdjustmentsCOD", m_PlusAdjustmentsCOD);
    appendAmount(out, "MinusAdjustmentsCharge", m_MinusAdjustmentsCharge);
    appendAmount(out, "MinusAdjustmentsCOD", m_MinusAdjustmentsCOD);
    appendAmount(out, "TotalUndeliveredCharge", m_TotalUndeliveredCharge);
    appendAmount(out, "TotalUndeliveredCOD", m_TotalUndeliveredCOD);
    appendAmount(out, "PayThisAmountCharge", m_PayThisAmountCharge);
    appendAmount(out, "PayThisAmountCOD", m_PayThisAmountCOD);
    appendAmount(out, "TotalCollectionsCharge", m_TotalCollectionsCharge);
    appendAmount(out, "TotalCollectionsCOD", m_TotalCollectionsCOD);
    appendAmount(out, "VoucherAmount", m_VoucherAmount);
    appendText(out, "StartTime", m_StartTime);
    appendText(out, "EndTime", m_EndTime);
    appendRaw(out, kLine, "StartMileage", format("%.1f", m_StartMileage));
    appendRaw(out, kLine, "EndMileage", format("%.1f", m_EndMileage));
    appendRaw(out, kLine, "TotalStops", format("%d", static_cast<int>(m_TotalStops)));
    appendRaw(out, kLine, "SettledStops", format("%d", static_cast<int>(m_SettledStops)));
    appendText(out, "SafetyRemarks", m_SafetyRemarks);
    out.append("\r\n\t<Stops>");
    for (const auto& stop : m_Stops) {
        stop->AppendXml(out);
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
