// An invoice file: what a save writes, loaded and saved again, is the same bytes; the stop's
// invoice list reads the saved file's header as the invoice reads it.
#include "FuzzSupport.h"
#include "model/Invoice.h"
#include "model/Invoices.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    const char* path = "\\VexXml\\Inv_9.xml";
    fuzz::put(path, fuzz::input(data, size));
    CInvoice first;
    if (!first.Load(fs, 9).ok()) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs));
    const std::string saved = fuzz::device().read(path);
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    CInvoice second;
    KELVO_FUZZ_CHECK(second.Load(fs, 9).ok());
    KELVO_FUZZ_CHECK(second.Save(fs));
    KELVO_FUZZ_CHECK(fuzz::device().read(path) == saved);

    const std::string numbers[] = {"9"};
    CInvoices headers;
    KELVO_FUZZ_CHECK(headers.Load(fs, numbers).count == 1);
    KELVO_FUZZ_CHECK(headers.At(0).PayThisAmount == second.PayThisAmount());
    KELVO_FUZZ_CHECK(headers.At(0).Status == second.Status());
    KELVO_FUZZ_CHECK(headers.At(0).COD == second.COD());
    return 0;
}
