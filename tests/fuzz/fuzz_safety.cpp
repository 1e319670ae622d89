// Safety.xml: loaded, saved and loaded again, the checklist is unchanged.
#include "FuzzSupport.h"
#include "model/SafetyChecks.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put("\\VexXml\\Safety.xml", fuzz::input(data, size));
    CSafetyChecks first, second;
    if (!first.Load(fs)) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs));
    const std::string saved = fuzz::device().read("\\VexXml\\Safety.xml");
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    KELVO_FUZZ_CHECK(second.Load(fs));
    KELVO_FUZZ_CHECK(first.TruckID() == second.TruckID());
    KELVO_FUZZ_CHECK(first.Count() == second.Count());
    for (std::size_t i = 0; i < first.Count(); ++i) {
        KELVO_FUZZ_CHECK(first.At(i) == second.At(i));
    }
    KELVO_FUZZ_CHECK(first.IsComplete() == second.IsComplete());
    return 0;
}
