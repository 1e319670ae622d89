#include "model/RouteList.h"

#include <algorithm>
#include <optional>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileValues.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
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

std::size_t CRouteList::Load(const DeviceFs& fs, Prompter& prompter) {
    std::optional<WaitCursor> wait(std::in_place);
    m_Entries.clear();
    m_SettledRoutes = 0;
    const std::string folder = m_StoragePath + "\\VexXml\\";
    std::size_t count = 0;
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
            wait.reset();  // the driver reads the message with the normal cursor
            prompter.inform((opened ? tr("The route file is damaged and is left out: ")
                                    : tr("Error Opening Route XML: ")) +
                                path,
                            tr("Load Error"), MessageIcon::None);
            wait.emplace();
            continue;
        }
        // The date names the route's file: one that could name another file, or none, is
        // refused here (the rest of the day still works).
        if (!isSafeNamePart(entry.Date())) {
            wait.reset();
            prompter.inform(format(tr("The route date %s in %s cannot name a file; the route is "
                                      "left out.")
                                       .c_str(),
                                   entry.Date().c_str(), path.c_str()),
                            tr("Load Error"), MessageIcon::None);
            wait.emplace();
            continue;
        }
        if (doc.clampedNumbers() > 0) {
            wait.reset();
            reportClampedNumbers(prompter, path, doc.clampedNumbers());
            wait.emplace();
        }
        if (entry.IsSettled()) {
            ++m_SettledRoutes;
        }
        m_Entries.push_back(std::move(entry));
        ++count;
    }
    std::stable_sort(m_Entries.begin(), m_Entries.end(), entryBefore);
    return count;
}

}  // namespace kelvo
