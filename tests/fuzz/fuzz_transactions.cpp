// A customer's inventory transaction file: loaded, saved and loaded again, unchanged.
#include "FuzzSupport.h"
#include "model/InventoryTransactions.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    const std::string_view content = fuzz::input(data, size);
    // The price decimals come from the configuration: the first byte picks them.
    const int decimals = size > 0 ? data[0] % 5 : 2;
    fuzz::put("\\VexXml\\InventoryTransaction_5.xml", content);
    CInventoryTransactions first;
    const LoadResult result = first.Load(fs, 5, decimals);
    if (result != LoadResult::Read) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs) == ChangeResult::Saved);
    const std::string saved = fuzz::device().read("\\VexXml\\InventoryTransaction_5.xml");
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    CInventoryTransactions second;
    KELVO_FUZZ_CHECK(second.Load(fs, 5, decimals) == LoadResult::Read);
    KELVO_FUZZ_CHECK(first.Count() == second.Count());
    for (std::size_t i = 0; i < first.Count(); ++i) {
        KELVO_FUZZ_CHECK(first.At(i) == second.At(i));
    }
    KELVO_FUZZ_CHECK(second.ToXml() == saved);
    return 0;
}
