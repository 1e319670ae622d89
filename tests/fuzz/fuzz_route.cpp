// The route file and the route list: a route loaded, saved and loaded again is unchanged, and
// the route list reads the saved file as it read the first.
#include "FuzzSupport.h"
#include "model/Route.h"
#include "model/RouteList.h"

using namespace kelvo;

namespace {

constexpr const char* kPath = "\\VexXml\\Route_7_20061204.xml";

bool sameRoute(const CRoute& a, const CRoute& b) {
    if (!(static_cast<const CRouteSummary&>(a) == static_cast<const CRouteSummary&>(b)) ||
        a.ID() != b.ID() || a.RouteDescription() != b.RouteDescription() ||
        a.StartTime() != b.StartTime() || a.EndTime() != b.EndTime() ||
        a.StopCount() != b.StopCount()) {
        return false;
    }
    for (std::size_t i = 0; i < a.StopCount(); ++i) {
        if (!(a.Stop(i) == b.Stop(i))) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put(kPath, fuzz::input(data, size));
    fuzz::SilentPrompter prompter;
    CRouteList list;
    list.Load(fs, prompter);

    CRoute first;
    if (!first.Load(fs, 7, "20061204")) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs));
    const std::string saved = fuzz::device().read(kPath);
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    CRoute second;
    KELVO_FUZZ_CHECK(second.Load(fs, 7, "20061204"));
    KELVO_FUZZ_CHECK(sameRoute(first, second));
    KELVO_FUZZ_CHECK(second.ToXml() == saved);

    // The list takes the saved file's totals as it took those of the file read. The saved
    // file holds the number and date of its name, which the file read may not have held.
    CRouteList again;
    again.Load(fs, prompter);
    KELVO_FUZZ_CHECK(again.Count() == 1);
    if (list.Count() == 1) {
        CRouteSummary entry = list.At(0);
        entry.SetDate(again.At(0).Date());
        entry.SetRouteNumber(again.At(0).RouteNumber());
        KELVO_FUZZ_CHECK(entry == again.At(0));
    }
    return 0;
}
