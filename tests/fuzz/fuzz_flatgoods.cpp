// The flat-good catalogue (read only) and a customer's flat-good transactions: the catalogue
// loads without harm; what a save of the transactions writes, loaded and saved again, is the
// same bytes.
#include "FuzzSupport.h"
#include "model/FlatGoodProducts.h"
#include "model/FlatGoodTransactions.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    const std::string_view content = fuzz::input(data, size);
    fuzz::put("\\VexXml\\Flatgoodproducts.xml", content);
    CFlatGoodProducts catalogue;
    if (catalogue.Load(fs) && catalogue.Count() > 0) {
        catalogue.DescriptionOf(catalogue.At(0).pgdesc);
    }

    const int decimals = size > 0 ? data[size - 1] % 5 : 2;
    const char* path = "\\VexXml\\FlatGoodTransactions_5.xml";
    fuzz::put(path, content);
    CFlatGoodTransactions first, second;
    if (!first.Load(fs, 5).ok()) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs, decimals));
    const std::string saved = fuzz::device().read(path);
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    KELVO_FUZZ_CHECK(second.Load(fs, 5).ok());
    KELVO_FUZZ_CHECK(first.Count() == second.Count());
    KELVO_FUZZ_CHECK(second.Save(fs, decimals));
    KELVO_FUZZ_CHECK(fuzz::device().read(path) == saved);
    return 0;
}
