// A customer's wearer file, read only: any content loads without harm, in number order, and a
// second load gives the same wearers.
#include "FuzzSupport.h"
#include "model/Wearers.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put("\\VexXml\\Wearer_5.xml", fuzz::input(data, size));
    CWearers first, second;
    const LoadResult result = first.Load(fs, 5);
    KELVO_FUZZ_CHECK(second.Load(fs, 5) == result);
    KELVO_FUZZ_CHECK(first.Count() == second.Count());
    for (std::size_t i = 0; i < first.Count(); ++i) {
        KELVO_FUZZ_CHECK(first.At(i) == second.At(i));
        KELVO_FUZZ_CHECK(i == 0 || !(first.At(i).Nr < first.At(i - 1).Nr));
    }
    return 0;
}
