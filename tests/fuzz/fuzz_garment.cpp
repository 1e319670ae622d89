// A customer's garment flag file and garments-to-replace file: loaded, saved and loaded again,
// unchanged.
#include "FuzzSupport.h"
#include "model/GarmentFlags.h"
#include "model/GarmentsToReplace.h"

using namespace kelvo;

namespace {

template <class List>
void roundTrip(const char* path, std::string_view content) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put(path, content);
    List first, second;
    if (!first.Load(fs, 5).ok()) {
        return;
    }
    KELVO_FUZZ_CHECK(first.Save(fs));
    KELVO_FUZZ_CHECK(fuzz::wellWritten(fuzz::device().read(path)));
    KELVO_FUZZ_CHECK(second.Load(fs, 5).ok());
    KELVO_FUZZ_CHECK(first.Count() == second.Count());
    for (std::size_t i = 0; i < first.Count(); ++i) {
        KELVO_FUZZ_CHECK(first.At(i) == second.At(i));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = fuzz::input(data, size);
    roundTrip<CGarmentFlags>("\\VexXml\\GarmentFlags_5.xml", content);
    roundTrip<CGarmentsToReplace>("\\VexXml\\GarmentsToReplace_5.xml", content);
    return 0;
}
