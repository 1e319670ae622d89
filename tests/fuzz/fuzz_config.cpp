// Config.xml, read only: any content loads without harm and reads the same twice.
#include "FuzzSupport.h"
#include "model/ConfigData.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put("\\VexXml\\Config.xml", fuzz::input(data, size));
    ConfigData first, second;
    if (!first.Load(fs)) {
        return 0;
    }
    KELVO_FUZZ_CHECK(second.Load(fs));
    KELVO_FUZZ_CHECK(first.FileVersion() == second.FileVersion());
    KELVO_FUZZ_CHECK(first.PriceDecimals() == second.PriceDecimals());
    KELVO_FUZZ_CHECK(first.IDCodeLengths() == second.IDCodeLengths());
    versionMatches(first.FileVersion());
    return 0;
}
