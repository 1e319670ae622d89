// One <Stop> record: read, written and read again, it is unchanged.
#include "FuzzSupport.h"
#include "common/XmlReader.h"
#include "model/Stop.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XmlDocument doc;
    doc.parse(fuzz::input(data, size));
    if (!doc.wellFormed()) {
        return 0;
    }
    const CStop first = CStop::Read(doc.root(), "20061204", 7);
    const std::string written = first.ToXml();
    KELVO_FUZZ_CHECK(fuzz::wellWritten(written));
    XmlDocument again;
    again.parse(written);
    KELVO_FUZZ_CHECK(again.wellFormed());
    const CStop second = CStop::Read(again.root(), "20061204", 7);
    KELVO_FUZZ_CHECK(first == second);
    return 0;
}
