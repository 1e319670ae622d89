// The route file and the route list: what a save writes, loaded and saved again, is the same
// bytes, and the route list reads the saved file's totals as the route reads them.
#include "FuzzSupport.h"
#include "model/Route.h"
#include "model/RouteList.h"

using namespace kelvo;

namespace {

constexpr const char* kPath = "\\VexXml\\Route_7_20061204.xml";

bool sameTotals(const CRouteSummary& a, const CRouteSummary& b) {
    return a.PrebilledAmountCharge() == b.PrebilledAmountCharge() &&
           a.PrebilledAmountCOD() == b.PrebilledAmountCOD() &&
           a.PlusAdjustmentsCharge() == b.PlusAdjustmentsCharge() &&
           a.PlusAdjustmentsCOD() == b.PlusAdjustmentsCOD() &&
           a.MinusAdjustmentsCharge() == b.MinusAdjustmentsCharge() &&
           a.MinusAdjustmentsCOD() == b.MinusAdjustmentsCOD() &&
           a.TotalUndeliveredCharge() == b.TotalUndeliveredCharge() &&
           a.TotalUndeliveredCOD() == b.TotalUndeliveredCOD() &&
           a.PayThisAmountCharge() == b.PayThisAmountCharge() &&
           a.PayThisAmountCOD() == b.PayThisAmountCOD() &&
           a.TotalCollectionsCharge() == b.TotalCollectionsCharge() &&
           a.TotalCollectionsCOD() == b.TotalCollectionsCOD() &&
           a.VoucherAmount() == b.VoucherAmount() && a.TotalStops() == b.TotalStops() &&
           a.SettledStops() == b.SettledStops() && a.StartMileage() == b.StartMileage() &&
           a.EndMileage() == b.EndMileage() && a.Date() == b.Date();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put(kPath, fuzz::input(data, size));
    CRouteList list;
    list.Load(fs);

    CRoute first;
    if (!first.Load(fs, 7, "20061204")) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs));
    const std::string saved = fuzz::device().read(kPath);
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    CRoute second;
    KELVO_FUZZ_CHECK(second.Load(fs, 7, "20061204"));
    KELVO_FUZZ_CHECK(second.Save(fs));
    KELVO_FUZZ_CHECK(fuzz::device().read(kPath) == saved);

    // The saved file holds the number and date of its name, which the file read may not have
    // held: the list takes it.
    CRouteList again;
    again.Load(fs);
    KELVO_FUZZ_CHECK(again.Count() == 1);
    KELVO_FUZZ_CHECK(again.At(0).RouteNumber() == 7);
    KELVO_FUZZ_CHECK(sameTotals(again.At(0), second));
    return 0;
}
