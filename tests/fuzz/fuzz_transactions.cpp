// A customer's inventory transaction file: what a save writes, loaded and saved again, is the
// same bytes.
#include "FuzzSupport.h"
#include "model/InventoryTransactions.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    const char* path = "\\VexXml\\InventoryTransaction_5.xml";
    // The price decimals come from the configuration: the first byte picks them.
    const int decimals = size > 0 ? data[0] % 5 : 2;
    fuzz::put(path, fuzz::input(data, size));
    CInventoryTransactions first;
    if (first.Load(fs, 5, decimals) != LoadResult::Read) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs) == ChangeResult::Saved);
    const std::string saved = fuzz::device().read(path);
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    CInventoryTransactions second;
    KELVO_FUZZ_CHECK(second.Load(fs, 5, decimals) == LoadResult::Read);
    KELVO_FUZZ_CHECK(first.Count() == second.Count());
    KELVO_FUZZ_CHECK(second.Save(fs) == ChangeResult::Saved);
    KELVO_FUZZ_CHECK(fuzz::device().read(path) == saved);
    return 0;
}
