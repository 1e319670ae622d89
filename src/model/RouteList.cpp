#include "model/RouteList.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"

namespace kelvo {

namespace {

// The entry of a parsed route file; its stops are not read.
CRouteSummary readSummary(const XmlElement& r) {
    CRouteSummary s;
    s.SetDate(r.text("Date"));
    s.SetRouteNumber(r.whole("RouteNumber"));
    s.ReadTotals(r);
    s.SetSafetyRemarks(r.text("SafetyRemarks"));
    return s;
}

// List order: Date as text, then RouteNumber as an unsigned number.
bool entryBefore(const CRouteSummary& a, const CRouteSummary& b) {
    if (a.Date() != b.Date()) {
        return a.Date() < b.Date();
    }
    return static_cast<std::uint32_t>(a.RouteNumber()) <
           static_cast<std::uint32_t>(b.RouteNumber());
}

}  // namespace

void CRouteList::SetStoragePath(std::string_view storageLocation) {
    m_StoragePath = dataRoot(storageLocation);
}

bool CRouteList::Refresh(const CRouteSummary& route) {
    const auto it = std::find_if(m_Entries.begin(), m_Entries.end(), [&](const CRouteSummary& e) {
        return e.RouteNumber() == route.RouteNumber() && e.Date() == route.Date();
    });
    if (it == m_Entries.end()) {
        return false;
    }
    *it = route;
    m_SettledRoutes = static_cast<std::int32_t>(std::count_if(
        m_Entries.begin(), m_Entries.end(), [](const CRouteSummary& e) { return e.IsSettled(); }));
    return true;
}

RouteListLoad CRouteList::Load(const DeviceFs& fs) {
    const WaitCursor wait;
    m_Entries.clear();
    m_SettledRoutes = 0;
    const std::string folder = m_StoragePath + "\\VexXml\\";
    RouteListLoad out;
    for (const std::string& name : fs.listFiles(folder, "Route_*.xml")) {
        const std::string path = folder + name;
        XmlDocument doc;
        const bool opened = doc.load(fs, path);
        CRouteSummary entry;
        if (opened && doc.wellFormed()) {
            entry = readSummary(doc.root());
        }
        // A damaged file, or one without a date, is left out instead of being listed as an
        // empty route: an empty route counts as settled and would tell the driver that the
        // work of that day is done. Without its date a route cannot be opened anyway (the date
        // names the file).
        if (!opened || !doc.wellFormed() || entry.Date().size() != 8) {
            using enum RouteFileProblem::Kind;
            out.problems.push_back({opened ? Damaged : Unopened, path, {}, 0});
            continue;
        }
        // The date names the route's file: one that could name another file, or none, is
        // refused here (the rest of the day still works).
        if (!isSafeNamePart(entry.Date())) {
            out.problems.push_back(
                {RouteFileProblem::Kind::UnsafeDate, path, entry.Date(), 0});
            continue;
        }
        if (doc.clampedNumbers() > 0) {
            out.problems.push_back(
                {RouteFileProblem::Kind::NumbersCut, path, {}, doc.clampedNumbers()});
        }
        if (entry.IsSettled()) {
            ++m_SettledRoutes;
        }
        m_Entries.push_back(std::move(entry));
        ++out.count;
    }
    std::stable_sort(m_Entries.begin(), m_Entries.end(), entryBefore);
    return out;
}

}  // namespace kelvo
