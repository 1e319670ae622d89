// An invoice file: loaded, saved and loaded again, header and lines are unchanged; the stop's
// invoice list reads the saved file's header as it read the first.
#include "FuzzSupport.h"
#include "model/Invoice.h"
#include "model/Invoices.h"

using namespace kelvo;

namespace {

bool sameInvoice(const CInvoice& a, const CInvoice& b) {
    if (a.ID() != b.ID() || a.InvoiceDate() != b.InvoiceDate() || a.COD() != b.COD() ||
        a.PrebilledAmount() != b.PrebilledAmount() ||
        a.TotalPlusAdjustments() != b.TotalPlusAdjustments() ||
        a.TotalMinusAdjustments() != b.TotalMinusAdjustments() ||
        a.PayThisAmount() != b.PayThisAmount() || a.CashCollected() != b.CashCollected() ||
        a.UndeliverReasonCode() != b.UndeliverReasonCode() ||
        a.PersonIdentification() != b.PersonIdentification() ||
        a.MinimumInvoiceAmount() != b.MinimumInvoiceAmount() || a.Status() != b.Status() ||
        a.CheckNumber() != b.CheckNumber() || a.LineCount() != b.LineCount()) {
        return false;
    }
    for (std::size_t i = 0; i < a.LineCount(); ++i) {
        if (!(a.Line(i) == b.Line(i))) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put("\\VexXml\\Inv_9.xml", fuzz::input(data, size));
    fuzz::SilentPrompter prompter;
    const std::string numbers[] = {"9"};
    CInvoices headers;
    headers.Load(fs, prompter, numbers);
    CInvoice first;
    if (!first.Load(fs, prompter, 9)) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.Save(fs));
    const std::string saved = fuzz::device().read("\\VexXml\\Inv_9.xml");
    KELVO_FUZZ_CHECK(fuzz::wellWritten(saved));
    CInvoice second;
    KELVO_FUZZ_CHECK(second.Load(fs, prompter, 9));
    KELVO_FUZZ_CHECK(sameInvoice(first, second));
    KELVO_FUZZ_CHECK(second.ToXml() == saved);
    CInvoices again;
    again.Load(fs, prompter, numbers);
    KELVO_FUZZ_CHECK(again.Count() == 1);
    if (headers.Count() == 1) {
        KELVO_FUZZ_CHECK(headers.At(0).PayThisAmount == again.At(0).PayThisAmount);
        KELVO_FUZZ_CHECK(headers.At(0).Status == again.At(0).Status);
        KELVO_FUZZ_CHECK(headers.At(0).COD == again.At(0).COD);
    }
    return 0;
}
